#include "ui/win32/taskbar_button.h"

namespace orbilux::win32 {

namespace {

constexpr const wchar_t* TaskbarButtonClass = L"OrbiluxTaskbarButton";

}  // namespace

void TaskbarButton::create(const wchar_t* title, HICON largeIcon, HICON smallIcon) {
    registerClass(TaskbarButtonClass, nullptr, 0, largeIcon);
    WindowCreateArgs args;
    args.className = TaskbarButtonClass;
    args.title = title;
    // No size: nothing of it is ever seen but its button.
    args.style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
    args.exStyle = WS_EX_APPWINDOW;
    args.x = 0;
    args.y = 0;
    args.width = 0;
    args.height = 0;
    WindowBase::create(args);
    if (hwnd() && smallIcon) SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

void TaskbarButton::onTargetMinimized() {
    if (hwnd() && IsWindowVisible(hwnd()) && !IsIconic(hwnd())) ShowWindow(hwnd(), SW_SHOWMINNOACTIVE);
}

void TaskbarButton::onTargetRestored() {
    if (!hwnd()) return;
    // Restored without activation: the target is the window the user sees.
    if (!IsWindowVisible(hwnd()) || IsIconic(hwnd())) ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
}

void TaskbarButton::hide() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void TaskbarButton::show() {
    if (hwnd() && !IsWindowVisible(hwnd()))
        ShowWindow(hwnd(), target_ && IsIconic(target_) ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
}

void TaskbarButton::restoreTarget() {
    if (!target_) return;
    if (IsIconic(target_) || !IsWindowVisible(target_)) ShowWindow(target_, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(target_));
}

LRESULT TaskbarButton::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SYSCOMMAND:
            switch (wParam & 0xFFF0) {
                case SC_MINIMIZE:
                    // The button clicked while the program is in front.
                    if (target_) ShowWindow(target_, SW_MINIMIZE);
                    return 0;
                case SC_RESTORE:
                    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
                    restoreTarget();
                    return 0;
                case SC_CLOSE:
                    if (target_) PostMessageW(target_, WM_CLOSE, 0, 0);
                    return 0;
            }
            break;
        case WM_ACTIVATE:
            // Alt+Tab or the button chose this window: the target is what
            // the user means. (Minimised, it is activated on its way down.)
            if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(hwnd())) restoreTarget();
            return 0;
        case WM_CLOSE:
            if (target_) PostMessageW(target_, WM_CLOSE, 0, 0);
            return 0;
    }
    return WindowBase::handleMessage(message, wParam, lParam);
}

}  // namespace orbilux::win32
