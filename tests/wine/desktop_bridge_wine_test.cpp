// The desktop bridge against a real comctl32 list view in another process
// (the stand-in desktop), under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "desktop/win32/desktop_bridge.h"
#include "desktop/win32/list_view_finder.h"
#include "desktop/win32/win32_desktop.h"
#include "platform/win32/win32_error.h"
#include "tests/support/recording_notifier.h"
#include "tests/wine/wine_test_support.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux {
namespace {

using standin::LaunchOptions;
using standin::Report;
using standin::StandInDesktop;

std::unique_ptr<StandInDesktop> StartStandIn(const LaunchOptions& options) {
    return std::make_unique<StandInDesktop>(wine_test::BinaryFolder(), options);
}

LaunchOptions Icons(int count, bool autoArrange = false) {
    LaunchOptions options;
    options.icons = count;
    options.autoArrange = autoArrange;
    return options;
}

std::vector<std::string> PositionEvents(const Report& report) {
    std::vector<std::string> events;
    for (const std::string& e : report.events)
        if (e.rfind("setpos", 0) == 0) events.push_back(e);
    return events;
}

TEST(DesktopBridgeWine, CountsTheItems) {
    for (const int count : {0, 1, 37}) {
        auto desktop = StartStandIn(Icons(count));
        test::RecordingNotifier notifier;
        EXPECT_EQ(win32::DesktopItemCount(notifier), count);
        EXPECT_TRUE(notifier.messages.empty());
        EXPECT_EQ(notifier.quitRequests, 0);
    }
}

TEST(DesktopBridgeWine, ReadsTextAndPositionOfEveryItem) {
    LaunchOptions options = Icons(8);
    const std::wstring longName(300, L'x');
    const std::wstring exactly254 = std::wstring(253, L'a') + L"\u00E9";
    options.names = {L"Recycle Bin", L"\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B",
                     L"\u6587\u6863 \u00BC \U0001F600", longName, exactly254, exactly254 + L"b", L"", L"tab\there"};
    auto desktop = StartStandIn(options);
    const Report report = desktop->report();

    win32::Win32DesktopAccess access;
    DesktopOpenResult result = DesktopOpenResult::NoListView;
    auto session = access.open(result);
    ASSERT_EQ(result, DesktopOpenResult::Opened);
    ASSERT_EQ(session->itemCount(), 8);
    const std::wstring expected[] = {options.names[0], options.names[1], options.names[2], longName.substr(0, 254),
                                     exactly254,       exactly254,       L"",              L"tab\there"};
    for (int i = 0; i < 8; ++i) {
        const DesktopItem item = session->queryItem(i);
        EXPECT_EQ(item.text, expected[i]) << "item " << i;
        EXPECT_EQ(item.x, report.items[std::size_t(i)].x) << "item " << i;
        EXPECT_EQ(item.y, report.items[std::size_t(i)].y) << "item " << i;
    }
    // Two messages per item, nothing else.
    const Report after = desktop->report();
    EXPECT_EQ(after.received.at(LVM_GETITEMTEXTW), 8u);
    EXPECT_EQ(after.received.at(LVM_GETITEMPOSITION), 8u);
}

TEST(DesktopBridgeWine, ApplyingTargetsMovesExactlyThoseItems) {
    auto desktop = StartStandIn(Icons(20));
    const Report before = desktop->report();
    test::RecordingNotifier notifier;
    const IconTargets targets = {{400, 300, 3}, {520, 310, 7}, {640, 320, 11}};
    win32::ApplyIconTargets(notifier, targets);
    const Report after = desktop->report();

    ASSERT_EQ(after.items.size(), 20u);
    for (std::size_t i = 0; i < 20; ++i) {
        const auto target = std::find_if(targets.begin(), targets.end(),
                                         [&](const IconTarget& t) { return t.index == int(i); });
        if (target != targets.end()) {
            EXPECT_EQ(after.items[i].x, target->x) << "item " << i;
            EXPECT_EQ(after.items[i].y, target->y) << "item " << i;
        } else {
            EXPECT_EQ(after.items[i].x, before.items[i].x) << "item " << i;
            EXPECT_EQ(after.items[i].y, before.items[i].y) << "item " << i;
        }
    }
    EXPECT_EQ(PositionEvents(after), (std::vector<std::string>{"setpos 3 400 300", "setpos 7 520 310",
                                                                "setpos 11 640 320"}));
}

struct StyleCase {
    const char* name;
    bool autoArrange;
    std::size_t targets;
    std::vector<std::string> sequence;  // with A = style with auto-arrange, B = without
};

class DesktopBridgeWine_Style : public ::testing::TestWithParam<StyleCase> {};

TEST_P(DesktopBridgeWine_Style, AutoArrangeIsClearedFirstAndWrittenBackAfterEveryItem) {
    const StyleCase& c = GetParam();
    auto desktop = StartStandIn(Icons(6, c.autoArrange));
    const uint32_t styleBefore = desktop->report().style;
    ASSERT_EQ((styleBefore & LVS_AUTOARRANGE) != 0, c.autoArrange);

    IconTargets targets;
    for (std::size_t i = 0; i < c.targets; ++i) targets.push_back({int(100 + 90 * i), 200, int(i)});
    test::RecordingNotifier notifier;
    win32::ApplyIconTargets(notifier, targets);
    const Report after = desktop->report();

    char with[16], without[16];
    std::snprintf(with, sizeof with, "%lx", static_cast<unsigned long>(styleBefore));
    std::snprintf(without, sizeof without, "%lx", static_cast<unsigned long>(styleBefore & ~LVS_AUTOARRANGE));
    std::vector<std::string> expected;
    for (const std::string& step : c.sequence) {
        if (step == "clear") expected.push_back(std::string("style ") + with + " " + without);
        else if (step == "restore") expected.push_back(std::string("style ") + without + " " + with);
        else expected.push_back(step);
    }
    EXPECT_EQ(after.events, expected);
    EXPECT_EQ(after.style, styleBefore);  // the list view ends with its starting style
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DesktopBridgeWine_Style,
    ::testing::Values(
        // Off before the first item, on again after it: later items are placed
        // while auto-arrange is on.
        StyleCase{"AutoArrangeOn", true, 3,
                  {"clear", "setpos 0 100 200", "restore", "setpos 1 190 200", "setpos 2 280 200"}},
        StyleCase{"AutoArrangeOff", false, 3, {"setpos 0 100 200", "setpos 1 190 200", "setpos 2 280 200"}},
        StyleCase{"EmptyListAutoArrangeOn", true, 0, {"clear", "restore"}},
        StyleCase{"EmptyListAutoArrangeOff", false, 0, {}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(DesktopBridgeWine, AShellThatHangsMidArrangeGetsItsAutoArrangeBack) {
    // The first position message (sent while auto-arrange is off) is
    // answered only after the bridge has given up waiting (10 s): the
    // arrange fails, and the list view must still end with auto-arrange on,
    // as the user had it.
    LaunchOptions options = Icons(6, /*autoArrange=*/true);
    options.stallAtPosition = 1;
    options.stallMs = 11500;
    auto desktop = StartStandIn(options);
    const uint32_t styleBefore = desktop->report().style;
    ASSERT_NE(styleBefore & LVS_AUTOARRANGE, 0u);

    test::RecordingNotifier notifier;
    EXPECT_THROW(win32::ApplyIconTargets(notifier, {{100, 200, 0}, {190, 200, 1}, {280, 200, 2}}),
                 win32::Win32Error);
    const Report after = desktop->report();
    EXPECT_EQ(after.style, styleBefore);
    EXPECT_EQ(PositionEvents(after), (std::vector<std::string>{"setpos 0 100 200"}));
}

TEST(DesktopBridgeWine, AnIndexOnePastTheLastItemHasNoEffect) {
    auto desktop = StartStandIn(Icons(5));
    const Report before = desktop->report();
    test::RecordingNotifier notifier;
    win32::ApplyIconTargets(notifier, {{700, 500, 5}});
    const Report after = desktop->report();
    EXPECT_EQ(PositionEvents(after), (std::vector<std::string>{"setpos 5 700 500"}));
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(after.items[i].x, before.items[i].x);
        EXPECT_EQ(after.items[i].y, before.items[i].y);
    }
}

TEST(DesktopBridgeWine, CoordinatesTravelAsTheirLowSixteenBits) {
    struct Case {
        int32_t x, y;
        int16_t sentX, sentY;
    };
    const Case cases[] = {{70000, -70000, 4464, -4464},
                          {65536 + 100, -65536 - 200, 100, -200},
                          {40000, 5, -25536, 5},
                          {32767, -32768, 32767, -32768},
                          {-300, 1200, -300, 1200}};
    auto desktop = StartStandIn(Icons(5));
    IconTargets targets;
    for (int i = 0; i < 5; ++i) targets.push_back({cases[i].x, cases[i].y, i});
    test::RecordingNotifier notifier;
    win32::ApplyIconTargets(notifier, targets);
    const Report after = desktop->report();
    std::vector<std::string> expected;
    for (int i = 0; i < 5; ++i)
        expected.push_back("setpos " + std::to_string(i) + " " + std::to_string(cases[i].sentX) + " " +
                           std::to_string(cases[i].sentY));
    EXPECT_EQ(PositionEvents(after), expected);
    // What the list view received is where the item went.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(after.items[std::size_t(i)].x, cases[i].sentX) << i;
        EXPECT_EQ(after.items[std::size_t(i)].y, cases[i].sentY) << i;
    }
}

// Without a desktop list view the user is told to restart Windows and a
// quit is requested; nothing is moved.
void ExpectNoDesktopHandling() {
    test::RecordingNotifier countNotifier;
    EXPECT_EQ(win32::DesktopItemCount(countNotifier), 0);
    EXPECT_EQ(countNotifier.messages, (std::vector<std::wstring>{L"Cannot handle desktop items. Please restart windows "
                                                                 L"in order to make the program working again."}));
    EXPECT_EQ(countNotifier.quitRequests, 1);

    test::RecordingNotifier applyNotifier;
    win32::ApplyIconTargets(applyNotifier, {{10, 10, 0}});
    EXPECT_EQ(applyNotifier.messages,
              (std::vector<std::wstring>{L"Cannot handle desktop items. You have to restart windows in order to make "
                                         L"the program working again."}));
    EXPECT_EQ(applyNotifier.quitRequests, 1);

    const auto run = wine_test::RunProcess(wine_test::Quote(wine_test::BinaryFolder() + L"orbiluxctl.exe") + L" count");
    EXPECT_NE(run.exitCode, 0u);
    EXPECT_NE(run.err.find("Cannot handle desktop items. Please restart windows"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(DesktopBridgeWine, NoProgmanWindow) {
    ASSERT_EQ(FindWindowW(L"Progman", nullptr), nullptr) << "another desktop is running";
    ExpectNoDesktopHandling();
}

TEST(DesktopBridgeWine, ProgmanWithoutChildren) {
    LaunchOptions options = Icons(10);
    options.noChildren = true;
    auto desktop = StartStandIn(options);
    ExpectNoDesktopHandling();
}

TEST(DesktopBridgeWine, FindsTheDesktopViewUnderAWorkerW) {
    LaunchOptions options = Icons(12);
    options.workerW = true;
    auto desktop = StartStandIn(options);
    ASSERT_NE(win32::FindDesktopListView(), nullptr);
    test::RecordingNotifier notifier;
    EXPECT_EQ(win32::DesktopItemCount(notifier), 12);
    win32::ApplyIconTargets(notifier, {{333, 222, 4}});
    const Report after = desktop->report();
    EXPECT_EQ(after.items[4].x, 333);
    EXPECT_EQ(after.items[4].y, 222);
    EXPECT_TRUE(notifier.messages.empty());
}

TEST(DesktopBridgeWine, ADesktopThatDiesMidQueryIsAnErrorNotACrash) {
    LaunchOptions options = Icons(10);
    options.exitAfterTextQueries = 4;
    auto desktop = StartStandIn(options);
    win32::Win32DesktopAccess access;
    DesktopOpenResult result = DesktopOpenResult::NoListView;
    auto session = access.open(result);
    ASSERT_EQ(result, DesktopOpenResult::Opened);
    for (int i = 0; i < 3; ++i) EXPECT_NO_THROW(session->queryItem(i));
    EXPECT_THROW(session->queryItem(3), win32::Win32Error);
    EXPECT_FALSE(session->stillThere());
}

}  // namespace
}  // namespace orbilux
