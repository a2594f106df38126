#include "ui/win32/tray_icon.h"

#include "ui/control_ids.h"
#include "ui/ui_texts.h"

namespace orbilux::win32 {

void TrayIcon::attach(HWND window, HICON icon) {
    window_ = window;
    icon_ = icon;
}

void TrayIcon::fillRecord() {
    record_ = NOTIFYICONDATAW{};
    // The version-1 record: message, icon and tip are all the program uses.
    record_.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record_.hWnd = window_;
    record_.uID = ui::TrayIconId;
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record_.uCallbackMessage = ui::TrayCallbackMessage;
    record_.hIcon = icon_;
    lstrcpynW(record_.szTip, ui::texts::AppTitle, ARRAYSIZE(record_.szTip));
}

void TrayIcon::addIcon() {
    if (Shell_NotifyIconW(NIM_ADD, &record_)) shown_ = true;
}

void TrayIcon::deleteIcon() {
    Shell_NotifyIconW(NIM_DELETE, &record_);
    shown_ = false;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

void TrayIcon::onTaskbarCreated() {
    if (shown_) Shell_NotifyIconW(NIM_ADD, &record_);
}

}  // namespace orbilux::win32
