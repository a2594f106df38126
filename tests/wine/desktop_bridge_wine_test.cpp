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
#include "tests/support/real_desktop.h"
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
        test::RealDesktop real;
        EXPECT_EQ(real.port.DesktopItemCount(), count);
        EXPECT_TRUE(real.notifier.messages.empty());
        EXPECT_EQ(real.notifier.quitRequests, 0);
    }
}

TEST(DesktopBridgeWine, ReadsTextAndPositionOfEveryItem) {
    LaunchOptions options = Icons(8);
    const std::wstring longName(300, L'x');
    const std::wstring exactly254 = std::wstring(253, L'a') + L"\u00E9";
    options.names = {L"Recycle Bin",
                     L"\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B",
                     L"\u6587\u6863 \u00BC \U0001F600",
                     longName,
                     exactly254,
                     exactly254 + L"b",
                     L"",
                     L"tab\there"};
    auto desktop = StartStandIn(options);
    const Report report = desktop->report();

    win32::Win32DesktopAccess access;
    DesktopOpenResult result = DesktopOpenResult::NoListView;
    auto session = access.open(result, DesktopUse::ItemsAndPositions);
    ASSERT_EQ(result, DesktopOpenResult::Opened);
    ASSERT_EQ(session->itemCount(), 8);
    const std::wstring expected[] = {
        options.names[0], options.names[1], options.names[2], longName.substr(0, 254), exactly254, exactly254, L"",
        L"tab\there"};
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
    const IconTargets targets = {{400, 300, 3}, {520, 310, 7}, {640, 320, 11}};
    test::RealDesktop().port.ApplyIconTargets(targets);
    const Report after = desktop->report();

    ASSERT_EQ(after.items.size(), 20u);
    for (std::size_t i = 0; i < 20; ++i) {
        const auto target =
            std::find_if(targets.begin(), targets.end(), [&](const IconTarget& t) { return t.index == int(i); });
        if (target != targets.end()) {
            EXPECT_EQ(after.items[i].x, target->x) << "item " << i;
            EXPECT_EQ(after.items[i].y, target->y) << "item " << i;
        } else {
            EXPECT_EQ(after.items[i].x, before.items[i].x) << "item " << i;
            EXPECT_EQ(after.items[i].y, before.items[i].y) << "item " << i;
        }
    }
    EXPECT_EQ(PositionEvents(after),
              (std::vector<std::string>{"setpos 3 400 300", "setpos 7 520 310", "setpos 11 640 320"}));
}

struct StyleCase {
    const char* name;
    bool autoArrange;
    std::size_t targets;
    // "clear" and "restore" for style changes that switch auto-arrange off
    // and on, "redraw 0|1" for the painting switches, "setpos ..." moves.
    std::vector<std::string> sequence;
};

// The auto-arrange part of the stand-in's "style <old> <new>" events.
std::string AutoArrangeStep(const std::string& event) {
    if (event.rfind("style ", 0) != 0) return event;
    const std::size_t space = event.find(' ', 6);
    const bool before = (std::stoul(event.substr(6, space - 6), nullptr, 16) & LVS_AUTOARRANGE) != 0;
    const bool after = (std::stoul(event.substr(space + 1), nullptr, 16) & LVS_AUTOARRANGE) != 0;
    return before == after ? "style unchanged" : after ? "restore" : "clear";
}

class DesktopBridgeWine_Style : public ::testing::TestWithParam<StyleCase> {};

TEST_P(DesktopBridgeWine_Style, MovesWithPaintingOffAndAutoArrangeOffForTheFirstItem) {
    const StyleCase& c = GetParam();
    auto desktop = StartStandIn(Icons(6, c.autoArrange));
    const uint32_t styleBefore = desktop->report().style;
    ASSERT_EQ((styleBefore & LVS_AUTOARRANGE) != 0, c.autoArrange);

    IconTargets targets;
    for (std::size_t i = 0; i < c.targets; ++i) targets.push_back({int(100 + 90 * i), 200, int(i)});
    test::RealDesktop().port.ApplyIconTargets(targets);
    const Report after = desktop->report();

    std::vector<std::string> steps;
    for (const std::string& event : after.events) steps.push_back(AutoArrangeStep(event));
    EXPECT_EQ(steps, c.sequence);
    EXPECT_EQ(after.style & LVS_AUTOARRANGE, styleBefore & LVS_AUTOARRANGE);  // as the user had it
    EXPECT_TRUE(after.painting);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesktopBridgeWine_Style,
                         ::testing::Values(
                             // Off before the first item, on again after it: later items are placed
                             // while auto-arrange is on.
                             StyleCase{"AutoArrangeOn",
                                       true,
                                       3,
                                       {"redraw 0", "clear", "setpos 0 100 200", "restore", "setpos 1 190 200",
                                        "setpos 2 280 200", "redraw 1"}},
                             StyleCase{
                                 "AutoArrangeOff",
                                 false,
                                 3,
                                 {"redraw 0", "setpos 0 100 200", "setpos 1 190 200", "setpos 2 280 200", "redraw 1"}},
                             StyleCase{"EmptyListAutoArrangeOn", true, 0, {"clear", "restore"}},
                             StyleCase{"EmptyListAutoArrangeOff", false, 0, {}}),
                         [](const auto& p) { return std::string(p.param.name); });

// A shell that hangs for a while: its first position message (sent while
// auto-arrange is off) is answered only after `stallMs`, long after the
// bridge gave up waiting for it (10 s).
LaunchOptions HangingAtTheFirstMove(int stallMs) {
    LaunchOptions options = Icons(6, /*autoArrange=*/true);
    options.stallAtPosition = 1;
    options.stallMs = stallMs;
    return options;
}

TEST(DesktopBridgeWine, AShellThatHangsMidArrangeGetsItsAutoArrangeBack) {
    // It answers again soon after the bridge gave up, and must still end
    // with painting on and, from the next desktop action on, auto-arrange on,
    // as the user had them.
    auto desktop = StartStandIn(HangingAtTheFirstMove(11500));
    const uint32_t styleBefore = desktop->report().style;
    ASSERT_NE(styleBefore & LVS_AUTOARRANGE, 0u);

    test::RealDesktop real;
    EXPECT_THROW(real.port.ApplyIconTargets({{100, 200, 0}, {190, 200, 1}, {280, 200, 2}}), win32::Win32Error);
    EXPECT_TRUE(desktop->report().painting);  // the report waits until it answers again
    EXPECT_EQ(real.port.DesktopItemCount(), 6);
    const Report after = desktop->report();
    EXPECT_NE(after.style & LVS_AUTOARRANGE, 0u);
    EXPECT_TRUE(after.painting);
    EXPECT_EQ(PositionEvents(after), (std::vector<std::string>{"setpos 0 100 200"}));
}

TEST(DesktopBridgeWine, AShellThatStopsAnsweringDoesNotHoldTheArrange) {
    // Putting auto-arrange back is a style write, which would wait for the
    // hung shell for as long as it hangs: the arrange must give up while
    // the shell still isn't answering.
    auto desktop = StartStandIn(HangingAtTheFirstMove(60000));
    const HWND listView = win32::FindDesktopListView();
    EXPECT_THROW(test::RealDesktop().port.ApplyIconTargets({{100, 200, 0}, {190, 200, 1}}), win32::Win32Error);
    DWORD_PTR ignored = 0;
    EXPECT_EQ(SendMessageTimeoutW(listView, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored), 0)
        << "the arrange waited until the shell answered again";
}

TEST(DesktopBridgeWine, OneStallCostsOneTimeout) {
    // Stalled for 15 s: the arrange gives up after the first 10 s timeout
    // and puts painting back without waiting for the shell a second time.
    auto desktop = StartStandIn(HangingAtTheFirstMove(15000));
    const HWND listView = win32::FindDesktopListView();
    EXPECT_THROW(test::RealDesktop().port.ApplyIconTargets({{100, 200, 0}, {190, 200, 1}}), win32::Win32Error);
    DWORD_PTR ignored = 0;
    EXPECT_EQ(SendMessageTimeoutW(listView, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 100, &ignored), 0)
        << "the arrange waited for the shell after its first timeout";
    EXPECT_TRUE(desktop->report().painting);  // once it answers again
}

TEST(DesktopBridgeWine, AnIndexOnePastTheLastItemHasNoEffect) {
    auto desktop = StartStandIn(Icons(5));
    const Report before = desktop->report();
    test::RealDesktop().port.ApplyIconTargets({{700, 500, 5}});
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
    test::RealDesktop().port.ApplyIconTargets(targets);
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
    test::RealDesktop counting;
    EXPECT_EQ(counting.port.DesktopItemCount(), 0);
    EXPECT_EQ(counting.notifier.messages,
              (std::vector<std::wstring>{L"Cannot handle desktop items. Please restart windows in order to make the "
                                         L"program working again."}));
    EXPECT_EQ(counting.notifier.quitRequests, 1);

    test::RealDesktop moving;
    moving.port.ApplyIconTargets({{10, 10, 0}});
    EXPECT_EQ(moving.notifier.messages,
              (std::vector<std::wstring>{L"Cannot handle desktop items. You have to restart windows in order to make "
                                         L"the program working again."}));
    EXPECT_EQ(moving.notifier.quitRequests, 1);

    const std::wstring ctl = wine_test::Quote(wine_test::BinaryFolder() + L"orbiluxctl.exe");
    const auto run = wine_test::RunProcess(ctl + L" count");
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
    test::RealDesktop real;
    EXPECT_EQ(real.port.DesktopItemCount(), 12);
    real.port.ApplyIconTargets({{333, 222, 4}});
    const Report after = desktop->report();
    EXPECT_EQ(after.items[4].x, 333);
    EXPECT_EQ(after.items[4].y, 222);
    EXPECT_TRUE(real.notifier.messages.empty());
}

TEST(DesktopBridgeWine, ADesktopThatDiesMidQueryIsAnErrorNotACrash) {
    LaunchOptions options = Icons(10);
    options.exitAfterTextQueries = 4;
    auto desktop = StartStandIn(options);
    win32::Win32DesktopAccess access;
    DesktopOpenResult result = DesktopOpenResult::NoListView;
    auto session = access.open(result, DesktopUse::ItemsAndPositions);
    ASSERT_EQ(result, DesktopOpenResult::Opened);
    for (int i = 0; i < 3; ++i) EXPECT_NO_THROW(session->queryItem(i));
    EXPECT_THROW(session->queryItem(3), win32::Win32Error);
    EXPECT_FALSE(session->stillThere());
}

}  // namespace
}  // namespace orbilux
