#include "tools/standin-desktop/icon_fitting.h"

#include <algorithm>
#include <set>
#include <utility>

namespace orbilux::standin {

std::vector<IconPlace> FitIcons(const std::vector<IconPlace>& positions, int cellWidth, int cellHeight, int width,
                                int height) {
    cellWidth = std::max(1, cellWidth);
    cellHeight = std::max(1, cellHeight);
    // The grid starts where the top-left icon does (the list view's margin).
    IconPlace origin{0, 0};
    if (!positions.empty()) {
        origin = positions.front();
        for (const IconPlace& p : positions) origin = {std::min(origin.x, p.x), std::min(origin.y, p.y)};
        origin = {std::clamp(origin.x, 0, cellWidth - 1), std::clamp(origin.y, 0, cellHeight - 1)};
    }
    const int columns = std::max(1, (width - origin.x) / cellWidth);
    const int rows = std::max(1, (height - origin.y) / cellHeight);
    auto fits = [&](const IconPlace& p) {
        return p.x >= 0 && p.y >= 0 && p.x + cellWidth <= width && p.y + cellHeight <= height;
    };

    std::set<std::pair<int, int>> taken;  // (column, row) of the icons that stay
    for (const IconPlace& p : positions)
        if (fits(p))
            taken.insert(
                {(p.x - origin.x + cellWidth / 2) / cellWidth, (p.y - origin.y + cellHeight / 2) / cellHeight});

    std::vector<IconPlace> placed = positions;
    int column = 0, row = 0;
    for (IconPlace& p : placed) {
        if (fits(p)) continue;
        while (column < columns && taken.count({column, row})) {
            if (++row == rows) {
                row = 0;
                ++column;
            }
        }
        const int c = std::min(column, columns - 1), r = column < columns ? row : rows - 1;
        p = {origin.x + c * cellWidth, origin.y + r * cellHeight};
        taken.insert({c, r});
    }
    return placed;
}

}  // namespace orbilux::standin
