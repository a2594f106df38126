#include "tools/standin-desktop/taskbar_window.h"

#include <cstdio>

#include "platform/text.h"

namespace orbilux::standin {

namespace {

// The shell's own record of a notification as Windows sends it: a
// signature, the NIM_* message, then the caller's NOTIFYICONDATAW in its
// 32-bit layout.
constexpr DWORD WindowsTraySignature = 0x34753423;

// Wine sends its own record instead, with the NIM_* message in dwData.
struct WineNotifyData {
    LONG window;
    UINT id;
    UINT flags;
    UINT callbackMessage;
    WCHAR tip[128];
};

struct WindowsNotifyData {
    DWORD signature;
    DWORD message;
    DWORD size;
    DWORD window;
    UINT id;
    UINT flags;
    UINT callbackMessage;
    DWORD icon;
    WCHAR tip[128];
};

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "%lx", value);
    return text;
}

}  // namespace

TaskbarWindow::TaskbarWindow(int screenWidth, int screenHeight, int height) {
    registerClass(L"Shell_TrayWnd", reinterpret_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH)));
    // Topmost like the real taskbar, which also puts it ahead of any other
    // "Shell_TrayWnd" (Wine's own, hidden one) when programs look it up.
    create(L"Shell_TrayWnd", L"", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, screenHeight - height,
           screenWidth, height, nullptr);
}

void TaskbarWindow::BroadcastTaskbarCreated() {
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
}

void TaskbarWindow::recordNotification(const COPYDATASTRUCT& copy) {
    DWORD message = 0;
    UINT id = 0, callback = 0;
    std::wstring tip;
    if (copy.cbData >= sizeof(WindowsNotifyData) &&
        static_cast<const WindowsNotifyData*>(copy.lpData)->signature == WindowsTraySignature) {
        const auto* data = static_cast<const WindowsNotifyData*>(copy.lpData);
        message = data->message;
        id = data->id;
        callback = data->callbackMessage;
        tip.assign(data->tip, wcsnlen(data->tip, 128));
    } else if (copy.cbData >= sizeof(WineNotifyData)) {
        const auto* data = static_cast<const WineNotifyData*>(copy.lpData);
        message = static_cast<DWORD>(copy.dwData);
        id = data->id;
        callback = data->callbackMessage;
        tip.assign(data->tip, wcsnlen(data->tip, 128));
    } else {
        return;
    }
    switch (message) {
        case 0:  // NIM_ADD
            events_.push_back("tray\tadd\t" + std::to_string(id) + "\t" + Hex(callback) + "\t" + Utf8FromWide(tip));
            break;
        case 2:  // NIM_DELETE
            events_.push_back("tray\tdelete\t" + std::to_string(id));
            break;
        default:
            events_.push_back("tray\tmodify\t" + std::to_string(id));
            break;
    }
}

std::string TaskbarWindow::reportLines() const {
    std::string lines;
    for (const std::string& event : events_) lines += event + "\n";
    return lines;
}

LRESULT TaskbarWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        recordNotification(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return TRUE;
    }
    return WindowBase::handleMessage(message, wParam, lParam);
}

}  // namespace orbilux::standin
