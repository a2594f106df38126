// The window program's composition root: the one object that owns, in the
// order they depend on each other, the real adapters, the engine, the
// stores, the options, the skin, the presenters and the main window, and
// runs the message loop. wWinMain is App().run().
#pragma once

#include <windows.h>

#include "desktop/automatic_layouts.h"
#include "desktop/icon_actions.h"
#include "desktop/layout_store.h"
#include "desktop/reported_screen_size.h"
#include "desktop/shell_desktop_port.h"
#include "desktop/shell_model_commit.h"
#include "desktop/undo_snapshot.h"
#include "engine/shape_engine.h"
#include "platform/win32/unique_handle.h"
#include "settings/program_options.h"
#include "settings/settings_store.h"
#include "system/system_adapters.h"
#include "ui/commands/command_table.h"
#include "ui/layouts/layout_files_presenter.h"
#include "ui/layouts/layouts_page_presenter.h"
#include "ui/main/main_presenter.h"
#include "ui/screen/screen_change_presenter.h"
#include "ui/shape/shape_page_presenter.h"
#include "ui/skin/skin.h"
#include "ui/win32/description_dialog.h"
#include "ui/win32/layered_window.h"
#include "ui/win32/layout_file_dialogs.h"
#include "ui/win32/layouts_page.h"
#include "ui/win32/main_window.h"
#include "ui/win32/message_box_notifier.h"
#include "ui/win32/options_dialog.h"
#include "ui/win32/shape_page.h"
#include "ui/win32/skin/skin_painter.h"
#include "ui/win32/system_ports.h"
#include "ui/win32/tray_icon.h"

namespace orbilux::app {

class App {
public:
    App();
    // The window goes before the presenter it reports to.
    ~App() { window_.destroy(); }
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Creates the window (running the start-up), shows it, runs the message
    // loop and destroys the window; returns the process's exit code.
    int run();

private:
    // System adapters.
    system::SystemAdapters system_;
    win32::MessageBoxNotifier notifier_;
    ShellDesktopPort desktop_ = system_.desktopPort(notifier_);
    win32::TrayIcon tray_;
    win32::LayeredWindow layer_;
    win32::ShellLinkOpener links_;
    win32::Win32ScreenInfo screen_;
    win32::Win32FileSystem files_;
    win32::Win32DateFormat dateFormat_;
    win32::MessageBoxConfirmer confirmer_{notifier_};

    // The core.
    IconActions actions_{[this] { return !notifier_.quitRequested(); }};
    // Commits every action's moves into the shell's icon model.
    ShellModelCommit shellCommit_{system_.desktop, system_.shellModel};
    ShapeEngine engine_{desktop_};
    // The screen's size as display changes report it, for the store too.
    ReportedScreenSize screenSize_{system_.screen};
    LayoutStore layouts_{WithScreen(system_.layoutStorePorts(notifier_), screenSize_)};
    AutomaticLayouts automaticLayouts_{layouts_};
    UndoSnapshot undo_{layouts_};
    SettingsStore settings_{system_.profile, system_.registry, system_.locations};
    ProgramOptions options_;

    // The window program.
    win32::UniqueIcon largeIcon_;
    win32::UniqueIcon smallIcon_;
    ui::Skin skin_;
    win32::SkinPainter painter_{skin_};
    ui::CommandTable commands_;
    win32::MainWindow window_;
    win32::ShapePage shapePage_{commands_};
    win32::LayoutsPage layoutsPage_{skin_};
    win32::DescriptionDialogAsker descriptionDialog_{painter_};
    win32::OptionsDialogOpener optionsDialog_;
    win32::LayoutFileDialogsWin32 fileDialogs_;
    ui::MainPresenter presenter_;
    ui::ShapePagePresenter shapePresenter_;
    ui::LayoutsPagePresenter layoutsPresenter_;
    ui::ScreenChangePresenter screenChange_;
    ui::LayoutFilesPresenter filesPresenter_;
};

}  // namespace orbilux::app
