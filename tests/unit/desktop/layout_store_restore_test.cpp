#include <gtest/gtest.h>

#include <algorithm>

#include "desktop/layout_matching.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/layout_printers.h"

namespace orbilux {
namespace {

using test::FakeShellError;
using test::LayoutStoreRig;

struct Spot {
    int32_t x;
    int32_t y;
    bool operator==(const Spot& o) const { return x == o.x && y == o.y; }
};

void PrintTo(const Spot& s, std::ostream* os) { *os << "(" << s.x << "," << s.y << ")"; }

class LayoutStore_Restore : public ::testing::Test {
protected:
    void SetUp() override {
        const wchar_t* names[] = {L"Notes", L"Recycle Bin", L"Mail", L"Notes", L"2024 Report", L""};
        int32_t n = 0;
        for (const wchar_t* name : names) {
            rig.desktop.add(name, 100 * n, 50 * n + 7);
            ++n;
        }
        ASSERT_EQ(rig.store.SaveLayout(L"42", L"d").status, LayoutStatus::Done);
        saved = rig.desktop.items;
    }
    // Moves every icon somewhere else, as arranging a shape would.
    void scramble() {
        for (DesktopItem& item : rig.desktop.items) {
            item.x = -1000 - item.x;
            item.y = -1000 - item.y;
        }
        rig.desktop.positionCalls.clear();
    }
    Spot at(std::size_t index) const { return {rig.desktop.items[index].x, rig.desktop.items[index].y}; }
    static Spot savedSpot(const std::vector<DesktopItem>& items, std::size_t index) {
        return {items[index].x, items[index].y};
    }

    LayoutStoreRig rig;
    std::vector<DesktopItem> saved;
};

TEST_F(LayoutStore_Restore, PutsEveryIconOfAnUnchangedDesktopBack) {
    scramble();
    const LayoutOutcome outcome = rig.store.RestoreLayout(L"42");
    EXPECT_EQ(outcome.status, LayoutStatus::Done);
    EXPECT_EQ(outcome.icons, 6);
    EXPECT_EQ(outcome.desktopItems, 6);
    for (std::size_t i = 0; i < saved.size(); ++i) EXPECT_EQ(at(i), savedSpot(saved, i)) << i;
    EXPECT_EQ(rig.desktop.opened, 2);
    EXPECT_EQ(rig.desktop.closed, 2);
}

TEST_F(LayoutStore_Restore, DoesNotDependOnTheRegistrysEnumerationOrder) {
    // Wine enumerates a key's values sorted by name, not in writing order;
    // with a dozen icons "10..." comes before "2...". Reversed, every value
    // is out of its writing order.
    for (int i = 0; i < 6; ++i) rig.desktop.add(L"More " + std::to_wstring(i), i, i);
    ASSERT_EQ(rig.store.SaveLayout(L"42", L"d").status, LayoutStatus::Done);
    saved = rig.desktop.items;
    auto& values = rig.registry.key(LayoutStoreRig::IconKey(L"42"))->values;
    std::sort(values.begin(), values.end(),
              [](const RegistryValue& a, const RegistryValue& b) { return a.name > b.name; });
    ASSERT_EQ(values.front().name, L"9More 3");
    scramble();
    EXPECT_EQ(rig.store.RestoreLayout(L"42").icons, 12);
    for (std::size_t i = 0; i < saved.size(); ++i) EXPECT_EQ(at(i), savedSpot(saved, i)) << i;
}

TEST_F(LayoutStore_Restore, SkipsForeignValuesWithoutUsingUpAnIcon) {
    test::FakeRegistry::Key* key = rig.registry.key(LayoutStoreRig::IconKey(L"42"));
    std::vector<RegistryValue> values = {
        {L"0Notes", uint32_t(RegistryType::Dword), {1, 0, 0, 0}},
        {L"0Zeta", uint32_t(RegistryType::Binary), {1, 2, 3, 4, 5, 6, 7}},
        {L"1Zeta", uint32_t(RegistryType::String), IconValueData(5, 5)},
    };
    values.insert(values.end(), key->values.begin() + 1, key->values.end());  // the real "0Notes" is gone
    key->values = values;
    rig.desktop.add(L"Zeta", 77, 77);
    scramble();
    const Spot firstNotes = at(0);
    const Spot zeta = at(6);

    EXPECT_EQ(rig.store.RestoreLayout(L"42").icons, 5);
    // Neither the DWORD "0Notes" nor the odd "Zeta" values are positions; the
    // other "Notes" value belongs to the second "Notes" by its exact name.
    EXPECT_EQ(at(0), firstNotes);
    EXPECT_EQ(at(6), zeta);
    for (std::size_t i = 1; i < 6; ++i) EXPECT_EQ(at(i), savedSpot(saved, i)) << i;
}

TEST_F(LayoutStore_Restore, MovesWithAutoArrangeAndPaintingOffAndPutsBothBackAtTheEnd) {
    rig.desktop.autoArrange = true;
    scramble();
    rig.desktop.events.clear();
    rig.store.RestoreLayout(L"42");
    EXPECT_EQ(rig.desktop.events,
              (std::vector<std::string>{"painting off", "auto-arrange off", "move 0", "move 1", "move 2", "move 3",
                                        "move 4", "move 5", "painting on", "repaint", "auto-arrange on"}));
}

TEST_F(LayoutStore_Restore, WithoutAnIconKeyNothingMovesAndTheStyleIsUntouched) {
    rig.desktop.autoArrange = true;
    ASSERT_TRUE(rig.registry.deleteKeyTree(LayoutStoreRig::IconKey(L"42")));
    const LayoutOutcome outcome = rig.store.RestoreLayout(L"42");
    EXPECT_EQ(outcome.status, LayoutStatus::NoSuchLayout);
    EXPECT_TRUE(rig.desktop.events.empty());
    EXPECT_EQ(rig.store.RestoreLayout(L"4").status, LayoutStatus::NoSuchLayout);  // a prefix is no other id
}

TEST_F(LayoutStore_Restore, AShellThatWentAwayWhileNamesWereReadMovesNothing) {
    scramble();
    const std::vector<DesktopItem> before = rig.desktop.items;
    rig.desktop.goneAfterQueries = rig.desktop.queries + 3;
    rig.desktop.events.clear();
    EXPECT_EQ(rig.store.RestoreLayout(L"42").status, LayoutStatus::DesktopChanged);
    EXPECT_TRUE(rig.desktop.events.empty());

    rig.desktop.goneAfterQueries = -1;
    rig.desktop.throwOnQueryOf = 4;
    EXPECT_THROW(rig.store.RestoreLayout(L"42"), FakeShellError);
    EXPECT_TRUE(rig.desktop.positionCalls.empty());
    EXPECT_EQ(rig.desktop.opened, rig.desktop.closed);
}

TEST_F(LayoutStore_Restore, LayoutsTheUserMayReadButNotChangeStillListAndRestore) {
    // Reading needs no write access: keys locked against changes (a policy,
    // a profile copied from elsewhere) must not make the layouts vanish.
    rig.registry.readOnlyKeys = {test::FoldCase(LayoutStoreRig::HeaderKey),
                                 test::FoldCase(LayoutStoreRig::IconKey(L"42"))};
    scramble();
    EXPECT_EQ(rig.store.ListLayoutIds(), std::vector<std::wstring>{L"42"});
    LayoutInfo info;
    EXPECT_TRUE(rig.store.ReadLayoutInfo(L"42", info));
    EXPECT_EQ(info.iconCount, 6);
    EXPECT_EQ(rig.store.RestoreLayout(L"42").status, LayoutStatus::Done);
    for (std::size_t i = 0; i < saved.size(); ++i) EXPECT_EQ(at(i), savedSpot(saved, i)) << i;
    // Changing them is refused, and says so.
    EXPECT_EQ(rig.store.SetLayoutDescription(L"42", L"new").status, LayoutStatus::RegistryFailed);
}

TEST_F(LayoutStore_Restore, WithoutAListViewTellsTheUserAndAsksToQuit) {
    rig.desktop.openResult = DesktopOpenResult::NoListView;
    EXPECT_EQ(rig.store.RestoreLayout(L"42").status, LayoutStatus::NoDesktop);
    EXPECT_EQ(rig.notifier.messages, std::vector<std::wstring>{L"Cannot handle desktop items. You have to restart "
                                                               L"windows in order to make the program working again."});
    EXPECT_EQ(rig.notifier.quitRequests, 1);

    rig.desktop.openResult = DesktopOpenResult::NoProcess;
    EXPECT_EQ(rig.store.RestoreLayout(L"42").status, LayoutStatus::NoShellProcess);
    EXPECT_EQ(rig.notifier.messages.size(), 1u);
    EXPECT_EQ(rig.notifier.quitRequests, 1);
}

}  // namespace
}  // namespace orbilux
