#include <gtest/gtest.h>

#include <functional>

#include "tests/support/automatic_layouts_rig.h"

namespace orbilux {
namespace {

using test::AutomaticLayoutsRig;

class AutomaticLayouts_Refresh : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 12; ++i) rig.desktop.add(L"Icon " + std::to_wstring(i), 0, 0);
        rig.placeIcons(10);
    }
    std::wstring description(const std::wstring& id) {
        LayoutInfo info;
        rig.store.ReadLayoutInfo(id, info);
        return info.description;
    }
    AutomaticLayoutsRig rig;
};

TEST_F(AutomaticLayouts_Refresh, KeepsOneLayoutPerScreenSizeRewrittenInPlace) {
    EXPECT_EQ(rig.automatic.refresh(), AutomaticRefresh::Written);
    const std::wstring small = rig.automatic.existingId({1280, 1024});
    ASSERT_FALSE(small.empty());
    EXPECT_EQ(description(small), L"Automatic: 1280 x 1024");

    rig.desktop.items[3].x += 1;
    EXPECT_EQ(rig.automatic.refresh(), AutomaticRefresh::Written);
    EXPECT_EQ(rig.automatic.existingId({1280, 1024}), small);
    EXPECT_EQ(rig.store.ListLayoutIds().size(), 1u);

    rig.setScreen(1920, 1080);
    EXPECT_EQ(rig.automatic.refresh(), AutomaticRefresh::Written);
    const std::wstring large = rig.automatic.existingId({1920, 1080});
    EXPECT_NE(large, small);
    EXPECT_EQ(description(large), L"Automatic: 1920 x 1080");
    EXPECT_EQ(rig.store.ListLayoutIds().size(), 2u);
}

TEST_F(AutomaticLayouts_Refresh, WritesNothingWhenNoIconMovedInThisRunOrSinceTheLastRun) {
    ASSERT_EQ(rig.automatic.refresh(), AutomaticRefresh::Written);
    const int changes = rig.registry.changes();
    EXPECT_EQ(rig.automatic.refresh(), AutomaticRefresh::Unchanged);
    EXPECT_EQ(rig.registry.changes(), changes);

    // The next run knows only what the registry holds.
    AutomaticLayouts nextRun(rig.store);
    EXPECT_EQ(nextRun.refresh(), AutomaticRefresh::Unchanged);
    EXPECT_EQ(rig.registry.changes(), changes);
    rig.desktop.items[0].y -= 1;
    EXPECT_EQ(nextRun.refresh(), AutomaticRefresh::Written);
}

TEST_F(AutomaticLayouts_Refresh, LeavesTheUsersLayoutsAndDescriptionsAlone) {
    // The user's layout gets the id the automatic one draws first.
    rig.ticks.next = {11, 11, 22};
    const std::wstring mine = rig.store.NewLayoutId();
    rig.store.SaveLayout(mine, L"Mine");

    rig.tick();
    ASSERT_EQ(rig.automatic.refresh(), AutomaticRefresh::Written);
    const std::wstring automatic = rig.automatic.existingId({1280, 1024});
    EXPECT_NE(automatic, mine);
    EXPECT_EQ(description(mine), L"Mine");
    // Written later, but the user's own layout stays the one "Restore
    // layout" puts back.
    LayoutInfo newest;
    ASSERT_TRUE(rig.store.FindNewestLayout(newest));
    EXPECT_EQ(newest.id, mine);

    // A name the user gave the automatic layout stays through its refreshes.
    rig.store.SetLayoutDescription(automatic, L"Docked");
    rig.desktop.items[1].x += 5;
    ASSERT_EQ(rig.automatic.refresh(), AutomaticRefresh::Written);
    EXPECT_EQ(description(automatic), L"Docked");
    EXPECT_EQ(rig.automatic.existingId({1280, 1024}), automatic);
}

// The layout a display change restores on a screen of 1280 x 1024.
struct ChoiceCase {
    const char* name;
    std::function<void(AutomaticLayoutsRig&)> arrange;
    const wchar_t* expectedDescription;  // nullptr: none
};

class AutomaticLayouts_LayoutFor : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(AutomaticLayouts_LayoutFor, PrefersTheAutomaticThenTheNewestAtThatSize) {
    AutomaticLayoutsRig rig;
    rig.desktop.add(L"Icon", 1, 2);
    GetParam().arrange(rig);
    const std::wstring id = rig.automatic.layoutFor({1280, 1024});
    if (!GetParam().expectedDescription) {
        EXPECT_TRUE(id.empty()) << std::string(id.begin(), id.end());
        return;
    }
    LayoutInfo info;
    ASSERT_TRUE(rig.store.ReadLayoutInfo(id, info));
    EXPECT_EQ(info.description, GetParam().expectedDescription);
}

void Save(AutomaticLayoutsRig& rig, const wchar_t* description, int32_t width, int32_t height) {
    rig.tick();
    rig.setScreen(width, height);
    rig.store.SaveLayout(rig.store.NewLayoutId(), description);
}
void Refresh(AutomaticLayoutsRig& rig, int32_t width, int32_t height) {
    rig.tick();
    rig.setScreen(width, height);
    rig.automatic.refresh();
}

INSTANTIATE_TEST_SUITE_P(
    Choices, AutomaticLayouts_LayoutFor,
    ::testing::Values(ChoiceCase{"AutomaticBeforeANewerOne",
                                 [](AutomaticLayoutsRig& r) {
                                     Refresh(r, 1280, 1024);
                                     Save(r, L"newer", 1280, 1024);
                                 },
                                 L"Automatic: 1280 x 1024"},
                      ChoiceCase{"NewestAtThatSize",
                                 [](AutomaticLayoutsRig& r) {
                                     Save(r, L"older", 1280, 1024);
                                     Save(r, L"newer", 1280, 1024);
                                     Refresh(r, 1920, 1080);
                                     Save(r, L"newest elsewhere", 1920, 1080);
                                 },
                                 L"newer"},
                      ChoiceCase{"AutomaticDeletedByTheUser",
                                 [](AutomaticLayoutsRig& r) {
                                     Save(r, L"older", 1280, 1024);
                                     Refresh(r, 1280, 1024);
                                     r.store.DeleteLayout(r.automatic.existingId({1280, 1024}));
                                 },
                                 L"older"},
                      ChoiceCase{"NoneAtThatSize", [](AutomaticLayoutsRig& r) { Save(r, L"other", 1024, 768); },
                                 nullptr}),
    [](const ::testing::TestParamInfo<ChoiceCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace orbilux
