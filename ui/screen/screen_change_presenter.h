// What the program does when the screen changes under it (a monitor woken,
// docked or unplugged, a resolution switched, the taskbar moved), and the
// upkeep of the automatic layouts that make it possible.
//
// Windows re-lays the desktop's icons itself on such a change, often over
// several changes in a row, and the shell adds and removes items while it
// settles. So nothing is done until the changes have stopped for a while
// and the desktop's item count is the same twice in a row; then, with the
// option on, the icons are put back as they were on a screen of that size
// (its automatic layout, else the newest layout saved at that size, else the
// loaded shape fitted to the new work area, else nothing). A change back to
// where things were before the wait ends cancels it. No automatic layout is
// written while a change settles: it would keep the scrambled positions.
//
// The automatic layout of the current size is refreshed when an action that
// moves icons ends, every few minutes while the program runs, and at
// shutdown; a refresh writes only when an icon moved.
#pragma once

#include <cstdint>

#include "desktop/automatic_layouts.h"
#include "desktop/desktop_session.h"
#include "desktop/icon_actions.h"
#include "desktop/layout_store.h"
#include "desktop/reported_screen_size.h"
#include "settings/program_options.h"
#include "ui/geometry.h"
#include "ui/main/main_ports.h"
#include "ui/main/page_seams.h"

namespace orbilux::ui {

// How long the changes must have stopped before anything is restored.
inline constexpr uint32_t ScreenSettleMs = 2000;
// How often the automatic layout is compared with the desktop.
inline constexpr uint32_t AutomaticCheckMs = 3 * 60 * 1000;

struct ScreenChangePorts {
    TimerPort& timers;
    ReportedScreenSize& screenSize;  // the primary screen's size, the layout store's too
    ScreenInfo& screen;              // the work area
    DesktopAccess& desktop;          // the item count, asked quietly
    LayoutStore& layouts;
    AutomaticLayouts& automatic;
    ProgramOptions& options;  // RestoreOnScreenChange
    IconActions& actions;     // its own restore is an action like any other
};

// Observes every action that moves icons, to refresh the automatic layout
// when one ends.
class ScreenChangePresenter : public ScreenChangeSeam, public IconActionObserver {
public:
    explicit ScreenChangePresenter(const ScreenChangePorts& ports) : ports_(ports) {}
    ScreenChangePresenter(const ScreenChangePresenter&) = delete;
    ScreenChangePresenter& operator=(const ScreenChangePresenter&) = delete;

    void plugIn(ShapePageSeam& shape) { shape_ = &shape; }

    // Start-up: the screen is taken as it is now; when the state was saved
    // on a screen of another size, that counts as a change made while the
    // program was away. Starts the periodic check.
    void startUp(const SettingsFile& file) override;
    // Shutdown: the last refresh (none while a change settles), the timers
    // stopped and the screen size written with the window's state.
    void shutDown(SettingsFile& file) override;

    // The display changed to the size it reports.
    void onDisplayChanged(ScreenSize reported);
    // The display or the work area changed (or may have: the messages come
    // in bursts and sometimes for nothing).
    void onScreenChanged();
    void onSettleTimer();
    void onCheckTimer();
    // IconActionObserver: an action of the program that moved icons has
    // ended (its own restore too). Never throws.
    void iconsAboutToMove(IconActionKind /*kind*/) override {}
    void iconsMoved(IconActionKind kind) override;

    bool settling() const { return settling_; }

private:
    struct ScreenState {
        ScreenSize size;
        Rect workArea;
        bool operator==(const ScreenState& other) const {
            return size.width == other.size.width && size.height == other.size.height && workArea == other.workArea;
        }
    };
    ScreenState readScreen();
    int32_t quietItemCount();
    void restoreFor(ScreenSize size);
    void refresh();

    ScreenChangePorts ports_;
    ShapePageSeam noShapePage_;
    ShapePageSeam* shape_ = &noShapePage_;

    ScreenState stable_;  // the screen as it was when nothing was settling
    bool settling_ = false;
    int32_t lastCount_ = -1;  // the item count at the last change or tick
    bool restoring_ = false;  // our own restore is moving the icons
};

}  // namespace orbilux::ui
