// What the options dialog's presenter tells its controls, and reads back:
// the check boxes and sliders of the options panel, the About panel's
// version line, which panel shows, and the dialog's own translucency.
#pragma once

#include <cstdint>
#include <string>

#include "ui/main/page_seams.h"

namespace orbilux::ui {

enum class OptionCheck {
    RunAtStartup,
    MinimizeOnTray,
    LoadLastShape,
    SaveOnStartup,
    ConfirmSave,
    ConfirmLoad,
    RestoreOnScreenChange
};
enum class OptionSlider { Hue, Saturation, Transparency };

class OptionsView {
public:
    virtual ~OptionsView() = default;
    virtual void showPanel(OptionsMode mode) = 0;
    virtual void setCheck(OptionCheck check, bool on) = 0;
    virtual bool check(OptionCheck check) = 0;
    // Setting a slider runs its change handler, as a move by the user does.
    virtual void setSlider(OptionSlider slider, int32_t value) = 0;
    virtual int32_t slider(OptionSlider slider) = 0;
    virtual void setVersionLine(const std::wstring& text) = 0;
    // The dialog itself: translucent at `alpha`, or opaque.
    virtual void setDialogAlpha(uint8_t alpha) = 0;
    virtual void setDialogOpaque() = 0;
    virtual void close() = 0;
};

}  // namespace orbilux::ui
