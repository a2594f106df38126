#include "tools/standin-desktop/host_window.h"

namespace orbilux::standin {

HostWindow::HostWindow(const wchar_t* className, const wchar_t* title, DWORD style, RECT area, HWND parent) {
    registerClass(className, reinterpret_cast<HBRUSH>(COLOR_DESKTOP + 1));
    create(className, title, style, 0, area.left, area.top, area.right - area.left, area.bottom - area.top, parent);
}

LRESULT HostWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (HWND child = GetWindow(hwnd(), GW_CHILD))
            MoveWindow(child, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_COPYDATA:
        if (onCommand_) {
            const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            return onCommand_(copy->dwData, copy->lpData, copy->cbData) ? TRUE : FALSE;
        }
        return FALSE;
    case WM_DESTROY:
        if (quitOnDestroy_) PostQuitMessage(0);
        return 0;
    default:
        return WindowBase::handleMessage(message, wParam, lParam);
    }
}

}  // namespace orbilux::standin
