// The stand-in desktop as a monitor layout and a display change show it to
// programs: a desktop that starts left of the primary monitor, and a change
// of resolution that re-lays the icons that no longer fit and tells every
// top-level window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <set>
#include <utility>

#include "tests/wine/wine_test_support.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux {
namespace {

using standin::LaunchOptions;
using standin::Report;
using standin::StandInDesktop;

// A top-level window of the test that remembers the WM_DISPLAYCHANGE it got.
LPARAM displayChange = 0;
LRESULT CALLBACK ListeningProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DISPLAYCHANGE) displayChange = lParam;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(StandInDisplayWine, ADisplayChangeRelaysIconsOutOfSightAndTellsTheWindows) {
    LaunchOptions options;
    options.icons = 12;
    options.originX = -1280;
    options.width = 2560;
    options.height = 1024;
    StandInDesktop desktop(wine_test::BinaryFolder(), options);
    const Report before = desktop.report();
    // List-view coordinates start at the virtual screen's left edge.
    EXPECT_EQ(before.area.left, -1280);
    EXPECT_EQ(before.area.right, 1280);
    EXPECT_EQ(before.area.bottom, 1024);

    const HWND listView = desktop.listView();
    ASSERT_TRUE(listView);
    SendMessageW(listView, LVM_SETITEMPOSITION, 3, MAKELPARAM(2300, 500));
    SendMessageW(listView, LVM_SETITEMPOSITION, 7, MAKELPARAM(600, 900));

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ListeningProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"OrbiluxDisplayListener";
    RegisterClassW(&windowClass);
    const HWND listener = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                          windowClass.hInstance, nullptr);
    ASSERT_TRUE(listener);

    desktop.changeDisplay(1280, 768);
    const Report after = desktop.report();
    EXPECT_EQ(after.area.left, -1280);
    EXPECT_EQ(after.area.right, 0);
    EXPECT_EQ(after.area.bottom, 768);
    const int width = after.area.right - after.area.left, height = after.area.bottom - after.area.top;
    std::set<std::pair<int, int>> places;
    for (const standin::ReportedItem& item : after.items) {
        EXPECT_TRUE(item.x >= 0 && item.x < width - 32 && item.y >= 0 && item.y < height - 32)
            << "item " << item.index << " at " << item.x << "," << item.y;
        EXPECT_TRUE(places.insert({item.x, item.y}).second) << "item " << item.index << " shares its place";
    }
    // Icons that still fit stay where they were.
    EXPECT_EQ(after.items[0].x, before.items[0].x);
    EXPECT_EQ(after.items[0].y, before.items[0].y);

    for (int wait = 0; wait < 100 && !displayChange; ++wait) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (!displayChange) Sleep(50);
    }
    EXPECT_EQ(LOWORD(displayChange), 1280);
    EXPECT_EQ(HIWORD(displayChange), 768);
    DestroyWindow(listener);
}

}  // namespace
}  // namespace orbilux
