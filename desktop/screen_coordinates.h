// Screen coordinates and the desktop list view's own coordinates.
//
// The work area, the taskbar and a shape's frame are in screen coordinates,
// where the primary monitor's top-left corner is (0, 0). The desktop's list
// view spans the whole virtual screen, so its own (0, 0), in which icon
// positions are set and read, is the virtual screen's top-left corner: with
// a monitor left of or above the primary one the two differ by that
// monitor's width or height. Every conversion between them goes through the
// list view's corner on the screen, read afresh for each desktop operation.
#pragma once

#include <cstdint>

#include "engine/shape_types.h"

namespace orbilux {

// Where the list view's (0, 0) stands on the screen.
struct ListViewOrigin {
    int32_t x = 0;
    int32_t y = 0;
};

// The arithmetic wraps instead of overflowing: positions reach the list view
// as their low 16 bits anyway, and a round trip gives back every value
// exactly. With the origin at (0, 0) both are the identity.
inline int32_t ScreenToListView(int32_t screen, int32_t origin) {
    return static_cast<int32_t>(static_cast<uint32_t>(screen) - static_cast<uint32_t>(origin));
}
inline int32_t ListViewToScreen(int32_t listView, int32_t origin) {
    return static_cast<int32_t>(static_cast<uint32_t>(listView) + static_cast<uint32_t>(origin));
}

// Targets worked out on the screen, moved into the list view's coordinates.
inline IconTargets TargetsInListView(IconTargets targets, ListViewOrigin origin) {
    for (IconTarget& target : targets) {
        target.x = ScreenToListView(target.x, origin.x);
        target.y = ScreenToListView(target.y, origin.y);
    }
    return targets;
}

}  // namespace orbilux
