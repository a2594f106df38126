#include <gtest/gtest.h>

#include "desktop/icon_moves.h"
#include "tests/support/fake_desktop_session.h"

namespace orbilux {
namespace {

using Events = std::vector<std::string>;

struct MoveCase {
    const char* name;
    bool autoArrange;
    AutoArrangeBack when;
    int throwOnMove;  // of three moves
    Events expected;
};

class MoveIcons_Sequence : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveIcons_Sequence, AFailedMovePutsPaintingAndAutoArrangeBack) {
    const MoveCase& c = GetParam();
    test::FakeShellDesktop desktop;
    for (int i = 0; i < 3; ++i) desktop.add(L"Icon", 0, 0);
    desktop.autoArrange = c.autoArrange;
    desktop.throwOnPositionCall = c.throwOnMove;
    const IconTargets targets = {{0, 20, 0}, {10, 20, 1}, {20, 20, 2}};

    DesktopOpenResult result = DesktopOpenResult::NoListView;
    auto session = desktop.open(result, DesktopUse::ItemsAndPositions);
    EXPECT_THROW(MoveIcons(*session, targets, c.when), test::FakeShellError);

    EXPECT_EQ(desktop.events, c.expected);
    EXPECT_EQ(desktop.autoArrange, c.autoArrange);
    EXPECT_TRUE(desktop.painting);
}

// The sequences of a good run are checked against the real list view under
// Wine and through the layout store; these are the ways out of a failure.
INSTANTIATE_TEST_SUITE_P(
    Failures, MoveIcons_Sequence,
    ::testing::Values(
        MoveCase{"PlacementFailingMidway",
                 true,
                 AutoArrangeBack::AfterEveryMove,
                 1,
                 {"painting off", "auto-arrange off", "move 0", "auto-arrange on", "painting on", "repaint"}},
        MoveCase{"RestoreFailingMidway",
                 true,
                 AutoArrangeBack::AtTheEnd,
                 1,
                 {"painting off", "auto-arrange off", "move 0", "painting on", "repaint", "auto-arrange on"}},
        MoveCase{
            "FailingAtTheFirstMove", false, AutoArrangeBack::AtTheEnd, 0, {"painting off", "painting on", "repaint"}}),
    [](const auto& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace orbilux
