#include <gtest/gtest.h>

#include "desktop/layout_transfer.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/layout_printers.h"

namespace orbilux {
namespace {

// Local time is UTC + 1 hour (a time zone east of Greenwich).
class OneHourEast : public TimeZone {
public:
    std::optional<LocalDateTime> localToUtc(const LocalDateTime& local) override { return shift(local, -1); }
    std::optional<LocalDateTime> utcToLocal(const LocalDateTime& utc) override { return shift(utc, +1); }

private:
    static std::optional<LocalDateTime> shift(const LocalDateTime& when, int hours) {
        const std::optional<double> at = SavedAtFromDateTime(when);
        return at ? DateTimeFromSavedAt(*at + hours / 24.0) : std::nullopt;
    }
};

class LayoutTransfer : public ::testing::Test {
protected:
    LayoutTransferPorts ports() { return {rig.store, rig.registry, zone, rig.locale}; }

    test::LayoutStoreRig rig;
    OneHourEast zone;
};

TEST_F(LayoutTransfer, ExportsTheHeaderAndTheIconsInSavedOrder) {
    rig.clock.now = {2024, 3, 7, 14, 5, 9};
    for (const wchar_t* name :
         {L"Notes", L"1Password", L"Notes", L"Mail", L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"Password"})
        rig.desktop.add(name, int32_t(rig.desktop.items.size()) * 10, -7);
    ASSERT_EQ(rig.store.SaveLayout(L"00000042", L"Desk").status, LayoutStatus::Done);

    const LayoutExport exported = ExportLayout(ports(), L"00000042");
    ASSERT_EQ(exported.status, LayoutStatus::Done);
    EXPECT_EQ(exported.layout.description, L"Desk");
    EXPECT_EQ(exported.layout.savedAtUtc, (LocalDateTime{2024, 3, 7, 13, 5, 9}));
    EXPECT_EQ(exported.layout.screenWidth, 1280);
    EXPECT_EQ(exported.layout.screenHeight, 1024);
    // Item 1 "1Password" and item 11 "Password" both wrote "11Password"; the
    // value holds item 11's position, and reads as item 11.
    std::vector<LayoutFileIcon> expected;
    for (std::size_t i = 0; i < rig.desktop.items.size(); ++i)
        if (i != 1) expected.push_back({rig.desktop.items[i].text, int32_t(i) * 10, -7});
    EXPECT_EQ(exported.layout.icons, expected);

    EXPECT_EQ(ExportLayout(ports(), L"00000043").status, LayoutStatus::NoSuchLayout);
    EXPECT_EQ(ExportLayout(ports(), L"").status, LayoutStatus::InvalidId);
}

TEST_F(LayoutTransfer, ImportsUnderAFreshIdAndRestoresByNameOnAnotherDesktop) {
    LayoutFile file;
    file.description = L"From the old PC";
    file.savedAtUtc = {2024, 12, 31, 23, 30, 0};
    file.screenWidth = 1920;
    file.screenHeight = 1080;
    file.icons = {{L"Notes", 1, 2}, {L"Mail", 3, 4}, {L"Notes", 5, 6}};

    // The first id the clock gives is taken: the import must not replace it.
    rig.desktop.add(L"Other", 0, 0);
    const std::wstring taken = rig.store.NewLayoutId();
    ASSERT_EQ(rig.store.SaveLayout(taken, L"mine").status, LayoutStatus::Done);

    const LayoutImport imported = ImportLayout(ports(), file);
    ASSERT_EQ(imported.status, LayoutStatus::Done);
    EXPECT_NE(imported.id, taken);
    EXPECT_EQ(imported.id.size(), 8u);
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(imported.id, info));
    EXPECT_EQ(info.description, L"From the old PC");
    EXPECT_EQ(DateTimeFromSavedAt(info.savedAt), (LocalDateTime{2025, 1, 1, 0, 30, 0}));
    EXPECT_EQ(info.screenWidth, 1920);
    EXPECT_EQ(info.iconCount, 3);
    EXPECT_EQ(ImportLayout(ports(), file, std::wstring(L"Renamed")).id.size(), 8u);

    // The same icons in another order, and one more.
    rig.desktop.items = {{L"Mail", 0, 0}, {L"Notes", 0, 0}, {L"New", 9, 9}, {L"Notes", 0, 0}};
    ASSERT_EQ(rig.store.RestoreLayout(imported.id).status, LayoutStatus::Done);
    const std::vector<std::pair<int32_t, int32_t>> expected = {{3, 4}, {1, 2}, {9, 9}, {5, 6}};
    std::vector<std::pair<int32_t, int32_t>> now;
    for (const DesktopItem& item : rig.desktop.items) now.push_back({item.x, item.y});
    EXPECT_EQ(now, expected);

    // Exporting what was imported gives the file back.
    const LayoutExport again = ExportLayout(ports(), imported.id);
    EXPECT_TRUE(again.layout == file);
}

TEST_F(LayoutTransfer, AFailedImportLeavesNothingBehind) {
    LayoutFile file;
    file.icons = {{L"Notes", 1, 2}};
    rig.registry.unopenableKeys.insert(L"software\\orbilux\\saves");
    const LayoutImport imported = ImportLayout(ports(), file);
    EXPECT_EQ(imported.status, LayoutStatus::RegistryFailed);
    EXPECT_FALSE(rig.registry.keyExists(L"Software\\Orbilux\\Icons\\" + rig.store.NewLayoutId()));
}

}  // namespace
}  // namespace orbilux
