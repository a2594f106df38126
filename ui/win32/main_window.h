// The main window, class "Tptt": the header line, the left button column,
// the two page panels, the reminder bar and the menus. It creates the
// controls at the window's DPI, forwards what the user does to the main
// presenter, the command table and the pages, and carries out what the
// presenter tells it (MainView). The start-up runs inside WM_CREATE, so the
// window is complete but not yet shown while it runs.
#pragma once

#include <windows.h>

#include <array>

#include "platform/win32/window_base.h"
#include "ui/commands/command_table.h"
#include "ui/main/main_ports.h"
#include "ui/main/main_presenter.h"
#include "ui/main/main_view.h"
#include "ui/screen/screen_change_presenter.h"
#include "ui/win32/control_layout.h"
#include "ui/win32/layered_window.h"
#include "ui/win32/main_menus.h"
#include "ui/win32/message_box_notifier.h"
#include "ui/win32/page_view.h"
#include "ui/win32/panel_window.h"
#include "ui/win32/skin/skin_painter.h"
#include "ui/win32/taskbar_button.h"
#include "ui/win32/tooltips.h"
#include "ui/win32/tray_icon.h"

namespace orbilux::win32 {

inline constexpr const wchar_t* MainWindowClass = L"Tptt";

struct MainWindowArgs {
    SkinPainter& painter;
    ui::CommandTable& commands;
    TrayIcon& tray;
    LayeredWindow& layer;
    MessageBoxNotifier& notifier;
    HICON largeIcon = nullptr;
    HICON smallIcon = nullptr;
};

class MainWindow : public WindowBase, public ui::MainView, public ui::TimerPort {
public:
    explicit MainWindow(const MainWindowArgs& args);
    ~MainWindow() override;

    void setPresenter(ui::MainPresenter& presenter) { presenter_ = &presenter; }
    // Display changes, work-area changes and the program's timers go there.
    void setScreenChange(ui::ScreenChangePresenter& screenChange) { screenChange_ = &screenChange; }
    // Pages must be added before create().
    void addPage(ui::Page page, PageView& view);

    // Creates the window (and runs the start-up); it is not shown yet.
    void create();
    void show();
    void destroy();

    HWND pagePanel(ui::Page page) const;
    MainMenus& menus() { return menus_; }
    Tooltips& hints() { return tooltips_; }
    ControlLayout& layout() { return layout_; }

    // ui::MainView
    void setTitle(const std::wstring& title) override;
    void setHintHidePause(int milliseconds) override;
    void setAutoBlendChecked(bool checked) override;
    bool autoBlendChecked() override;
    ui::Size outerSizeFor(int logicalOuterHeight) override;
    void setOuterHeight(int logicalOuterHeight) override;
    void moveTo(ui::Point topLeft) override;
    ui::Point normalPosition() override;
    void showReminderBar(bool shown) override;
    void showPage(ui::Page page) override;
    void setHeader(const std::wstring& title, const std::wstring& description, int descriptionLeft) override;
    void minimize() override;
    void restore() override;
    void hideTaskbarButton() override;
    void showTaskbarButton() override;
    ui::Point cursorPosition() override;
    void bringToForeground() override;
    void popUpTrayMenu(ui::Point at, bool restoreLayoutsEnabled) override;
    void processPendingMessages() override;

    // ui::TimerPort
    void startTimer(ui::ProgramTimer timer, uint32_t intervalMs) override;
    void stopTimer(ui::ProgramTimer timer) override;

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void onCreate();
    void createControls();
    void placeReminderBar();
    // A command's enabled state shown on its control and menu items.
    void showCommandEnabled(uint16_t id, bool enabled);
    void onCommand(int id, int code, HWND control);
    bool onDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT onControlColour(UINT message, HDC dc, HWND control);
    void onDpiChanged(UINT dpi, const RECT& suggested);
    void onWindowPosChanging(WINDOWPOS& position);
    bool onProgramTimer(UINT_PTR timer);
    PageView* pageOf(HWND control) const;

    MainWindowArgs args_;
    // Owns the window; declared first so that it goes last.
    TaskbarButton taskbar_;
    ui::MainPresenter* presenter_ = nullptr;
    ui::ScreenChangePresenter* screenChange_ = nullptr;
    std::array<PageView*, 2> pages_{};
    MainMenus menus_;
    ControlLayout layout_;
    Tooltips tooltips_;
    std::unique_ptr<PanelWindow> panels_[2];
    std::unique_ptr<PanelWindow> reminderBar_;
    ui::Page page_ = ui::Page::Shape;
    int logicalOuterHeight_ = ui::CompactOuterHeight + ui::ReminderBarHeight;
    bool dragging_ = false;
    bool minimized_ = false;
};

}  // namespace orbilux::win32
