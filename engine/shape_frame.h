// The frame a placement works in: the shape's pixel size, the area it is
// centred in and the offset from that area's middle.
#pragma once

#include <cstdint>

namespace orbilux {

struct ShapeFrame {
    int32_t width = 0;
    int32_t height = 0;
    int32_t areaWidth = 0;
    int32_t areaHeight = 0;
    int32_t shiftX = 0;
    int32_t shiftY = 0;
};

// The frame a first shape gets: four fifths of the work area (rounded up by
// the integer division of the fifth), centred in the work area less the
// taskbar allowance (the taskbar's height plus 15, or 0 without a taskbar).
inline ShapeFrame DefaultShapeFrame(int32_t workAreaWidth, int32_t workAreaHeight, int32_t taskbarAllowance) {
    ShapeFrame frame;
    frame.width = workAreaWidth - workAreaWidth / 5;
    frame.height = workAreaHeight - workAreaHeight / 5;
    frame.areaWidth = workAreaWidth;
    frame.areaHeight = workAreaHeight - taskbarAllowance;
    return frame;
}

}  // namespace orbilux
