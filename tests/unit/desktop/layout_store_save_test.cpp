#include <gtest/gtest.h>

#include "desktop/desktop_messages.h"
#include "desktop/layout_header.h"
#include "desktop/layout_matching.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/layout_printers.h"

namespace orbilux {
namespace {

using test::FakeShellError;
using test::LayoutStoreRig;

const std::wstring Sep(1, HeaderSeparator);

class LayoutStore_Save : public ::testing::Test {
protected:
    void SetUp() override {
        rig.clock.now = LocalDateTime{2024, 3, 7, 14, 5, 9};
        rig.desktop.add(L"Notes", 10, 20);
        rig.desktop.add(L"Recycle Bin", -5, 300);
        rig.desktop.add(L"\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B", 70000, -70000);
    }
    // The values a save of the current fake desktop must leave in the icon key.
    std::vector<RegistryValue> expectedIconValues() const {
        std::vector<RegistryValue> values;
        for (std::size_t i = 0; i < rig.desktop.items.size(); ++i) {
            const DesktopItem& item = rig.desktop.items[i];
            values.push_back({IconValueName(int32_t(i), item.text), uint32_t(RegistryType::Binary),
                              IconValueData(item.x, item.y)});
        }
        return values;
    }
    LayoutStoreRig rig;
};

bool SameValues(const std::vector<RegistryValue>& a, const std::vector<RegistryValue>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].name != b[i].name || a[i].type != b[i].type || a[i].data != b[i].data) return false;
    return true;
}

TEST_F(LayoutStore_Save, WritesTheHeaderAndOneValuePerItemInItemOrder) {
    rig.desktop.items.resize(2);
    for (int i = 2; i < 23; ++i) rig.desktop.add(L"Item " + std::to_wstring(i), i, -i);
    const LayoutOutcome outcome = rig.store.SaveLayout(L"00412345", L"No description");
    EXPECT_EQ(outcome.status, LayoutStatus::Done);
    EXPECT_EQ(outcome.icons, 23);
    EXPECT_EQ(outcome.desktopItems, 23);
    EXPECT_EQ(rig.header(L"00412345"), L"3/7/2024 02:05:09 PM" + Sep + L"No description" + Sep + L"1280" + Sep +
                                           L"1024" + Sep + L"23" + Sep);
    EXPECT_TRUE(SameValues(rig.iconValues(L"00412345"), expectedIconValues()));
    EXPECT_EQ(rig.desktop.opened, 1);
    EXPECT_EQ(rig.desktop.closed, 1);
    EXPECT_TRUE(rig.notifier.messages.empty());
}

TEST_F(LayoutStore_Save, UsesTheLocaleScreenAndTextsInAnyLanguage) {
    rig.locale.settings = LocaleSettings{L".", L".", L"vorm.", L"nachm.", DateOrder::DayMonthYear};
    rig.screen.size = {1920, 1080};
    rig.clock.now = LocalDateTime{2023, 12, 24, 9, 0, 0};
    const std::wstring description = L"\u6587\u6863 and \u0414\u043E\u043A";
    EXPECT_EQ(rig.store.SaveLayout(L"1", description).status, LayoutStatus::Done);
    EXPECT_EQ(rig.header(L"1"), L"12.24.2023 09.00.00 vorm." + Sep + description + Sep + L"1920" + Sep + L"1080" + Sep +
                                    L"3" + Sep);
    EXPECT_TRUE(SameValues(rig.iconValues(L"1"), expectedIconValues()));
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"1", info));
    EXPECT_EQ(info.description, description);
    EXPECT_EQ(info.savedAt, SavedAtFromDateTime(rig.clock.now).value());
}

TEST_F(LayoutStore_Save, ASeparatorInTheDescriptionCannotShiftTheFields) {
    ASSERT_EQ(rig.store.SaveLayout(L"1", L"half\u00BCscreen").status, LayoutStatus::Done);
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"1", info));
    EXPECT_EQ(info.description, L"half1/4screen");
    EXPECT_EQ(info.screenWidth, 1280);
    EXPECT_EQ(info.screenHeight, 1024);
    EXPECT_EQ(info.iconCount, 3);
}

TEST_F(LayoutStore_Save, ALongDescriptionIsStoredWholeAndReadBackCut) {
    const std::wstring description = std::wstring(250, L'd') + L"and more";
    ASSERT_EQ(rig.store.SaveLayout(L"1", description).status, LayoutStatus::Done);
    std::wstring rest = rig.header(L"1").value();
    TakeHeaderField(rest);
    EXPECT_EQ(TakeHeaderField(rest), description);
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"1", info));
    EXPECT_EQ(info.description, std::wstring(250, L'd'));
}

TEST_F(LayoutStore_Save, SavingUnderAnExistingIdReplacesEverything) {
    ASSERT_EQ(rig.store.SaveLayout(L"7", L"first").status, LayoutStatus::Done);
    rig.desktop.items = {DesktopItem{L"Only", 1, 2}};
    rig.clock.now = LocalDateTime{2025, 1, 2, 3, 4, 5};
    rig.screen.size = {800, 600};
    ASSERT_EQ(rig.store.SaveLayout(L"7", L"second").status, LayoutStatus::Done);
    EXPECT_EQ(rig.header(L"7"), L"1/2/2025 03:04:05 AM" + Sep + L"second" + Sep + L"800" + Sep + L"600" + Sep + L"1" + Sep);
    EXPECT_TRUE(SameValues(rig.iconValues(L"7"), expectedIconValues()));
    EXPECT_EQ(rig.store.ListLayoutIds(), std::vector<std::wstring>{L"7"});
}

struct FailedReadCase {
    const char* name;
    int32_t throwOnQueryOf;
    int32_t goneAfterQueries;
};

class LayoutStore_FailedSave : public LayoutStore_Save, public ::testing::WithParamInterface<FailedReadCase> {};

TEST_P(LayoutStore_FailedSave, LeavesTheLayoutItWasToReplaceUntouched) {
    ASSERT_EQ(rig.store.SaveLayout(L"5", L"keep me").status, LayoutStatus::Done);
    const auto oldHeader = rig.header(L"5");
    const auto oldValues = rig.iconValues(L"5");

    rig.desktop.items = {DesktopItem{L"X", 1, 1}, DesktopItem{L"Y", 2, 2}, DesktopItem{L"Z", 3, 3}};
    rig.desktop.throwOnQueryOf = GetParam().throwOnQueryOf;
    rig.desktop.goneAfterQueries = GetParam().goneAfterQueries;
    rig.clock.now.year = 2030;
    if (GetParam().throwOnQueryOf >= 0) {
        EXPECT_THROW(rig.store.SaveLayout(L"5", L"replacement"), FakeShellError);
    } else {
        const LayoutOutcome outcome = rig.store.SaveLayout(L"5", L"replacement");
        EXPECT_EQ(outcome.status, LayoutStatus::DesktopChanged);
        EXPECT_EQ(outcome.icons, 0);
    }
    EXPECT_EQ(rig.header(L"5"), oldHeader);
    EXPECT_TRUE(SameValues(rig.iconValues(L"5"), oldValues));
    EXPECT_EQ(rig.desktop.opened, rig.desktop.closed);  // the session is released either way
}

INSTANTIATE_TEST_SUITE_P(Shells, LayoutStore_FailedSave,
                         ::testing::Values(FailedReadCase{"ThrowsOnFirst", 0, -1},
                                           FailedReadCase{"ThrowsMidway", 1, -1},
                                           FailedReadCase{"ThrowsOnLast", 2, -1},
                                           FailedReadCase{"GoneAfterTheReads", -1, 3},
                                           FailedReadCase{"GoneMidway", -1, 1}),
                         [](const ::testing::TestParamInfo<FailedReadCase>& p) {
                             return std::string(p.param.name);
                         });

TEST_F(LayoutStore_Save, WithoutAListViewTellsTheUserAsksToQuitAndWritesNothing) {
    rig.desktop.openResult = DesktopOpenResult::NoListView;
    const LayoutOutcome outcome = rig.store.SaveLayout(L"1", L"d");
    EXPECT_EQ(outcome.status, LayoutStatus::NoDesktop);
    EXPECT_EQ(rig.notifier.messages, std::vector<std::wstring>{L"Cannot handle desktop items. You have to restart "
                                                               L"windows in order to make the program working again."});
    EXPECT_EQ(rig.notifier.quitRequests, 1);
    EXPECT_EQ(rig.registry.keyCount(), 0u);
}

TEST_F(LayoutStore_Save, WithoutTheShellsProcessDoesNothingQuietly) {
    rig.desktop.openResult = DesktopOpenResult::NoProcess;
    EXPECT_EQ(rig.store.SaveLayout(L"1", L"d").status, LayoutStatus::NoShellProcess);
    EXPECT_TRUE(rig.notifier.messages.empty());
    EXPECT_EQ(rig.notifier.quitRequests, 0);
    EXPECT_EQ(rig.registry.keyCount(), 0u);
}

TEST_F(LayoutStore_Save, AnUnopenableHeaderKeySkipsTheHeaderButKeepsTheIcons) {
    rig.registry.unopenableKeys.insert(test::FoldCase(LayoutStoreRig::HeaderKey));
    const LayoutOutcome outcome = rig.store.SaveLayout(L"1", L"d");
    EXPECT_EQ(outcome.status, LayoutStatus::RegistryFailed);
    EXPECT_EQ(outcome.icons, 3);
    EXPECT_FALSE(rig.registry.keyExists(LayoutStoreRig::HeaderKey));
    EXPECT_TRUE(SameValues(rig.iconValues(L"1"), expectedIconValues()));
}

TEST_F(LayoutStore_Save, FailedWritesAreReported) {
    rig.registry.failWrites = true;
    const LayoutOutcome outcome = rig.store.SaveLayout(L"1", L"d");
    EXPECT_EQ(outcome.status, LayoutStatus::RegistryFailed);
    EXPECT_EQ(outcome.icons, 0);
    EXPECT_EQ(outcome.desktopItems, 3);
}

TEST_F(LayoutStore_Save, IdsThatWouldReachOtherKeysAreRefused) {
    ASSERT_EQ(rig.store.SaveLayout(L"1", L"other").status, LayoutStatus::Done);
    const std::size_t keysBefore = rig.registry.keyCount();
    // An empty id would make the icon key the parent of every layout's icon
    // key, and deleting it before the rewrite would lose them all.
    for (const std::wstring& id : {std::wstring(), std::wstring(L"a\\b"), std::wstring(L"a\0b", 3)}) {
        EXPECT_EQ(rig.store.SaveLayout(id, L"d").status, LayoutStatus::InvalidId);
        EXPECT_EQ(rig.store.RestoreLayout(id).status, LayoutStatus::InvalidId);
    }
    EXPECT_TRUE(SameValues(rig.iconValues(L"1"), expectedIconValues()));
    EXPECT_EQ(rig.store.ListLayoutIds(), std::vector<std::wstring>{L"1"});
    EXPECT_EQ(rig.registry.keyCount(), keysBefore);
    EXPECT_EQ(rig.desktop.opened, 1);
}

TEST_F(LayoutStore_Save, AnEmptyDesktopSavesAnEmptyLayout) {
    rig.desktop.items.clear();
    const LayoutOutcome outcome = rig.store.SaveLayout(L"1", L"d");
    EXPECT_EQ(outcome.status, LayoutStatus::Done);
    EXPECT_EQ(outcome.icons, 0);
    EXPECT_TRUE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"1")));
    EXPECT_TRUE(rig.iconValues(L"1").empty());
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"1", info));
    EXPECT_EQ(info.iconCount, 0);
}

}  // namespace
}  // namespace orbilux
