// Points, sizes and rectangles for the window program's portable logic, so
// that placement and layout rules are testable without <windows.h>. The
// Win32 views convert to POINT and RECT at their edge.
#pragma once

#include <cstdint>

namespace orbilux::ui {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const Point& other) const { return x == other.x && y == other.y; }
    bool operator!=(const Point& other) const { return !(*this == other); }
};

struct Size {
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Size& other) const { return width == other.width && height == other.height; }
};

// Right and bottom are exclusive, as in RECT.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t width() const { return right - left; }
    int32_t height() const { return bottom - top; }
    bool intersects(const Rect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }

    static Rect At(Point topLeft, Size size) {
        return {topLeft.x, topLeft.y, topLeft.x + size.width, topLeft.y + size.height};
    }
};

}  // namespace orbilux::ui
