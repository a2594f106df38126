// Where the stand-in desktop re-lays its icons after a display change.
#include "tools/standin-desktop/icon_fitting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orbilux::standin {
namespace {

std::string Places(const std::vector<IconPlace>& places) {
    std::string text;
    for (const IconPlace& p : places) text += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
    return text;
}

TEST(FitIcons, MovesOnlyIconsOutOfTheAreaIntoFreeCellsColumnByColumn) {
    struct Case {
        const char* name;
        std::vector<IconPlace> positions;
        int width, height;
        std::string expected;
    };
    const Case cases[] = {
        {"all fit", {{0, 0}, {75, 0}, {150, 150}}, 300, 300, "0,0 75,0 150,150 "},
        {"right of the area", {{0, 0}, {0, 75}, {500, 0}}, 300, 300, "0,0 0,75 0,150 "},
        {"below the area, next column", {{0, 0}, {75, 0}, {0, 200}}, 150, 150, "0,0 75,0 0,75 "},
        {"partly out counts as out", {{0, 0}, {250, 0}}, 300, 300, "0,0 0,75 "},
        {"the list view's margin is kept", {{21, 4}, {96, 4}, {900, 4}}, 300, 300, "21,4 96,4 21,79 "},
        {"a full grid: the rest share the last cell", {{0, 0}, {300, 0}, {300, 300}}, 75, 75, "0,0 0,0 0,0 "},
        {"negative positions are out", {{-80, 0}, {0, 0}}, 300, 300, "0,75 0,0 "},
        {"no icons", {}, 300, 300, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Places(FitIcons(c.positions, 75, 75, c.width, c.height)), c.expected) << c.name;
}

}  // namespace
}  // namespace orbilux::standin
