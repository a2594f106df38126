// Where the desktop's icons go when the desktop becomes smaller (a display
// change): icons that still fit stay; each of the others takes the next free
// cell of the icon grid, column by column from the top left, as the shell
// re-lays icons that would be out of sight. Plain data, no Win32.
#pragma once

#include <vector>

namespace orbilux::standin {

struct IconPlace {
    int x = 0;
    int y = 0;
};

// `positions` are the icons' list-view positions, `cellWidth` x `cellHeight`
// the icon spacing, `width` x `height` the new desktop. When every cell is
// taken, the rest share the last one.
std::vector<IconPlace> FitIcons(const std::vector<IconPlace>& positions, int cellWidth, int cellHeight, int width,
                                int height);

}  // namespace orbilux::standin
