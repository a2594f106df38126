// Plain data shared by the shape loader, the placement and the desktop bridge.
// Kept free of any window-system header so the whole engine builds and tests
// on any platform.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace orbilux {

// Every shape is drawn in a 500 x 500 design box; y grows downward.
constexpr int32_t DesignSize = 500;

// One point of a shape, in design-box units.
struct ShapePoint {
    int32_t x = 0;
    int32_t y = 0;
    friend bool operator==(const ShapePoint& a, const ShapePoint& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const ShapePoint& a, const ShapePoint& b) { return !(a == b); }
};

using ShapePath = std::vector<ShapePoint>;

// Where one desktop icon goes: a pixel position in the list view's coordinates
// and the zero-based list-view item index. Targets may lie off screen, and an
// index may name no item (applying it then changes nothing).
struct IconTarget {
    int32_t x = 0;
    int32_t y = 0;
    int32_t index = 0;
    friend bool operator==(const IconTarget& a, const IconTarget& b) {
        return a.x == b.x && a.y == b.y && a.index == b.index;
    }
};

using IconTargets = std::vector<IconTarget>;

// Everything one shape file yields. OverflowPoints stays absent (not empty)
// unless at least one point was routed to it: placement tells the two apart.
struct LoadedShape {
    std::vector<ShapePath> Paths;
    std::vector<ShapePoint> FixedPoints;
    std::vector<ShapePoint> ExtraPoints;
    std::optional<std::vector<ShapePoint>> OverflowPoints;
};

}  // namespace orbilux
