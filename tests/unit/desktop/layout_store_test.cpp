#include <gtest/gtest.h>

#include <array>
#include <set>

#include "desktop/layout_header.h"
#include "desktop/layout_id.h"
#include "tests/support/fake_layout_ports.h"
#include "tests/support/layout_printers.h"

namespace orbilux {
namespace {

using test::LayoutStoreRig;

const std::wstring Sep(1, HeaderSeparator);

std::wstring Header(const std::wstring& date, const std::wstring& description = L"d") {
    return date + Sep + description + Sep + L"1280" + Sep + L"1024" + Sep + L"23" + Sep;
}

void PutBinaryHeader(LayoutStoreRig& rig, const std::wstring& id) {
    rig.registry.put(LayoutStoreRig::HeaderKey, id, uint32_t(RegistryType::Binary), {1, 2, 3});
}

TEST(LayoutStore_List, IsEmptyWithoutAHeaderKey) {
    LayoutStoreRig rig;
    EXPECT_TRUE(rig.store.ListLayoutIds().empty());
    EXPECT_FALSE(rig.registry.keyExists(LayoutStoreRig::HeaderKey));  // listing creates nothing
}

TEST(LayoutStore_List, GivesTheValueNamesInEnumerationOrder) {
    LayoutStoreRig rig;
    for (const wchar_t* id : {L"5a", L"1b", L"3c", L"10d"}) rig.registry.putString(LayoutStoreRig::HeaderKey, id, L"x");
    PutBinaryHeader(rig, L"2e");
    EXPECT_EQ(rig.store.ListLayoutIds(), (std::vector<std::wstring>{L"5a", L"1b", L"3c", L"10d", L"2e"}));
}

TEST(LayoutStore_Read, LeavesTheRecordUntouchedWhenThereIsNoSuchHeader) {
    LayoutStoreRig rig;
    LayoutInfo info;
    info.id = L"sentinel";
    info.savedAt = 9.5;
    const LayoutInfo before = info;
    EXPECT_FALSE(rig.store.ReadLayoutInfo(L"1", info));  // no header key
    rig.registry.putString(LayoutStoreRig::HeaderKey, L"2", Header(L"3/7/2024 02:05:09 PM"));
    EXPECT_FALSE(rig.store.ReadLayoutInfo(L"1", info));  // no such value
    EXPECT_FALSE(rig.store.ReadLayoutInfo(L"", info));   // the key's default value is no layout
    EXPECT_EQ(info, before);
}

TEST(LayoutStore_Read, AHeaderThatIsNotTextIsNotLoadedProperly) {
    LayoutStoreRig rig;
    PutBinaryHeader(rig, L"123456789");
    LayoutInfo info;
    info.savedAt = 7.0;
    info.iconCount = 4;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"123456789", info));
    EXPECT_EQ(info.id, L"123456789");
    EXPECT_EQ(info.description, L"Not_loaded_properly");
    EXPECT_EQ(info.savedAt, 0.0);
    EXPECT_EQ(info.screenWidth, 0);
    EXPECT_EQ(info.screenHeight, 0);
    EXPECT_EQ(info.iconCount, 0);
}

TEST(LayoutStore_Read, ALongNameIsKeptWholeAndNamesItsLayoutAgain) {
    LayoutStoreRig rig;
    rig.registry.putString(LayoutStoreRig::HeaderKey, L"1234567890", Header(L"3/7/2024 02:05:09 PM"));
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"1234567890", info));
    EXPECT_EQ(info.id, L"1234567890");
    EXPECT_EQ(info.iconCount, 23);
    EXPECT_EQ(rig.store.SetLayoutDescription(info.id, L"x").status, LayoutStatus::Done);
}

TEST(LayoutStore_Read, ReadsTheDateWithTheUsersCurrentSeparators) {
    LayoutStoreRig rig;
    rig.registry.putString(LayoutStoreRig::HeaderKey, L"1", Header(L"3.7.2024 02:05:09 PM"));
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"1", info));
    EXPECT_EQ(info.savedAt, 0.0);  // "." is not this locale's separator
    rig.locale.settings.dateSeparator = L".";
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"1", info));
    EXPECT_EQ(SavedAtToIso8601(info.savedAt), "2024-03-07T14:05:09");
}

struct StoredHeader {
    std::wstring id;
    std::optional<std::wstring> text;  // nullopt: a binary value
};

struct NewestCase {
    const char* name;
    std::vector<StoredHeader> headers;
    std::wstring newest;  // empty: none
};

class LayoutStore_Newest : public ::testing::TestWithParam<NewestCase> {};

TEST_P(LayoutStore_Newest, IsTheLatestDateStrictlyAfterZero) {
    LayoutStoreRig rig;
    for (const StoredHeader& h : GetParam().headers) {
        if (h.text)
            rig.registry.putString(LayoutStoreRig::HeaderKey, h.id, *h.text);
        else
            PutBinaryHeader(rig, h.id);
    }
    LayoutInfo newest;
    newest.id = L"stale";
    newest.description = L"untouched";
    const bool found = rig.store.FindNewestLayout(newest);
    EXPECT_EQ(newest.id, GetParam().newest);
    EXPECT_EQ(found, !GetParam().newest.empty());
    if (found) {
        LayoutInfo direct;
        ASSERT_TRUE(rig.store.ReadLayoutInfo(newest.id, direct));
        EXPECT_EQ(newest, direct);
    } else {
        EXPECT_EQ(newest.description, L"untouched");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Headers, LayoutStore_Newest,
    ::testing::Values(
        NewestCase{"NoHeaders", {}, L""},
        NewestCase{"One", {{L"11111111", Header(L"3/7/2024 02:05:09 PM")}}, L"11111111"},
        NewestCase{"LatestInTheMiddle",
                   {{L"1", Header(L"3/7/2024 02:05:09 PM")},
                    {L"2", Header(L"3/7/2024 02:05:10 PM")},
                    {L"3", Header(L"3/7/2024 02:05:09 AM")}},
                   L"2"},
        NewestCase{"TiesGoToTheFirstListed",
                   {{L"b", Header(L"1/1/2020 12:00:00 AM")},
                    {L"a", Header(L"1/1/2020 12:00:00 AM", L"other")},
                    {L"c", Header(L"12/31/2019 11:59:59 PM")}},
                   L"b"},
        NewestCase{"NotTextIsNeverNewest", {{L"1", std::nullopt}, {L"2", Header(L"1/1/1900 12:00:00 AM")}}, L"2"},
        NewestCase{"OnlyUnreadable", {{L"1", std::nullopt}, {L"2", Header(L"not a date")}}, L""},
        NewestCase{"DatesBeforeTheEpochNeverCount", {{L"1", Header(L"12/29/1899 06:00:00 AM")}}, L""},
        NewestCase{"UnparsableDatesCountAsZero",
                   {{L"1", Header(L"31/12/2024 01:00:00 AM")}, {L"2", Header(L"1/2/2000 01:00:00 AM")}},
                   L"2"},
        NewestCase{"PmIsLaterThanAm",
                   {{L"1", Header(L"3/7/2024 11:00:00 PM")}, {L"2", Header(L"3/7/2024 12:00:00 PM")}},
                   L"1"}),
    [](const ::testing::TestParamInfo<NewestCase>& p) { return std::string(p.param.name); });

TEST(LayoutStore_Newest, StaysRightOnADayFirstLocale) {
    LayoutStoreRig rig;
    rig.locale.settings = LocaleSettings{L".", L":", L"AM", L"PM", DateOrder::DayMonthYear};
    rig.desktop.add(L"Notes", 1, 1);
    // 3 February is later than 12 January; read day first, "2.3" and
    // "1.12" would be 2 March and 1 December and the older one would win.
    rig.clock.now = LocalDateTime{2024, 2, 3, 10, 0, 0};
    rig.store.SaveLayout(L"feb", L"d");
    rig.clock.now = LocalDateTime{2024, 1, 12, 10, 0, 0};
    rig.store.SaveLayout(L"jan", L"d");
    rig.clock.now = LocalDateTime{2024, 1, 13, 10, 0, 0};
    rig.store.SaveLayout(L"jan13", L"d");  // a day above 12 must still read
    LayoutInfo newest;
    ASSERT_TRUE(rig.store.FindNewestLayout(newest));
    EXPECT_EQ(newest.id, L"feb");
    LayoutInfo jan13;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"jan13", jan13));
    EXPECT_EQ(SavedAtToIso8601(jan13.savedAt), "2024-01-13T10:00:00");
}

class LayoutStore_Delete : public ::testing::Test {
protected:
    void SetUp() override {
        rig.desktop.add(L"Notes", 1, 1);
        ASSERT_EQ(rig.store.SaveLayout(L"1", L"one").status, LayoutStatus::Done);
        ASSERT_EQ(rig.store.SaveLayout(L"2", L"two").status, LayoutStatus::Done);
    }
    LayoutStoreRig rig;
};

TEST_F(LayoutStore_Delete, RemovesTheHeaderAndTheIconKeyOnly) {
    EXPECT_EQ(rig.store.DeleteLayout(L"1").status, LayoutStatus::Done);
    EXPECT_EQ(rig.store.ListLayoutIds(), std::vector<std::wstring>{L"2"});
    EXPECT_FALSE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"1")));
    EXPECT_TRUE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"2")));
    EXPECT_EQ(rig.store.DeleteLayout(L"1").status, LayoutStatus::NoSuchLayout);
}

TEST_F(LayoutStore_Delete, RemovesWhicheverHalfIsThere) {
    ASSERT_TRUE(rig.registry.deleteKeyTree(LayoutStoreRig::IconKey(L"1")));
    EXPECT_EQ(rig.store.DeleteLayout(L"1").status, LayoutStatus::Done);
    EXPECT_FALSE(rig.header(L"1").has_value());

    rig.registry.key(LayoutStoreRig::HeaderKey)->values.clear();
    EXPECT_EQ(rig.store.DeleteLayout(L"2").status, LayoutStatus::Done);
    EXPECT_FALSE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"2")));
}

TEST_F(LayoutStore_Delete, ReportsWhatCouldNotBeDeleted) {
    rig.registry.failDeletes = true;
    EXPECT_EQ(rig.store.DeleteLayout(L"1").status, LayoutStatus::RegistryFailed);
    EXPECT_FALSE(rig.header(L"1").has_value());
    rig.registry.failWrites = true;
    EXPECT_EQ(rig.store.DeleteLayout(L"2").status, LayoutStatus::RegistryFailed);
    EXPECT_TRUE(rig.header(L"2").has_value());
    rig.registry.unopenableKeys.insert(test::FoldCase(LayoutStoreRig::HeaderKey));
    EXPECT_EQ(rig.store.DeleteLayout(L"2").status, LayoutStatus::RegistryFailed);
    EXPECT_TRUE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"2")));  // nothing at all when the header key fails
}

TEST_F(LayoutStore_Delete, NeverReachesBeyondTheLayoutsOwnKey) {
    EXPECT_EQ(rig.store.DeleteLayout(L"").status, LayoutStatus::InvalidId);
    rig.registry.ensureKey(LayoutStoreRig::IconKey(L"a\\b"));
    rig.registry.putString(LayoutStoreRig::HeaderKey, L"a\\b", Header(L"x"));
    EXPECT_EQ(rig.store.DeleteLayout(L"a\\b").status, LayoutStatus::Done);  // the foreign header goes
    EXPECT_FALSE(rig.header(L"a\\b").has_value());
    EXPECT_TRUE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"a\\b")));
    EXPECT_TRUE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"1")));
    EXPECT_TRUE(rig.registry.keyExists(LayoutStoreRig::IconKey(L"2")));
}

TEST(LayoutStore_Describe, KeepsEveryOtherCharacter) {
    LayoutStoreRig rig;
    const std::wstring before = L"3/7/2024 02:05:09 PM" + Sep + L"old" + Sep + L" 1280" + Sep + L"1024 " + Sep + L"23";
    rig.registry.putString(LayoutStoreRig::HeaderKey, L"9", before);
    EXPECT_EQ(rig.store.SetLayoutDescription(L"9", L"A new \u00BC text").status, LayoutStatus::Done);
    EXPECT_EQ(rig.header(L"9"),
              L"3/7/2024 02:05:09 PM" + Sep + L"A new 1/4 text" + Sep + L" 1280" + Sep + L"1024 " + Sep + L"23");
}

TEST(LayoutStore_Describe, ChangesOnlyTheDescriptionOfASavedLayout) {
    LayoutStoreRig rig;
    rig.desktop.add(L"Notes", 1, 1);
    rig.store.SaveLayout(L"9", L"No description");
    LayoutInfo before;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"9", before));
    rig.clock.now.year = 2031;  // describing is no new save
    ASSERT_EQ(rig.store.SetLayoutDescription(L"9", L"").status, LayoutStatus::Done);
    LayoutInfo after;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(L"9", after));
    before.description.clear();
    EXPECT_EQ(after, before);
}

TEST(LayoutStore_Describe, ReportsWhyNothingChanged) {
    LayoutStoreRig rig;
    EXPECT_EQ(rig.store.SetLayoutDescription(L"1", L"x").status, LayoutStatus::NoSuchLayout);
    PutBinaryHeader(rig, L"1");
    EXPECT_EQ(rig.store.SetLayoutDescription(L"1", L"x").status, LayoutStatus::HeaderUnreadable);
    EXPECT_EQ(rig.registry.key(LayoutStoreRig::HeaderKey)->values[0].type, uint32_t(RegistryType::Binary));
    rig.registry.putString(LayoutStoreRig::HeaderKey, L"2", Header(L"t"));
    rig.registry.failWrites = true;
    EXPECT_EQ(rig.store.SetLayoutDescription(L"2", L"x").status, LayoutStatus::RegistryFailed);
    EXPECT_EQ(rig.header(L"2"), Header(L"t"));
    EXPECT_EQ(rig.store.SetLayoutDescription(L"", L"x").status, LayoutStatus::InvalidId);
}

TEST(LayoutStore_NewId, IsEightDigitsReseededFromTheClockEveryCall) {
    LayoutStoreRig rig;
    rig.ticks.next = {1000, 1000, 1001, 0xFFFFFFFFFFFFFFFFull};
    const std::wstring a = rig.store.NewLayoutId();
    const std::wstring b = rig.store.NewLayoutId();
    const std::wstring c = rig.store.NewLayoutId();
    const std::wstring d = rig.store.NewLayoutId();
    for (const std::wstring& id : {a, b, c, d}) {
        ASSERT_EQ(id.size(), 8u);
        for (const wchar_t digit : id) EXPECT_TRUE(digit >= L'0' && digit <= L'9');
    }
    EXPECT_EQ(a, b);  // the same clock reading gives the same id
    EXPECT_NE(b, c);
    EXPECT_EQ(a, LayoutIdFromSeed(1000));
    EXPECT_EQ(d, LayoutIdFromSeed(0xFFFFFFFFFFFFFFFFull));
}

TEST(LayoutStore_NewId, EveryDigitIsEquallyLikelyInEveryPlace) {
    // 4000 fixed seeds, so the outcome is the same on every run. Chi-square
    // with 9 degrees of freedom: 27.9 is exceeded by chance once in 1000.
    constexpr int Seeds = 4000;
    std::array<std::array<int, 10>, 8> counts{};
    std::set<std::wstring> distinct;
    for (uint64_t seed = 0; seed < Seeds; ++seed) {
        const std::wstring id = LayoutIdFromSeed(seed * 7919);
        distinct.insert(id);
        for (std::size_t place = 0; place < 8; ++place) ++counts[place][std::size_t(id[place] - L'0')];
    }
    for (std::size_t place = 0; place < 8; ++place) {
        double chiSquare = 0;
        for (const int n : counts[place]) chiSquare += (n - Seeds / 10.0) * (n - Seeds / 10.0) / (Seeds / 10.0);
        EXPECT_LT(chiSquare, 27.9) << "place " << place;
    }
    EXPECT_GT(distinct.size(), std::size_t(Seeds - 10));
}

}  // namespace
}  // namespace orbilux
