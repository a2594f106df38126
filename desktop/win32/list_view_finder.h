// Finding the shell's desktop icon list view: afresh for every operation,
// since the shell may have restarted since the last one.
#pragma once

#include <windows.h>

namespace orbilux::win32 {

// The usual place is Progman's first child's first child. Where that is not
// a list view, the desktop view ("SHELLDLL_DefView") is looked up by class
// under Progman, then under every top-level "WorkerW" window: with a
// slideshow or animated wallpaper the shell hosts it there, and on recent
// Windows 11 builds a WorkerW can be Progman's first child.
// Returns nullptr when no desktop list view exists.
HWND FindDesktopListView();

// True when the window exists and its class is exactly `className`.
bool HasWindowClass(HWND window, const wchar_t* className);

}  // namespace orbilux::win32
