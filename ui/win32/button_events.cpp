#include "ui/win32/button_events.h"

#include <commctrl.h>

#include "platform/win32/window_base.h"

namespace orbilux::win32 {

namespace {

constexpr UINT_PTR SubclassId = 0x4F42;  // 'OB'
// The hot state lives in a window property too, so the painter can ask for
// it without reaching into the subclass.
constexpr const wchar_t* HotProperty = L"OrbiluxButtonHot";

struct Watch {
    ButtonEventHandlers handlers;
    bool hot = false;
};

void Call(const std::function<void(MouseButton)>& handler, MouseButton button) {
    if (handler) handler(button);
}

LRESULT CALLBACK ButtonSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* watch = reinterpret_cast<Watch*>(data);
    // The button does its own work first (capture, pushed state), so a
    // handler that opens a dialog or moves icons sees a consistent button.
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    RunEventHandler([&] {
        switch (message) {
            case WM_MOUSEMOVE:
                if (!watch->hot) {
                    watch->hot = true;
                    SetPropW(hwnd, HotProperty, reinterpret_cast<HANDLE>(1));
                    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
                    TrackMouseEvent(&track);
                    InvalidateRect(hwnd, nullptr, FALSE);
                    if (watch->handlers.entered) watch->handlers.entered();
                }
                break;
            case WM_MOUSELEAVE:
                watch->hot = false;
                RemovePropW(hwnd, HotProperty);
                InvalidateRect(hwnd, nullptr, FALSE);
                if (watch->handlers.left) watch->handlers.left();
                break;
            case WM_LBUTTONDOWN:
            case WM_LBUTTONDBLCLK:
                Call(watch->handlers.pressed, MouseButton::Left);
                break;
            case WM_RBUTTONDOWN:
            case WM_RBUTTONDBLCLK:
                Call(watch->handlers.pressed, MouseButton::Right);
                break;
            case WM_MBUTTONDOWN:
                Call(watch->handlers.pressed, MouseButton::Middle);
                break;
            case WM_LBUTTONUP:
                Call(watch->handlers.released, MouseButton::Left);
                break;
            case WM_RBUTTONUP:
                Call(watch->handlers.released, MouseButton::Right);
                break;
            case WM_MBUTTONUP:
                Call(watch->handlers.released, MouseButton::Middle);
                break;
            case WM_NCDESTROY:
                RemovePropW(hwnd, HotProperty);
                RemoveWindowSubclass(hwnd, &ButtonSubclass, SubclassId);
                delete watch;
                break;
        }
    });
    return result;
}

}  // namespace

void WatchButton(HWND button, ButtonEventHandlers handlers) {
    auto* watch = new Watch{std::move(handlers)};
    if (!SetWindowSubclass(button, &ButtonSubclass, SubclassId, reinterpret_cast<DWORD_PTR>(watch))) delete watch;
}

bool IsButtonHot(HWND button) {
    return GetPropW(button, HotProperty) != nullptr;
}

}  // namespace orbilux::win32
