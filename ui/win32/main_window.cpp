#include "ui/win32/main_window.h"

#include <windowsx.h>

#include "ui/control_ids.h"
#include "ui/main/window_placement.h"
#include "ui/ui_texts.h"
#include "ui/win32/button_events.h"
#include "ui/win32/main_window_layout.h"

namespace orbilux::win32 {

namespace {

constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD WindowExStyle = 0;

int PageIndex(ui::Page page) {
    return page == ui::Page::Shape ? 0 : 1;
}

// The window's size at that DPI: the fixed client width with the frame
// around it, and the outer height given.
ui::Size OuterSize(Dpi dpi, int logicalOuterHeight) {
    RECT r{0, 0, dpi.scale(layout::ClientWidth), 0};
    AdjustWindowRectExForDpi(&r, WindowStyle, TRUE, WindowExStyle, dpi.value);
    return {r.right - r.left, dpi.scale(logicalOuterHeight)};
}

}  // namespace

MainWindow::MainWindow(const MainWindowArgs& args) : args_(args) {
    args_.commands.addEnabledListener([this](uint16_t id, bool enabled) { showCommandEnabled(id, enabled); });
}

void MainWindow::showCommandEnabled(uint16_t id, bool enabled) {
    if (HWND control = layout_.control(id)) EnableWindow(control, enabled);
    menus_.setCommandEnabled(id, enabled);
}

MainWindow::~MainWindow() {
    destroy();
}

void MainWindow::addPage(ui::Page page, PageView& view) {
    pages_[std::size_t(PageIndex(page))] = &view;
    view.setHints(tooltips_);
}

void MainWindow::create() {
    registerClass(MainWindowClass, nullptr, 0, args_.largeIcon);
    // The window's own DPI is known only once it exists (WM_CREATE
    // re-sizes it for that); until then the system's stands in.
    const ui::Size size = OuterSize(Dpi{GetDpiForSystem()}, logicalOuterHeight_);
    WindowCreateArgs create;
    create.className = MainWindowClass;
    create.title = ui::texts::InitialWindowTitle;
    create.style = WindowStyle;
    create.exStyle = WindowExStyle;
    create.width = size.width;
    create.height = size.height;
    create.menu = menus_.bar();
    taskbar_.create(ui::texts::AppTitle, args_.largeIcon, args_.smallIcon);
    create.parent = taskbar_.hwnd();  // the owner, whose button this window uses
    WindowBase::create(create);
    taskbar_.setTarget(hwnd());
}

void MainWindow::show() {
    if (!hwnd()) return;
    taskbar_.show();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

void MainWindow::destroy() {
    if (hwnd()) DestroyWindow(hwnd());
}

HWND MainWindow::pagePanel(ui::Page page) const {
    const auto& panel = panels_[PageIndex(page)];
    return panel ? panel->hwnd() : nullptr;
}

void MainWindow::onCreate() {
    if (args_.smallIcon) SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(args_.smallIcon));
    args_.tray.attach(hwnd(), args_.smallIcon ? args_.smallIcon : args_.largeIcon);
    args_.layer.attach(hwnd());
    args_.notifier.attach(hwnd());
    args_.painter.skinMenu(menus_.bar());
    args_.painter.skinMenu(menus_.tray());
    layout_.setDpi(WindowDpi(hwnd()));
    tooltips_.create(hwnd());
    createControls();
    // The pages' command buttons take their commands' states too.
    args_.commands.forEach(
        [this](uint16_t id, const ui::CommandTable::Command& command) { showCommandEnabled(id, command.enabled); });
    setOuterHeight(logicalOuterHeight_);
    if (presenter_) presenter_->startUp();
}

void MainWindow::createControls() {
    namespace t = ui::texts;
    const HWND w = hwnd();
    const DWORD label = SS_LEFT | SS_NOPREFIX;
    const DWORD button = BS_OWNERDRAW | WS_TABSTOP;
    layout_.add(w, {L"Static", ui::texts::AdjustShapeButton, label | SS_LEFTNOWORDWRAP, layout::PageTitle,
                    ui::PageTitleLabel, FontRole::Bold});
    layout_.add(w, {L"Static", std::wstring(L" - ") + t::AdjustShapeHint, label, layout::PageDescription,
                    ui::PageDescriptionLabel});
    const HWND autoBlend = layout_.add(
        w, {L"Button", t::AutoBlendCaption, BS_AUTOCHECKBOX | WS_TABSTOP, layout::AutoBlend, ui::AutoBlendCheck});
    tooltips_.add(autoBlend, t::AutoBlendHint);

    struct ColumnButton {
        int id;
        const wchar_t* caption;
        ui::Rect rect;
    };
    const ColumnButton column[] = {
        {ui::AdjustShapeA, t::AdjustShapeButton, layout::AdjustShapeButton},
        {ui::MngSavedLayouts, t::ManageLayoutsButton, layout::ManageLayoutsButton},
        {ui::OptionsButA, args_.commands.find(ui::OptionsButA)->caption.c_str(), layout::OptionsButton},
        {ui::HelpBtnA, args_.commands.find(ui::HelpBtnA)->caption.c_str(), layout::HelpButton},
        {ui::AboutBtnA, args_.commands.find(ui::AboutBtnA)->caption.c_str(), layout::AboutButton},
        {ui::PeekButton, t::PeekButton, layout::PeekButton},
    };
    for (const ColumnButton& c : column) {
        const HWND b = layout_.add(w, {L"Button", c.caption, button | BS_MULTILINE, c.rect, c.id});
        ButtonEventHandlers handlers;
        for (PageView* page : pages_)
            if (page && !handlers.entered && !handlers.left) handlers = page->columnButtonHandlers(c.id);
        WatchButton(b, std::move(handlers));
        if (const ui::CommandTable::Command* command = args_.commands.find(static_cast<uint16_t>(c.id)))
            tooltips_.add(b, command->hint);
    }

    for (const ui::Page page : {ui::Page::Shape, ui::Page::Layouts}) {
        const int i = PageIndex(page);
        PanelArgs panel;
        panel.parent = w;
        panel.id = page == ui::Page::Shape ? ui::ShapePagePanel : ui::LayoutsPagePanel;
        panel.area = layout_.dpi().scale(layout::PageArea);
        panel.visible = page == ui::Page::Shape;
        panels_[i] = std::make_unique<PanelWindow>(args_.painter, panel);
        layout_.track(panels_[i]->hwnd(), layout::PageArea);
        if (pages_[std::size_t(i)]) pages_[std::size_t(i)]->createControls(panels_[i]->hwnd(), layout_);
    }

    PanelArgs bar;
    bar.parent = w;
    bar.id = ui::ReminderBar;
    bar.clickable = true;
    reminderBar_ = std::make_unique<PanelWindow>(args_.painter, bar);
    layout_.add(reminderBar_->hwnd(), {L"Static", t::ReminderLabel, SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY,
                                       layout::ReminderLabel, ui::ReminderLabel});
    WatchButton(layout_.add(reminderBar_->hwnd(),
                            {L"Button", t::ReminderOkButton, button, layout::ReminderOkButton, ui::ReminderOkButton}));
    placeReminderBar();
}

void MainWindow::placeReminderBar() {
    if (!reminderBar_) return;
    // Along the client area's real bottom edge, in physical pixels: a
    // logical top worked back from the client height could round a pixel
    // past it.
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int height = layout_.dpi().scale(layout::ReminderBarHeight);
    SetWindowPos(reminderBar_->hwnd(), nullptr, 0, client.bottom - height, client.right, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

PageView* MainWindow::pageOf(HWND control) const {
    for (std::size_t i = 0; i < 2; ++i)
        if (pages_[i] && panels_[i] && control && IsChild(panels_[i]->hwnd(), control)) return pages_[i];
    return nullptr;
}

void MainWindow::onCommand(int id, int code, HWND control) {
    if (PageView* page = pageOf(control); page && page->onCommand(id, code, control)) return;
    // Menu items that no page control carries (the saved-layouts submenus).
    if (!control && id >= ui::FirstSavedLayoutItem && id <= ui::LastSavedLayoutItem) {
        for (PageView* page : pages_)
            if (page && page->onCommand(id, code, nullptr)) return;
        return;
    }
    switch (id) {
        case ui::ReminderOkButton:
            if (code == BN_CLICKED && presenter_) presenter_->onReminderDismissed();
            return;
        case ui::ReminderBar:
        case ui::ReminderLabel:
            if ((code == BN_CLICKED || code == STN_CLICKED) && presenter_) presenter_->onReminderBarClicked();
            return;
        case ui::AutoBlendCheck:
            if (code == BN_CLICKED && presenter_) presenter_->onAutoBlendToggled(autoBlendChecked());
            return;
        default:
            // Buttons report BN_CLICKED (0), menu items 0, accelerators 1.
            if (code == BN_CLICKED || code == 1) args_.commands.execute(static_cast<uint16_t>(id));
    }
}

bool MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return false;
    ButtonLook look;
    look.hot = IsButtonHot(item.hwndItem);
    const int id = static_cast<int>(item.CtlID);
    look.latched = (id == ui::AdjustShapeA && page_ == ui::Page::Shape) ||
                   (id == ui::MngSavedLayouts && page_ == ui::Page::Layouts);
    if (PageView* page = pageOf(item.hwndItem)) page->buttonLook(id, look);
    args_.painter.drawButton(item, look);
    return true;
}

LRESULT MainWindow::onControlColour(UINT message, HDC dc, HWND control) {
    const HWND parent = GetParent(control);
    const Surface surface = parent == hwnd() ? Surface::Window : Surface::Panel;
    const int id = GetDlgCtrlID(control);
    const HBRUSH brush = args_.painter.controlColours(message, dc, control, surface, id == ui::ReminderLabel);
    if (id == ui::PageTitleLabel) SetTextColor(dc, ToColorRef(args_.painter.palette().accent));
    return reinterpret_cast<LRESULT>(brush);
}

void MainWindow::onDpiChanged(UINT dpi, const RECT& suggested) {
    layout_.setDpi(Dpi{dpi});
    layout_.relayout();
    const ui::Size size = outerSizeFor(logicalOuterHeight_);
    SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, size.width, size.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    placeReminderBar();
}

void MainWindow::onWindowPosChanging(WINDOWPOS& position) {
    if (!dragging_ || (position.flags & SWP_NOMOVE)) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor)) return;
    RECT current{};
    GetWindowRect(hwnd(), &current);
    const ui::Rect window{position.x, position.y, position.x + (current.right - current.left),
                          position.y + (current.bottom - current.top)};
    const RECT& w = monitor.rcWork;
    const ui::Rect snapped =
        ui::SnapToEdges(window, {w.left, w.top, w.right, w.bottom}, layout_.dpi().scale(layout::SnapDistance));
    position.x = snapped.left;
    position.y = snapped.top;
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            onCreate();
            return 0;
        case WM_COMMAND:
            onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            LRESULT result = 0;
            if (PageView* page = pageOf(header->hwndFrom); page && page->onNotify(*header, result)) return result;
            break;
        }
        case WM_HSCROLL:
        case WM_VSCROLL: {
            const HWND bar = reinterpret_cast<HWND>(lParam);
            if (PageView* page = pageOf(bar); page && page->onScroll(bar, LOWORD(wParam), HIWORD(wParam))) return 0;
            break;
        }
        case WM_TIMER:
            if (onProgramTimer(wParam)) return 0;
            for (PageView* page : pages_)
                if (page && page->onTimer(wParam)) return 0;
            break;
        case WM_DRAWITEM:
            if (onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
            break;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSCROLLBAR:
            return onControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(hwnd(), &client);
            args_.painter.fill(reinterpret_cast<HDC>(wParam), client, Surface::Window);
            return 1;
        }
        case WM_SIZE:
            if (wParam == SIZE_MINIMIZED) {
                minimized_ = true;
                // The button stays, minimised; the window itself is hidden
                // while minimised (see TaskbarButton).
                taskbar_.onTargetMinimized();
                ShowWindow(hwnd(), SW_HIDE);
                args_.commands.execute(ui::OnMinimizeA);
            } else {
                if (minimized_ && wParam == SIZE_RESTORED) {
                    minimized_ = false;
                    taskbar_.onTargetRestored();
                    args_.commands.execute(ui::OnRestoreA);
                }
                placeReminderBar();
            }
            return 0;
        case WM_SHOWWINDOW:
            if (wParam && presenter_) presenter_->onShown();
            break;
        case WM_ENTERSIZEMOVE:
            dragging_ = true;
            break;
        case WM_EXITSIZEMOVE:
            dragging_ = false;
            break;
        case WM_WINDOWPOSCHANGING:
            onWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
            break;
        case WM_DPICHANGED:
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DISPLAYCHANGE:
            if (screenChange_) screenChange_->onDisplayChanged(ScreenSize{LOWORD(lParam), HIWORD(lParam)});
            break;
        case WM_SETTINGCHANGE:
            // The taskbar moved or changed size: Windows re-lays the icons
            // as for a new resolution.
            if (wParam == SPI_SETWORKAREA && screenChange_) screenChange_->onScreenChanged();
            break;
        case ui::TrayCallbackMessage:
            if (presenter_ && presenter_->onTrayCallback(static_cast<uint32_t>(LOWORD(lParam)))) return 0;
            break;
        case WM_ENDSESSION:
            // Windows is shutting down or the user logs off: the process ends
            // without a WM_DESTROY, so the state is saved now.
            if (wParam && presenter_) presenter_->onDestroyed();
            return 0;
        case WM_DESTROY:
            // The quit first: the loop must end even when saving the state fails.
            PostQuitMessage(0);
            taskbar_.setTarget(nullptr);
            if (presenter_) presenter_->onDestroyed();
            return 0;
        default:
            if (message == TrayIcon::TaskbarCreatedMessage()) {
                args_.tray.onTaskbarCreated();
                return 0;
            }
    }
    return WindowBase::handleMessage(message, wParam, lParam);
}

// ---- ui::TimerPort ----

namespace {

// The shape page's repeat timer is 1 on this window too.
UINT_PTR ProgramTimerId(ui::ProgramTimer timer) {
    return 100 + static_cast<UINT_PTR>(timer);
}

}  // namespace

void MainWindow::startTimer(ui::ProgramTimer timer, uint32_t intervalMs) {
    if (hwnd()) SetTimer(hwnd(), ProgramTimerId(timer), intervalMs, nullptr);
}

void MainWindow::stopTimer(ui::ProgramTimer timer) {
    if (hwnd()) KillTimer(hwnd(), ProgramTimerId(timer));
}

bool MainWindow::onProgramTimer(UINT_PTR timer) {
    if (!screenChange_) return false;
    if (timer == ProgramTimerId(ui::ProgramTimer::ScreenSettle)) {
        screenChange_->onSettleTimer();
        return true;
    }
    if (timer == ProgramTimerId(ui::ProgramTimer::AutomaticLayoutCheck)) {
        screenChange_->onCheckTimer();
        return true;
    }
    return false;
}

// ---- ui::MainView ----

void MainWindow::setTitle(const std::wstring& title) {
    SetWindowTextW(hwnd(), title.c_str());
}

void MainWindow::setHintHidePause(int milliseconds) {
    tooltips_.setHidePause(milliseconds);
}

void MainWindow::setAutoBlendChecked(bool checked) {
    Button_SetCheck(layout_.control(ui::AutoBlendCheck), checked ? BST_CHECKED : BST_UNCHECKED);
}

bool MainWindow::autoBlendChecked() {
    return Button_GetCheck(layout_.control(ui::AutoBlendCheck)) == BST_CHECKED;
}

ui::Size MainWindow::outerSizeFor(int logicalOuterHeight) {
    return OuterSize(layout_.dpi(), logicalOuterHeight);
}

void MainWindow::setOuterHeight(int logicalOuterHeight) {
    logicalOuterHeight_ = logicalOuterHeight;
    const ui::Size size = outerSizeFor(logicalOuterHeight);
    SetWindowPos(hwnd(), nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::moveTo(ui::Point topLeft) {
    SetWindowPos(hwnd(), nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ui::Point MainWindow::normalPosition() {
    if (IsIconic(hwnd())) {
        // A minimised window's rectangle is off-screen; its restored place is
        // kept in workspace coordinates, which start at the work area.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd(), &placement);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor);
        return {placement.rcNormalPosition.left + (monitor.rcWork.left - monitor.rcMonitor.left),
                placement.rcNormalPosition.top + (monitor.rcWork.top - monitor.rcMonitor.top)};
    }
    RECT r{};
    GetWindowRect(hwnd(), &r);
    return {r.left, r.top};
}

void MainWindow::showReminderBar(bool shown) {
    if (reminderBar_) ShowWindow(reminderBar_->hwnd(), shown ? SW_SHOW : SW_HIDE);
}

void MainWindow::showPage(ui::Page page) {
    page_ = page;
    ShowWindow(pagePanel(page), SW_SHOW);
    ShowWindow(pagePanel(page == ui::Page::Shape ? ui::Page::Layouts : ui::Page::Shape), SW_HIDE);
    for (const int id : {int(ui::AdjustShapeA), int(ui::MngSavedLayouts)})
        if (HWND b = layout_.control(id)) InvalidateRect(b, nullptr, FALSE);
}

void MainWindow::setHeader(const std::wstring& title, const std::wstring& description, int descriptionLeft) {
    // The title ends where the description begins; the description ends
    // before the "Auto blend" check box.
    const HWND titleLabel = layout_.control(ui::PageTitleLabel);
    SetWindowTextW(titleLabel, title.c_str());
    ui::Rect titleRect = layout::PageTitle;
    titleRect.right = descriptionLeft - 2;
    layout_.move(titleLabel, titleRect);
    const HWND label = layout_.control(ui::PageDescriptionLabel);
    SetWindowTextW(label, description.c_str());
    ui::Rect descriptionRect = layout::PageDescription;
    descriptionRect.left = descriptionLeft;
    layout_.move(label, descriptionRect);
    InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindow::minimize() {
    ShowWindow(hwnd(), SW_MINIMIZE);
}

void MainWindow::restore() {
    ShowWindow(hwnd(), SW_RESTORE);
    SetForegroundWindow(hwnd());
}

void MainWindow::hideTaskbarButton() {
    taskbar_.hide();
    ShowWindow(hwnd(), SW_HIDE);
}

void MainWindow::showTaskbarButton() {
    taskbar_.show();
}

ui::Point MainWindow::cursorPosition() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void MainWindow::bringToForeground() {
    SetForegroundWindow(hwnd());
}

void MainWindow::popUpTrayMenu(ui::Point at, bool restoreLayoutsEnabled) {
    menus_.setTraySavedLayoutsEnabled(restoreLayoutsEnabled);
    TrackPopupMenuEx(menus_.tray(), TPM_RIGHTBUTTON, at.x, at.y, hwnd(), nullptr);
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void MainWindow::processPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // it belongs to the message loop
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace orbilux::win32
