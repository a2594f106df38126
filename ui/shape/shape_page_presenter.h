// The shape page: the browser (groups, shapes, loading a shape and laying
// the desktop's icons out on it) and the adjustment controls (resize, move,
// re-space and fit it while the icons follow). It owns the shape frame that
// every placement passes to the engine: the width and height bars, the
// offsets and the gap bar.
//
// A bar's position change from code runs its change handler (a placement)
// unless its quiet flag is set; the page sets the flags around its own
// changes so that one operation makes at most one placement.
//
// The browser is in shape_browser.cpp, the adjustment in shape_adjustment.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "desktop/icon_actions.h"
#include "desktop/layout_store.h"
#include "engine/shape_engine.h"
#include "platform/user_notifier.h"
#include "settings/program_options.h"
#include "settings/settings_store.h"
#include "ui/commands/command_table.h"
#include "ui/main/main_ports.h"
#include "ui/main/main_view.h"
#include "ui/main/page_seams.h"
#include "ui/shape/scroll_bar_model.h"
#include "ui/shape/shape_page_view.h"

namespace orbilux::ui {

// What the next load does: lay out and move the icons, take the gap from
// the gap bar instead of the engine's suggestion, or move nothing.
enum class LoadMode { Normal, RestoreGap, NoMove };

// The seven buttons that repeat while held.
enum class RepeatButton { IncreaseSize, DecreaseSize, MoveLeft, MoveRight, MoveUp, MoveDown, Centre };

// What a scroll bar reports: an arrow (line), the track (page), the thumb
// dragged or dropped, a jump to an end.
// End comes once the user lets go of the bar (after a drag, a click or a key).
enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, Thumb, ToMin, ToMax, End, Other };

inline constexpr int RepeatIntervalMs = 80;
inline constexpr int SizeStep = 10;
inline constexpr int MoveStep = 7;
inline constexpr uint8_t PeekAlpha = 10;

struct ShapePagePorts {
    ShapePageView& view;
    MainView& window;  // the title
    ShapeEngine& engine;
    FileSystem& files;
    ScreenInfo& screen;
    WindowLayer& layer;
    SettingsStore& settings;       // the program's folder, beside which "Shapes" lies
    LayoutStore& layouts;          // whether a saved layout exists
    CommandTable& commands;        // RestoreDTIPos carries that as its enabled state
    ProgramOptions& options;       // AutoBlend
    const UserNotifier& notifier;  // whether the program is ending
    IconActions& actions;          // told when the icons start and stop moving
};

class ShapePagePresenter : public ShapePageSeam {
public:
    explicit ShapePagePresenter(const ShapePagePorts& ports);
    ShapePagePresenter(const ShapePagePresenter&) = delete;
    ShapePagePresenter& operator=(const ShapePagePresenter&) = delete;

    // What the main window asks of the page.
    void resetOffsets() override;
    void setSizeBarRanges() override;
    void startUpSelection(const SettingsFile& file, bool loadLastShape) override;
    ShapeState stateToSave() override;
    void pageShown() override;
    void loadAndSet() override { LoadAndSetAExecute(); }
    bool refitToScreen() override;

    // The browser's events.
    void ShapeGroupsChange(int index);
    void ShapesListClick(int index);

    // The adjustment controls' events.
    void onRepeatPressed(RepeatButton button);
    void onRepeatReleased();
    void onRepeatTick();
    void onScroll(ShapeBar bar, ScrollRequest request, int32_t thumbPosition);
    void onBarPressed();
    void onBarReleased();
    void onFit();
    void onPeekEntered();
    void onPeekLeft();

    // State, for the view and for tests.
    const ScrollBarModel& bar(ShapeBar which) const;
    int32_t sdx() const { return sdx_; }
    int32_t sdy() const { return sdy_; }
    LoadMode loadMode() const { return loadMode_; }
    int currentShapeIndex() const { return currentShapeIndex_; }
    const std::wstring& shapePath() const { return shapePath_; }
    const std::vector<std::wstring>& groupFolders() const { return groupFolders_; }
    const std::vector<std::wstring>& shapePaths() const { return shapePaths_; }
    bool captionEnabled() const { return captionEnabled_; }
    bool adjustButtonsEnabled() const { return adjustButtonsEnabled_; }
    bool repeating() const { return repeatSource_.has_value(); }

private:
    struct Area {
        int32_t width;            // WAW
        int32_t height;           // WAH
        int32_t availableHeight;  // WAH less the taskbar allowance
    };
    Area area();
    ScrollBarModel& mutableBar(ShapeBar which);
    void setBarsQuiet(bool quiet);
    // Both size bars moved with one placement at most: none from the bars.
    void setSizeBarsQuietly(int32_t widthPosition, int32_t heightPosition);
    // The loaded shape (read again with `reload`) arranged in the frame the
    // bars and offsets make.
    // False when nothing was asked of the desktop: the program is ending, or
    // another arrange is still running (this one comes from the modal loop
    // of a message box that one opened).
    bool arrangeInFrame(int32_t& gap, bool reload, bool moveIcons);
    // A held repeat button let go of, as by its release.
    void releaseHeldButton();

    // The browser.
    void FillShapeGroups();
    void FillShapesList();
    void LoadAndSetAExecute();
    void SelectShapeByPath(const std::wstring& path);
    void ResetShapeFrame();
    void PlaceCurrentShape();
    void enableControls(bool enabled);
    void setCaption(const std::wstring& caption);
    std::wstring selectedGroupText() const;
    std::wstring shapesRoot();

    // The adjustment.
    void setBlending(bool on);

    ShapePagePorts ports_;
    ScrollBarModel width_{0, 100, 0, true};
    ScrollBarModel height_{0, 100, 0, true};
    ScrollBarModel gap_{1, 100, 1, false};
    int32_t sdx_ = 0;
    int32_t sdy_ = 0;
    LoadMode loadMode_ = LoadMode::Normal;

    std::vector<std::wstring> groupFolders_;
    std::vector<std::wstring> groupItems_;  // "All shapes", then each folder's last component
    int selectedGroup_ = -1;
    std::vector<std::wstring> shapePaths_;
    std::vector<std::wstring> shapeLines_;
    int currentShapeIndex_ = -1;
    std::wstring shapePath_;  // SPath
    bool captionEnabled_ = false;
    bool adjustButtonsEnabled_ = false;

    std::optional<RepeatButton> repeatSource_;
    bool arranging_ = false;
    uint8_t rememberedAlpha_ = 255;
};

}  // namespace orbilux::ui
