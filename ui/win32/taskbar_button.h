// The window that carries the program's taskbar button: an empty, unowned
// window titled with the application's title, which owns the main window.
// The main window's caption changes with the shape and the page; the
// taskbar button and Alt+Tab keep showing "Orbilux". An owned window has no
// button of its own, so the main window doesn't show up twice.
//
// The main window minimises as before and is then hidden (an owned window
// left iconic would stand on the desktop as a small title bar); this window
// is minimised with it, so its button looks and acts like the main window's:
// a click on it restores the main window, activating it brings the main
// window (or its open dialog) to the front, and "Close window" closes it.
// Hiding this window hides the button (minimise to tray).
#pragma once

#include <windows.h>

#include "platform/win32/window_base.h"

namespace orbilux::win32 {

class TaskbarButton : public WindowBase {
public:
    // Creates the window, not yet shown.
    void create(const wchar_t* title, HICON largeIcon, HICON smallIcon);
    // The window whose button this is.
    void setTarget(HWND target) { target_ = target; }

    // The target was minimised: the button shows it minimised.
    void onTargetMinimized();
    // The target was restored: the button is back and looks restored.
    void onTargetRestored();
    void hide();
    // Shown again, as minimised while the target is.
    void show();

protected:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void restoreTarget();

    HWND target_ = nullptr;
};

}  // namespace orbilux::win32
