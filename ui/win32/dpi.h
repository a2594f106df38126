// The window program lays its controls out in 96-DPI ("logical") pixels and
// scales them to the DPI of the monitor its window is on (per-monitor DPI
// awareness, from the manifest); WM_DPICHANGED brings a new scale.
#pragma once

#include <windows.h>

#include "ui/geometry.h"

namespace orbilux::win32 {

struct Dpi {
    UINT value = USER_DEFAULT_SCREEN_DPI;

    int scale(int logical) const { return MulDiv(logical, static_cast<int>(value), USER_DEFAULT_SCREEN_DPI); }
    RECT scale(const ui::Rect& logical) const {
        return {scale(logical.left), scale(logical.top), scale(logical.right), scale(logical.bottom)};
    }
};

// The DPI of the window's monitor (the system's DPI before it has one).
inline Dpi WindowDpi(HWND window) {
    const UINT dpi = window ? GetDpiForWindow(window) : 0;
    return Dpi{dpi ? dpi : GetDpiForSystem()};
}

}  // namespace orbilux::win32
