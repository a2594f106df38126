// Stories of the screen under the real Orbilux.exe: a desktop that reaches
// left of the primary monitor, and a desktop that changes size under the
// running program, its icons scrambled as Windows scrambles them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "tests/wine/app_wine_support.h"
#include "tests/wine/wine_test_support.h"
#include "ui/control_ids.h"

namespace orbilux::wine_test {
namespace {

using gui_driver::WaitUntil;

constexpr int Icons = 60;

class ScreenChangeStory : public AppStory {
protected:
    static bool LayoutSaved(const std::wstring& description) {
        const std::vector<std::wstring> saved = SavedLayoutDescriptions();
        return std::find(saved.begin(), saved.end(), description) != saved.end();
    }
    // The heart picked twice: laid out, its icons moved, the action ended.
    void layOutHeart(HWND window) {
        const HWND list = pickHeartOnce(window);
        ASSERT_TRUE(list);
        const Positions before = IconPositions(desktop());
        ASSERT_TRUE(gui_driver::ClickListLine(list, L"Heart"));
        ASSERT_TRUE(WaitUntil([&] { return IconPositions(desktop()) != before; }, StepTimeoutMs));
        gui_driver::WaitUntilIdle(window);
    }
};

TEST_F(ScreenChangeStory, AHeartOnADesktopReachingLeftOfThePrimaryLandsInThePrimaryWorkArea) {
    WriteSetting(L"Settings", L"Knows", L"1");  // not a first run
    // A monitor of 1280 x 1024 left of the primary: the desktop's list view
    // starts at -1280, so its coordinates are the screen's plus 1280.
    standin::LaunchOptions options;
    options.icons = Icons;
    options.originX = -1280;
    options.width = 2560;
    options.height = 1024;
    startDesktop(options);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    layOutHeart(window);

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const standin::Report report = desktop().report();
    ASSERT_EQ(report.area.left, -1280);
    for (const standin::ReportedItem& item : report.items) {
        const int x = item.x + report.area.left, y = item.y + report.area.top;
        EXPECT_TRUE(x >= work.left && x < work.right && y >= work.top && y < work.bottom)
            << "icon " << item.index << " at " << x << "," << y << " on the screen";
    }
    Screenshot(L"screen-change-heart-desktop-left-of-primary");
    exitThroughMenu(*app, window);
}

TEST_F(ScreenChangeStory, TheIconsComeBackFromTheAutomaticLayoutOfEachSize) {
    WriteSetting(L"Settings", L"Knows", L"1");
    startDesktop(Icons);  // 1280 x 1024
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);

    // The heart's end writes the automatic layout of 1280 x 1024.
    layOutHeart(window);
    const Positions large = IconPositions(desktop());
    EXPECT_TRUE(WaitUntil([] { return LayoutSaved(L"Automatic: 1280 x 1024"); }, StepTimeoutMs));

    // Smaller: the icons that no longer fit are moved into free cells. With
    // no layout of that size the loaded heart is fitted anew, which becomes
    // that size's automatic layout.
    desktop().changeDisplay(1024, 768);
    EXPECT_TRUE(WaitUntil([] { return LayoutSaved(L"Automatic: 1024 x 768"); }, StepTimeoutMs));
    gui_driver::WaitUntilIdle(window);
    const Positions small = IconPositions(desktop());

    // Scrambled meanwhile by another program, then the size the heart was
    // laid out on: its automatic layout puts the icons back.
    const ProcessResult scrambled = RunProcess(Quote(BinaryFolder() + L"orbiluxctl.exe") + L" arrange " +
                                               Quote(BinaryFolder() + L"Shapes\\Basic\\Circle.shp"));
    ASSERT_EQ(scrambled.exitCode, 0u) << scrambled.err;
    ASSERT_NE(IconPositions(desktop()), large);
    ASSERT_NE(IconPositions(desktop()), small);
    Sleep(500);  // the stand-in paints the circle when it gets to it
    Screenshot(L"screen-change-before");
    const ULONGLONG changed = GetTickCount64();
    desktop().changeDisplay(1280, 1024);
    EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) == large; }, StepTimeoutMs));
    std::printf("icons back %llu ms after the display change (the settle wait included)\n", GetTickCount64() - changed);
    Screenshot(L"screen-change-after");

    // And back again: the smaller size's own layout.
    desktop().changeDisplay(1024, 768);
    EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) == small; }, StepTimeoutMs));
    exitThroughMenu(*app, window);
}

}  // namespace
}  // namespace orbilux::wine_test
