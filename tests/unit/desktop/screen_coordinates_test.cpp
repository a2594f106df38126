#include <gtest/gtest.h>

#include <climits>

#include "desktop/screen_coordinates.h"
#include "desktop/shell_desktop_port.h"
#include "tests/support/fake_desktop_session.h"

namespace orbilux {
namespace {

struct OriginCase {
    const char* name;
    ListViewOrigin origin;
    IconTarget screen;
    IconTarget listView;
};

class ShellDesktopPort_Apply : public ::testing::TestWithParam<OriginCase> {};

// The shape engine's targets are in screen coordinates; the list view gets
// them in its own, whatever monitor lies left of or above the primary one.
TEST_P(ShellDesktopPort_Apply, MovesTargetsThroughTheListViewsPlaceOnTheScreen) {
    const OriginCase& c = GetParam();
    test::FakeShellDesktop desktop;
    desktop.add(L"Icon", 5, 5);
    desktop.origin = c.origin;
    test::RecordingNotifier notifier;
    ShellDesktopPort port(desktop, notifier);

    port.ApplyIconTargets({c.screen});

    ASSERT_EQ(desktop.positionCalls.size(), 1u);
    EXPECT_EQ(desktop.positionCalls[0].x, c.listView.x);
    EXPECT_EQ(desktop.positionCalls[0].y, c.listView.y);
    // And back: what the list view holds is where the target was asked for.
    EXPECT_EQ(ListViewToScreen(desktop.items[0].x, c.origin.x), c.screen.x);
    EXPECT_EQ(ListViewToScreen(desktop.items[0].y, c.origin.y), c.screen.y);
}

INSTANTIATE_TEST_SUITE_P(
    Origins, ShellDesktopPort_Apply,
    ::testing::Values(OriginCase{"OneMonitor", {0, 0}, {238, 150, 0}, {238, 150, 0}},
                      OriginCase{"OneMonitorNegativeTarget", {0, 0}, {-40, -7, 0}, {-40, -7, 0}},
                      OriginCase{"MonitorLeft", {-1280, 0}, {238, 150, 0}, {1518, 150, 0}},
                      OriginCase{"MonitorAbove", {0, -1024}, {238, 150, 0}, {238, 1174, 0}},
                      OriginCase{"MonitorLeftAndAbove", {-1920, -1080}, {-5, 10, 0}, {1915, 1090, 0}},
                      OriginCase{"PrimaryNotFirst", {1280, 600}, {238, 150, 0}, {-1042, -450, 0}},
                      OriginCase{"WrapsAtTheEdges", {-1, 1}, {INT32_MAX, INT32_MIN, 0}, {INT32_MIN, INT32_MAX, 0}}),
    [](const ::testing::TestParamInfo<OriginCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace orbilux
