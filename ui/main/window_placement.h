// Where the main window opens, and how it snaps to the screen's edges while
// it is dragged. Coordinates are physical screen pixels.
#pragma once

#include <cstdint>

#include "ui/geometry.h"
#include "ui/main/main_ports.h"

namespace orbilux::ui {

// "Form"/"Left" holds this when no position was ever stored.
inline constexpr int32_t NoStoredLeft = -1;

// The stored top-left corner when it is usable, else the fallback: the
// window's size taken from the work area's width and height, in screen
// coordinates (the bottom-right corner when the taskbar is at the bottom or
// the right). The stored corner is unusable when "Left" is -1, when "Top"
// is not above the work area's height, or when the window would lie on no
// monitor (one was unplugged since). A stored "Left" is otherwise used as
// it is, and so is a negative "Top".
Point PlaceMainWindow(int32_t storedLeft, int32_t storedTop, Size window, const Rect& workArea, ScreenInfo& screen);

// The window moved so that an edge within `distance` of the work area's
// matching edge lies on it (left before right, top before bottom).
Rect SnapToEdges(const Rect& window, const Rect& workArea, int32_t distance);

}  // namespace orbilux::ui
