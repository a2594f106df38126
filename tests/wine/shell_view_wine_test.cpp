// The desktop's shell view as a program reaches it (CoCreateInstance of
// ShellWindows, FindWindowSW, the top-level browser, IFolderView2), served
// by standin-shellview.dll over the stand-in's icon model, under Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/support/shell_view_chain.h"
#include "tests/wine/wine_test_support.h"
#include "tools/standin-desktop/shell_view_registration.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux {
namespace {

using standin::LaunchOptions;
using standin::Report;
using standin::StandInDesktop;
using test::ComApartment;
using test::ComPtr;
using test::DesktopView;
using test::FindDesktop;
using test::ItemIds;

std::wstring DisplayName(IShellFolder& folder, LPCITEMIDLIST id) {
    STRRET name{};
    if (FAILED(folder.GetDisplayNameOf(id, SHGDN_NORMAL, &name)) || name.uType != STRRET_WSTR) return L"<none>";
    std::wstring text = name.pOleStr;
    CoTaskMemFree(name.pOleStr);
    return text;
}

HWND StandInListView(const StandInDesktop& desktop) {
    for (HWND progman = FindWindowExW(nullptr, nullptr, L"Progman", nullptr); progman;
         progman = FindWindowExW(nullptr, progman, L"Progman", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(progman, &owner);
        if (owner == desktop.processId())
            return FindWindowExW(FindWindowExW(progman, nullptr, L"SHELLDLL_DefView", nullptr), nullptr,
                                 L"SysListView32", nullptr);
    }
    return nullptr;
}

POINT ListPosition(StandInDesktop& desktop, int index) {
    const Report report = desktop.report();
    return {report.items.at(std::size_t(index)).x, report.items.at(std::size_t(index)).y};
}

bool operator==(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

TEST(ShellViewWine, MovesThroughTheViewSurviveRefreshAndListViewMovesDoNot) {
    LaunchOptions options;
    options.icons = 4;
    options.names = {L"Recycle Bin", L"\u6587\u6863 \u00BC", L"tab\there", L""};
    options.modernShell = true;
    options.snapToGrid = true;
    StandInDesktop desktop(wine_test::BinaryFolder(), options);
    standin::ShellViewRegistration registration(wine_test::BinaryFolder());
    ComApartment apartment;

    ComPtr<IFolderView2> view = DesktopView();
    ASSERT_TRUE(view);
    int count = 0;
    ASSERT_EQ(view->ItemCount(SVGIO_ALLVIEW, &count), S_OK);
    ASSERT_EQ(count, 4);
    ItemIds ids(*view.Get());
    ASSERT_EQ(ids.size(), 4u);
    ComPtr<IShellFolder> folder;
    ASSERT_EQ(view->GetFolder(IID_PPV_ARGS(&folder)), S_OK);
    const Report before = desktop.report();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        EXPECT_EQ(DisplayName(*folder.Get(), ids[i]), options.names[i]) << "item " << i;
        POINT position{};
        ASSERT_EQ(view->GetItemPosition(ids[i], &position), S_OK);
        EXPECT_EQ(position.x, before.items[i].x) << "item " << i;
        EXPECT_EQ(position.y, before.items[i].y) << "item " << i;
    }
    DWORD flags = 0;
    ASSERT_EQ(view->GetCurrentFolderFlags(&flags), S_OK);
    EXPECT_EQ(flags & (FWF_SNAPTOGRID | FWF_AUTOARRANGE), DWORD(FWF_SNAPTOGRID));

    // Items 0 and 2 through the view: the model and the list view both move.
    POINT targets[] = {{400, 300}, {640, 120}};
    LPCITEMIDLIST moved[] = {ids[0], ids[2]};
    ASSERT_EQ(view->SelectAndPositionItems(2, moved, targets, SVSI_POSITIONITEM), S_OK);
    POINT readBack{};
    ASSERT_EQ(view->GetItemPosition(ids[2], &readBack), S_OK);
    EXPECT_TRUE(readBack == targets[1]);
    EXPECT_TRUE(ListPosition(desktop, 0) == targets[0]);
    EXPECT_TRUE(ListPosition(desktop, 2) == targets[1]);

    // Item 1 by a list-view message only: seen until the next refresh.
    const HWND listView = StandInListView(desktop);
    ASSERT_TRUE(listView);
    const POINT listOnly{500, 500};
    SendMessageW(listView, LVM_SETITEMPOSITION, 1, MAKELPARAM(listOnly.x, listOnly.y));
    ASSERT_TRUE(ListPosition(desktop, 1) == listOnly);
    desktop.refresh();
    const Report refreshed = desktop.report();
    EXPECT_EQ(refreshed.items[1].x, before.items[1].x);
    EXPECT_EQ(refreshed.items[1].y, before.items[1].y);
    EXPECT_TRUE(ListPosition(desktop, 0) == targets[0]);
    EXPECT_TRUE(ListPosition(desktop, 2) == targets[1]);
    ASSERT_EQ(refreshed.model.size(), 4u);
    EXPECT_EQ(refreshed.model[2].x, targets[1].x);
    EXPECT_EQ(refreshed.model[1].y, before.items[1].y);

    // F5 on the desktop refreshes too.
    SendMessageW(listView, LVM_SETITEMPOSITION, 1, MAKELPARAM(listOnly.x, listOnly.y));
    PostMessageW(listView, WM_KEYDOWN, VK_F5, 0);
    bool restored = false;
    for (int wait = 0; wait < 100 && !restored; ++wait, Sleep(50))
        restored = ListPosition(desktop, 1) == POINT{before.items[1].x, before.items[1].y};
    EXPECT_TRUE(restored);

    // Ids that aren't the view's, and a shell that has gone, are failures.
    POINT ignored{};
    ITEMIDLIST empty{};
    EXPECT_EQ(view->GetItemPosition(&empty, &ignored), E_INVALIDARG);
    desktop.kill();
    EXPECT_TRUE(FAILED(view->ItemCount(SVGIO_ALLVIEW, &count)));
    EXPECT_TRUE(FAILED(view->SelectAndPositionItems(2, moved, targets, SVSI_POSITIONITEM)));
}

TEST(ShellViewWine, DesktopWithoutIconModelIsNotFound) {
    StandInDesktop desktop(wine_test::BinaryFolder(), LaunchOptions{});
    standin::ShellViewRegistration registration(wine_test::BinaryFolder());
    ComApartment apartment;
    ComPtr<IDispatch> browser;
    EXPECT_EQ(FindDesktop(browser), S_FALSE);
    EXPECT_FALSE(browser);
}

}  // namespace
}  // namespace orbilux
