// Mouse events of a standard button that its click notification doesn't
// carry: press and release of either mouse button, and the pointer entering
// and leaving (through TrackMouseEvent). The button stays a standard Button
// control; a window subclass reports the events and keeps the "hot" state
// the skin draws.
#pragma once

#include <windows.h>

#include <functional>

namespace orbilux::win32 {

enum class MouseButton { Left, Right, Middle };

struct ButtonEventHandlers {
    std::function<void(MouseButton)> pressed;
    std::function<void(MouseButton)> released;
    std::function<void()> entered;
    std::function<void()> left;
};

// Watches `button` until it is destroyed. Handlers may be empty. The hot
// state is kept for every watched button, handlers or not.
void WatchButton(HWND button, ButtonEventHandlers handlers = {});

// Whether the pointer is over a watched button now.
bool IsButtonHot(HWND button);

}  // namespace orbilux::win32
