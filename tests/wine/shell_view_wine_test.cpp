// The desktop's shell view as the program reaches it (Win32ShellIconModel:
// ShellWindows, FindWindowSW, the top-level browser, IFolderView2), served
// by standin-shellview.dll over the stand-in's icon model, under Wine; and
// Wine's own desktop view, which has no items, seen as no view at all.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "desktop/shell_model_commit.h"
#include "desktop/win32/shell_view_win32.h"
#include "platform/win32/com_apartment.h"
#include "tests/wine/wine_test_support.h"
#include "tools/standin-desktop/shell_view_registration.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux {
namespace {

using standin::LaunchOptions;
using standin::Report;
using standin::StandInDesktop;

std::pair<int, int> ListPosition(StandInDesktop& desktop, int index) {
    const Report report = desktop.report();
    return {report.items.at(std::size_t(index)).x, report.items.at(std::size_t(index)).y};
}

TEST(ShellViewWine, NamesFlagsAndOneBatchOfPositionsThroughTheView) {
    LaunchOptions options;
    options.icons = 4;
    options.names = {L"Recycle Bin", L"\u6587\u6863 \u00BC", L"tab\there", L""};
    options.modernShell = true;
    options.snapToGrid = true;
    StandInDesktop desktop(wine_test::BinaryFolder(), options);
    standin::ShellViewRegistration registration(wine_test::BinaryFolder());
    win32::ComApartment apartment;
    win32::Win32ShellIconModel model;

    const auto view = model.open();
    EXPECT_EQ(view->itemNames(), options.names);
    const ShellFolderFlags flags = view->folderFlags();
    EXPECT_TRUE(flags.snapToGrid);
    EXPECT_FALSE(flags.autoArrange);
    const Report before = desktop.report();
    const auto read = view->itemPositions({1, 3});
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ((std::pair{read[1].x, read[1].y}), (std::pair{before.items[3].x, before.items[3].y}));

    // Items 0 and 2 through the view: the model and the list view both move.
    view->positionItems({{0, 400, 300}, {2, 640, 120}});
    const auto back = view->itemPositions({0, 2});
    EXPECT_EQ((std::pair{back[1].x, back[1].y}), (std::pair{640, 120}));
    EXPECT_EQ(ListPosition(desktop, 0), (std::pair{400, 300}));

    // Item 1 by a list-view message only: seen until the next refresh.
    const HWND listView = desktop.listView();
    ASSERT_TRUE(listView);
    SendMessageW(listView, LVM_SETITEMPOSITION, 1, MAKELPARAM(500, 500));
    ASSERT_EQ(ListPosition(desktop, 1), (std::pair{500, 500}));
    desktop.refresh();
    EXPECT_EQ(ListPosition(desktop, 1), (std::pair{before.items[1].x, before.items[1].y}));
    EXPECT_EQ(ListPosition(desktop, 0), (std::pair{400, 300}));
    EXPECT_EQ(ListPosition(desktop, 2), (std::pair{640, 120}));

    // F5 on the desktop refreshes too.
    SendMessageW(listView, LVM_SETITEMPOSITION, 1, MAKELPARAM(500, 500));
    PostMessageW(listView, WM_KEYDOWN, VK_F5, 0);
    bool refreshed = false;
    for (int wait = 0; wait < 100 && !refreshed; ++wait, Sleep(50))
        refreshed = ListPosition(desktop, 1) == std::pair{before.items[1].x, before.items[1].y};
    EXPECT_TRUE(refreshed);

    // A shell that has gone is a view that is no longer there.
    desktop.kill();
    EXPECT_THROW(view->itemNames(), ShellViewUnavailable);
    EXPECT_THROW(model.open()->itemNames(), ShellViewUnavailable);
}

TEST(ShellViewWine, WinesOwnDesktopViewAndADesktopWithoutAModelAreNoView) {
    win32::ComApartment apartment;
    win32::Win32ShellIconModel model;
    {
        StandInDesktop desktop(wine_test::BinaryFolder(), LaunchOptions{});
        // Wine's explorer answers, with a view that has no items.
        EXPECT_FALSE(ReadShellFolderFlags(model).has_value());
        standin::ShellViewRegistration registration(wine_test::BinaryFolder());
        EXPECT_THROW(model.open(), ShellViewUnavailable);  // the stand-in keeps no model
    }
}

}  // namespace
}  // namespace orbilux
