// The main window's behaviour: the start-up steps that bring the desktop,
// the settings and the shape page into a known state before the window is
// shown, the button column's and the menus' commands, the tray icon and
// minimise-to-tray, the reminder bar, the "Auto blend" check box and the
// shutdown that writes the window's state. The window (MainView) only
// creates controls, forwards events and does what it is told.
#pragma once

#include <cstdint>

#include "desktop/layout_store.h"
#include "desktop/shell_icon_model.h"
#include "engine/desktop_port.h"
#include "platform/user_notifier.h"
#include "settings/program_options.h"
#include "settings/settings_store.h"
#include "ui/commands/command_table.h"
#include "ui/main/main_ports.h"
#include "ui/main/main_view.h"
#include "ui/main/page_seams.h"
#include "ui/main/web_links.h"
#include "ui/skin/skin.h"

namespace orbilux::ui {

// The window's outer heights, in logical pixels: without the reminder bar,
// and the bar itself.
inline constexpr int CompactOuterHeight = 479;
inline constexpr int ReminderBarHeight = 31;
// The page description's left edge on each page, in logical pixels.
inline constexpr int ShapePageDescriptionLeft = 102;
inline constexpr int LayoutsPageDescriptionLeft = 127;
// Fewer desktop icons than this and the program won't run.
inline constexpr int32_t MinimumDesktopIcons = 10;

struct MainPresenterPorts {
    MainView& view;
    CommandTable& commands;
    ProgramOptions& options;
    SettingsStore& settings;
    LayoutStore& layouts;
    DesktopPort& desktop;
    UserNotifier& notifier;
    TrayIconPort& tray;
    WindowLayer& layer;
    LinkOpener& links;
    ScreenInfo& screen;
    FileSystem& files;
    Skin& skin;
    ShellIconModel& shellModel;  // whether the shell arranges or snaps the icons itself
    WebSite site;
};

class MainPresenter {
public:
    explicit MainPresenter(const MainPresenterPorts& ports);
    MainPresenter(const MainPresenter&) = delete;
    MainPresenter& operator=(const MainPresenter&) = delete;

    // The pages and the dialog, as they are built.
    void plugIn(ShapePageSeam& shape) { shape_ = &shape; }
    void plugIn(LayoutsSeam& layouts) { layoutsPage_ = &layouts; }
    void plugIn(OptionsSeam& options) { optionsDialog_ = &options; }
    void plugIn(ScreenChangeSeam& screenChange) { screenChange_ = &screenChange; }

    // While the window is created, before it is shown. An error before the
    // shape selection ends the start-up at the step that raised it; from the
    // selection on, an error ends only its own step. The window is shown all
    // the same.
    void startUp();
    // The window was shown (each time it is).
    void onShown();
    // The window is being destroyed: the state is written to the settings
    // file and the tray icon removed.
    void onDestroyed();

    // The tray icon's callback with the mouse message that happened over it;
    // false when the message is left to the default handling.
    bool onTrayCallback(uint32_t mouseMessage);

    void onReminderBarClicked();
    void onReminderDismissed();  // "Ok, I disabled"
    void onAutoBlendToggled(bool checked);

    bool inTray() const { return inTray_; }
    bool knows() const { return knows_; }

private:
    void defineCommands();
    void onMinimize();  // OnMinimizeA
    void onRestore();   // OnRestoreA
    void showShapePage();
    void showLayoutsPage();
    void exit();
    void openOptionsDialog(OptionsMode mode);
    bool firstUseSaveStored();
    void placeWindow(const SettingsFile& file);
    // The window's logical outer height: with the reminder bar until the
    // user has said they know.
    int outerHeight() const;
    void saveWindowState(SettingsFile& file);

    MainPresenterPorts ports_;
    ShapePageSeam noShapePage_;
    LayoutsSeam noLayoutsPage_;
    OptionsSeam noOptionsDialog_;
    ShapePageSeam* shape_ = &noShapePage_;
    LayoutsSeam* layoutsPage_ = &noLayoutsPage_;
    OptionsSeam* optionsDialog_ = &noOptionsDialog_;
    ScreenChangeSeam noScreenChange_;
    ScreenChangeSeam* screenChange_ = &noScreenChange_;

    bool knows_ = false;  // the reminder bar was dismissed
    bool reminderShown_ = true;
    bool inTray_ = false;  // minimised with no taskbar button: the tray icon is the way back
    bool optionsOpen_ = false;
};

}  // namespace orbilux::ui
