#include <gtest/gtest.h>

#include "tests/support/main_window_fakes.h"
#include "ui/main/window_placement.h"

namespace orbilux::ui {
namespace {

TEST(PlaceMainWindow, StoredCornerOrTheFallback) {
    // Work area 1920 x 1040 (taskbar at the bottom), window 600 x 510.
    struct Case {
        const char* what;
        int32_t left, top;
        Point expected;
    };
    const Point corner{1320, 530};
    const Case cases[] = {
        {"nothing stored", -1, 0, corner},
        {"left of -1 means nothing stored", -1, 200, corner},
        {"top at the work area's height", 100, 1040, corner},
        {"top beyond it", 100, 5000, corner},
        {"top just above it", 100, 1039, {100, 1039}},
        {"other negative lefts are used", -250, 40, {-250, 40}},
        {"a negative top is used", 100, -40, {100, -40}},
        {"on no monitor (unplugged)", 2600, 100, corner},
    };
    test::FakeScreenInfo screen;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlaceMainWindow(c.left, c.top, {600, 510}, screen.area, screen), c.expected);
    }
}

TEST(PlaceMainWindow, TheFallbackIgnoresWhereTheWorkAreaStarts) {
    // Taskbar at the top: the window ends short of the corner by its height.
    test::FakeScreenInfo screen;
    screen.area = {0, 40, 1920, 1080};
    EXPECT_EQ(PlaceMainWindow(-1, 0, {600, 510}, screen.area, screen), (Point{1320, 530}));
}

TEST(SnapToEdges, EdgesWithinTheDistanceMeetTheWorkArea) {
    const Rect area{0, 0, 1920, 1040};
    struct Case {
        Rect window;
        Rect expected;
    };
    const Case cases[] = {
        {{15, 300, 615, 810}, {0, 300, 600, 810}},                 // left edge 15 px away
        {{21, 300, 621, 810}, {21, 300, 621, 810}},                // 21 px: no snap
        {{1310, 300, 1910, 810}, {1320, 300, 1920, 810}},          // right edge
        {{-12, 1040 - 510 + 18, 588, 1058}, {0, 530, 600, 1040}},  // beyond the edges too
        {{500, 5, 1100, 515}, {500, 0, 1100, 510}},                // top
    };
    for (const Case& c : cases) EXPECT_EQ(SnapToEdges(c.window, area, 20), c.expected);
}

}  // namespace
}  // namespace orbilux::ui
