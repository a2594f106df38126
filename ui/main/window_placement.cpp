#include "ui/main/window_placement.h"

#include <cstdlib>

namespace orbilux::ui {

Point PlaceMainWindow(int32_t storedLeft, int32_t storedTop, Size window, const Rect& workArea, ScreenInfo& screen) {
    const Point fallback{workArea.width() - window.width, workArea.height() - window.height};
    if (storedLeft == NoStoredLeft || storedTop >= workArea.height()) return fallback;
    const Point stored{storedLeft, storedTop};
    if (!screen.onAnyMonitor(Rect::At(stored, window))) return fallback;
    return stored;
}

namespace {

// How far to move one axis so that an edge near the area's edge meets it.
int32_t SnapShift(int32_t low, int32_t high, int32_t areaLow, int32_t areaHigh, int32_t distance) {
    if (std::abs(low - areaLow) <= distance) return areaLow - low;
    if (std::abs(high - areaHigh) <= distance) return areaHigh - high;
    return 0;
}

}  // namespace

Rect SnapToEdges(const Rect& window, const Rect& workArea, int32_t distance) {
    const int32_t dx = SnapShift(window.left, window.right, workArea.left, workArea.right, distance);
    const int32_t dy = SnapShift(window.top, window.bottom, workArea.top, workArea.bottom, distance);
    return {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}

}  // namespace orbilux::ui
