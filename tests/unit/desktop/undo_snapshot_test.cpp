#include <gtest/gtest.h>

#include "desktop/undo_snapshot.h"
#include "tests/support/fake_layout_ports.h"

namespace orbilux {
namespace {

class UndoSnapshotTest : public ::testing::Test {
protected:
    UndoSnapshotTest() {
        for (int i = 0; i < 3; ++i) rig.desktop.add(L"Icon " + std::to_wstring(i), 10 * i, 20);
        actions.addObserver(undo);
        undo.setChangedListener([this] { ++changes; });
    }
    // Every icon moved, as one action of that kind.
    void moveAll(int32_t x, IconActionKind kind = IconActionKind::ShapeLoad) {
        ScopedIconAction action(actions, kind);
        for (DesktopItem& item : rig.desktop.items) item.x = x;
    }
    std::vector<int32_t> xs() const {
        std::vector<int32_t> all;
        for (const DesktopItem& item : rig.desktop.items) all.push_back(item.x);
        return all;
    }

    test::LayoutStoreRig rig;
    IconActions actions;
    UndoSnapshot undo{rig.store};
    int changes = 0;
};

TEST_F(UndoSnapshotTest, KeepsOneLayoutReplacedByEveryActionButNotByAdjustments) {
    EXPECT_FALSE(undo.available());
    EXPECT_EQ(undo.undo(actions).status, LayoutStatus::NoSuchLayout);
    moveAll(500);
    const std::wstring id = undo.snapshotId();
    ASSERT_EQ(id.size(), 8u);
    moveAll(600, IconActionKind::Restore);
    EXPECT_EQ(undo.snapshotId(), id);
    EXPECT_EQ(rig.store.ListLayoutIds(), std::vector<std::wstring>{id});
    EXPECT_EQ(changes, 2);

    // A held button's ticks are one action; adjusting the loaded shape
    // keeps the place the icons had before it was loaded.
    actions.begin(IconActionKind::ShapeAdjust);
    for (int tick = 0; tick < 5; ++tick) moveAll(700 + tick, IconActionKind::ShapeAdjust);
    actions.end();
    moveAll(800, IconActionKind::ShapeAdjust);
    EXPECT_EQ(changes, 2);
    ASSERT_EQ(undo.undo(actions).status, LayoutStatus::Done);
    EXPECT_EQ(xs(), (std::vector<int32_t>{500, 500, 500}));
}

TEST_F(UndoSnapshotTest, ASecondUndoIsARedo) {
    moveAll(500);
    ASSERT_EQ(undo.undo(actions).status, LayoutStatus::Done);
    EXPECT_EQ(xs(), (std::vector<int32_t>{0, 10, 20}));
    ASSERT_EQ(undo.undo(actions).status, LayoutStatus::Done);
    EXPECT_EQ(xs(), (std::vector<int32_t>{500, 500, 500}));
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(undo.snapshotId(), info));
    EXPECT_EQ(info.description, L"Before the last change");
    EXPECT_EQ(rig.store.ListLayoutIds().size(), 1u);
    // It is never the newest layout, which is the user's own.
    EXPECT_FALSE(rig.store.FindNewestLayout(info));
}

TEST_F(UndoSnapshotTest, ADesktopThatCantBeReadLeavesTheSnapshotAlone) {
    moveAll(500);
    rig.desktop.openResult = DesktopOpenResult::NoListView;
    moveAll(600);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(rig.notifier.messages.empty());
}

}  // namespace
}  // namespace orbilux
