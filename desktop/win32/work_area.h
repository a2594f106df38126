// The screen area a shape is laid out in, read anew at every use.
#pragma once

#include <windows.h>

#include <cstdint>

#include "engine/shape_frame.h"

namespace orbilux::win32 {

struct WorkAreaSize {
    int32_t width = 0;
    int32_t height = 0;
};

// The desktop area not covered by the taskbar, as the system reports it
// (the whole screen when it can't say), in screen coordinates.
RECT ReadWorkAreaRect();
// Its size.
WorkAreaSize ReadWorkArea();

// The taskbar window's height plus 15 pixels, or 0 without a taskbar.
int32_t TaskbarAllowance();

// The frame a first shape gets on the current work area.
ShapeFrame CurrentDefaultShapeFrame();

}  // namespace orbilux::win32
