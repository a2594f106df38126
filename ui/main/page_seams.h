// Where the pages and dialogs plug into the main window. The main window's
// presenter calls these at its start-up steps, commands and shutdown; a page
// that is not built yet leaves the default, which does nothing.
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings_file.h"

namespace orbilux::ui {

// What the shape page keeps between runs ("SPath", the bars' positions and
// the offsets). The defaults are the page's design state.
struct ShapeState {
    std::wstring path;
    int32_t widthPosition = 0;
    int32_t heightPosition = 0;
    int32_t gapPosition = 1;
    int32_t dx = 0;
    int32_t dy = 0;
};

class ShapePageSeam {
public:
    virtual ~ShapePageSeam() = default;
    virtual void resetOffsets() {}      // start-up: Sdx and Sdy to 0
    virtual void setSizeBarRanges() {}  // start-up: the size bars' maxima from the work area
    // Start-up: the remembered shape laid out again, or the default frame.
    virtual void startUpSelection(const SettingsFile& /*file*/, bool /*loadLastShape*/) {}
    virtual ShapeState stateToSave() { return {}; }
    virtual void pageShown() {}   // the shape page became the visible page
    virtual void loadAndSet() {}  // "Refresh shape"
    // The screen changed: with a shape loaded, the size bars get the new
    // work area's ranges and the shape is fitted to it (as "Fit shape to
    // screen size" does); false, changing nothing, without a shape.
    virtual bool refitToScreen() { return false; }
};

enum class SavedLayoutsMenu { Main, Tray };

class LayoutsSeam {
public:
    virtual ~LayoutsSeam() = default;
    virtual void buildSavedLayoutsMenu(SavedLayoutsMenu /*menu*/) {}
    virtual void quickSave() {}            // "Save layout"
    virtual void saveWithDescription() {}  // the description dialog
    virtual void pageShown() {}            // the layouts page became the visible page
};

// The reaction to display changes (screen_change_presenter.h).
class ScreenChangeSeam {
public:
    virtual ~ScreenChangeSeam() = default;
    // The last start-up step: the screen the state was saved on is compared
    // with this one.
    virtual void startUp(const SettingsFile& /*file*/) {}
    // Shutdown, before the window's state is written: the last automatic
    // refresh, and the screen size the state belongs to.
    virtual void shutDown(SettingsFile& /*file*/) {}
};

enum class OptionsMode { Options, About };

class OptionsSeam {
public:
    virtual ~OptionsSeam() = default;
    virtual void open(OptionsMode /*mode*/) {}
    // Asked for again while it is open.
    virtual void bringToFront() {}
};

}  // namespace orbilux::ui
