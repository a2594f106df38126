// The layout store's Win32 ports, and the store itself on Wine's real
// registry (which enumerates values sorted by name, not in writing order).
// The desktop is still the in-memory one here.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "desktop/layout_store.h"
#include "desktop/win32/layout_ports_win32.h"
#include "platform/win32/registry_win32.h"
#include "tests/support/fake_desktop_session.h"
#include "tests/wine/wine_test_support.h"

namespace orbilux {
namespace {

TEST(LayoutPortsWine, TheUsersLocaleWritesDatesThatReadBack) {
    const LocaleSettings locale = win32::Win32LocaleSource().userLocale();
    const LocalDateTime now = win32::Win32Clock().localNow();
    ASSERT_TRUE(IsValidDateTime(now));
    EXPECT_EQ(ParseSavedAtText(FormatSavedAtText(now, locale), locale), now);

    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    ASSERT_GT(GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH), 0);
    if (std::wstring(name) == L"en-US") {
        EXPECT_EQ(locale.dateSeparator, L"/");
        EXPECT_EQ(locale.timeSeparator, L":");
        EXPECT_EQ(locale.amDesignator, L"AM");
        EXPECT_EQ(locale.pmDesignator, L"PM");
        EXPECT_EQ(locale.shortDateOrder, DateOrder::MonthDayYear);
    }
}

TEST(LayoutPortsWine, ScreenSizeAndTicks) {
    const ScreenSize size = win32::Win32ScreenMetrics().primaryScreenSize();
    EXPECT_GT(size.width, 0);
    EXPECT_GT(size.height, 0);
    win32::Win32TickSource ticks;
    const uint64_t first = ticks.highResolutionTicks();
    Sleep(2);
    EXPECT_GT(ticks.highResolutionTicks(), first);
}

class LayoutStoreWine : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 12; ++i) desktop.add(L"Icon " + std::to_wstring(i), 10 * i, -20 * i);
        desktop.add(L"\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B \u6587\u6863", 7, 8);
    }
    void TearDown() override { registry.deleteKeyTree(root); }

    win32::Win32Registry registry;
    test::FakeShellDesktop desktop;
    test::RecordingNotifier notifier;
    win32::Win32Clock clock;
    win32::Win32LocaleSource locale;
    win32::Win32ScreenMetrics screen;
    win32::Win32TickSource ticks;
    std::wstring root = wine_test::ScratchRegistryPath(L"layouts");
    LayoutStore store{LayoutStorePorts{registry, desktop, notifier, clock, locale, screen, ticks}, root};
};

TEST_F(LayoutStoreWine, SavesListsRestoresAndDeletesOnTheRealRegistry) {
    const std::wstring id = store.NewLayoutId();
    ASSERT_EQ(store.SaveLayout(id, L"\u00BC \u6587").status, LayoutStatus::Done);
    const std::vector<DesktopItem> saved = desktop.items;
    EXPECT_EQ(store.ListLayoutIds(), std::vector<std::wstring>{id});

    LayoutInfo info;
    ASSERT_TRUE(store.ReadLayoutInfo(id, info));
    EXPECT_EQ(info.id, id);
    EXPECT_EQ(info.description, L"1/4 \u6587");
    EXPECT_EQ(info.iconCount, 13);
    EXPECT_EQ(info.screenWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.screenHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_GT(info.savedAt, 45000.0);  // some time after 2023
    LayoutInfo newest;
    ASSERT_TRUE(store.FindNewestLayout(newest));
    EXPECT_EQ(newest, info);

    // Re-sorted and moved: every icon finds its own position again, though
    // the registry hands the values back in another order than written.
    std::reverse(desktop.items.begin(), desktop.items.end());
    for (DesktopItem& item : desktop.items) item.x = item.y = 5000;
    EXPECT_EQ(store.RestoreLayout(id).icons, 13);
    for (const DesktopItem& item : desktop.items) {
        const auto was = std::find_if(saved.begin(), saved.end(), [&](const DesktopItem& s) { return s.text == item.text; });
        ASSERT_NE(was, saved.end());
        EXPECT_EQ(item.x, was->x);
        EXPECT_EQ(item.y, was->y);
    }

    EXPECT_EQ(store.SetLayoutDescription(id, L"renamed").status, LayoutStatus::Done);
    ASSERT_TRUE(store.ReadLayoutInfo(id, info));
    EXPECT_EQ(info.description, L"renamed");
    EXPECT_EQ(info.iconCount, 13);

    EXPECT_EQ(store.DeleteLayout(id).status, LayoutStatus::Done);
    EXPECT_TRUE(store.ListLayoutIds().empty());
    EXPECT_FALSE(registry.keyExists(store.iconKeyPath(id)));
}

}  // namespace
}  // namespace orbilux
