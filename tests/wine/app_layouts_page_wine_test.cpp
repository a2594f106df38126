// The layouts page's story, driving the real Orbilux.exe on the stand-in
// desktop with the real registry: save two layouts, restore one over
// scrambled icons, delete, replace, re-describe, and restore without a
// question once ConfirmLoad is off.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/registry_win32.h"
#include "tests/wine/app_wine_support.h"
#include "tests/wine/wine_test_support.h"
#include "ui/control_ids.h"

namespace orbilux::wine_test {
namespace {

using gui_driver::WaitUntil;
using Texts = std::vector<std::wstring>;

// The layout the program keeps for the stand-in's screen size.
const std::wstring Automatic = L"Automatic: 1280 x 1024";

void Scramble() {
    const ProcessResult run = RunProcess(Quote(BinaryFolder() + L"orbiluxctl.exe") + L" arrange " +
                                         Quote(BinaryFolder() + L"Shapes\\Basic\\Circle.shp"));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
}

class LayoutsPageStory : public AppStory {
protected:
    // Opens the layouts page of a freshly started program.
    HWND openPage(gui_driver::AppProcess& app) {
        const HWND window = waitForMainWindow(app);
        if (!window) return nullptr;
        gui_driver::Click(gui_driver::FindControl(window, ui::MngSavedLayouts));
        const HWND page = gui_driver::FindControl(window, ui::LayoutsPagePanel);
        EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(page) != 0; }, StepTimeoutMs));
        list_ = gui_driver::FindControl(window, ui::LayoutsList);
        return window;
    }
    int rows() const { return int(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }
    bool waitForRows(int count) const {
        return WaitUntil([&] { return rows() == count; }, StepTimeoutMs);
    }
    // The description column, top to bottom.
    Texts listedDescriptions() const {
        Texts descriptions;
        for (const auto& row : gui_driver::ListViewRows(list_, 4)) descriptions.push_back(row[1]);
        return descriptions;
    }
    // The row showing that description; -1 when none does.
    int rowOf(const std::wstring& description) const {
        const Texts listed = listedDescriptions();
        for (std::size_t i = 0; i < listed.size(); ++i)
            if (listed[i] == description) return int(i);
        return -1;
    }
    static Texts Sorted(Texts texts) {
        std::sort(texts.begin(), texts.end());
        return texts;
    }
    // The id of the saved layout with that description.
    static std::wstring IdDescribed(const std::wstring& description) {
        const Texts ids = IdsInRegistry();
        const Texts descriptions = SavedLayoutDescriptions();
        for (std::size_t i = 0; i < ids.size() && i < descriptions.size(); ++i)
            if (descriptions[i] == description) return ids[i];
        return {};
    }
    std::wstring question(gui_driver::AppProcess& app, int answer) { return answerMessageBox(app, answer, L"Confirm"); }
    static Texts IdsInRegistry() {
        auto key = win32::Win32Registry().openKeyForReading(L"Software\\Orbilux\\Saves");
        return key ? key->valueNames() : Texts{};
    }

    HWND list_ = nullptr;
};

TEST_F(LayoutsPageStory, SaveRestoreDeleteReplaceAndRedescribeFromThePage) {
    WriteSetting(L"Settings", L"Knows", L"1");
    startDesktop(60);
    const Positions saved = IconPositions(desktop());
    {
        auto app = startApp();
        const HWND window = openPage(*app);
        ASSERT_TRUE(window);
        ASSERT_EQ(rows(), 0);
        const HWND saveNew = gui_driver::FindControl(window, ui::SaveNewLayoutButton);

        // A left click saves at once; a right click asks for a description.
        gui_driver::PressLeft(saveNew);
        gui_driver::ReleaseLeft(saveNew);
        ASSERT_TRUE(waitForRows(1));
        gui_driver::ClickRight(saveNew);
        const HWND dialog = gui_driver::WaitForWindow(app->id(), L"#32770", StepTimeoutMs, true);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(gui_driver::WindowText(dialog), L"Set description");
        const HWND edit = gui_driver::FindControl(dialog, ui::DescriptionDialogEdit);
        EXPECT_EQ(gui_driver::WindowText(edit), L"");
        gui_driver::Type(edit, L"Before the party");
        gui_driver::PressKey(edit, VK_RETURN);
        ASSERT_TRUE(waitForRows(2));
        EXPECT_EQ(SavedLayoutDescriptions(), listedDescriptions());  // the registry's order
        const Texts descriptions = listedDescriptions();
        const int party = descriptions[0] == L"Before the party" ? 0 : 1;
        Screenshot(L"layouts-page", window);

        // Restore the described one over scrambled icons.
        Scramble();
        ASSERT_NE(IconPositions(desktop()), saved);
        gui_driver::SelectListViewRow(list_, party);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(gui_driver::FindControl(window, ui::RestoreSelLayoutA)); },
                              StepTimeoutMs));
        const HWND box = gui_driver::FindControl(window, ui::DescriptionEdit);
        EXPECT_TRUE(WaitUntil([&] { return gui_driver::WindowText(box) == L"Before the party"; }, StepTimeoutMs));
        gui_driver::Click(gui_driver::FindControl(window, ui::RestoreSelLayoutA));
        const std::wstring asked = question(*app, IDYES);
        EXPECT_EQ(asked.rfind(L"Are you sure you want to restore desktop icons position saved on ", 0), 0u) << asked;
        EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) == saved; }, StepTimeoutMs));

        // Delete: "&No" keeps the row, "&Yes" removes it with its keys. The
        // restore's end also wrote the automatic layout of this screen size,
        // which the page lists once it reads the registry again.
        const std::wstring other = descriptions[std::size_t(1 - party)];
        const std::wstring gone = IdDescribed(other);
        gui_driver::SelectListViewRow(list_, rowOf(other));
        const int before = rows();
        gui_driver::Click(gui_driver::FindControl(window, ui::DelLayoutA));
        EXPECT_EQ(question(*app, IDNO), L"Are you sure you want to PERMANENTLY delete selected desktop icons layout?");
        gui_driver::WaitUntilIdle(window);
        EXPECT_EQ(rows(), before);
        gui_driver::Click(gui_driver::FindControl(window, ui::DelLayoutA));
        question(*app, IDYES);
        ASSERT_TRUE(waitForRows(before - 1));
        EXPECT_EQ(Sorted(SavedLayoutDescriptions()), (Texts{Automatic, L"Before the last change", L"Before the party"}));
        EXPECT_FALSE(win32::Win32Registry().keyExists(L"Software\\Orbilux\\Icons\\" + gone));

        // Replace with an emptied description box.
        gui_driver::SelectListViewRow(list_, rowOf(L"Before the party"));
        ASSERT_TRUE(WaitUntil([&] { return gui_driver::WindowText(box) == L"Before the party"; }, StepTimeoutMs));
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        gui_driver::Click(gui_driver::FindControl(window, ui::ReplaceLayoutA));
        EXPECT_EQ(question(*app, IDYES), L"Are you sure you want to replace selected desktop icons layout?");
        EXPECT_TRUE(WaitUntil(
            [&] {
                return Sorted(SavedLayoutDescriptions()) == Texts{L"", Automatic, L"Before the last change"};
            },
            StepTimeoutMs));

        // Set description: the box's text, no question.
        ASSERT_TRUE(WaitUntil([&] { return rowOf(L"") >= 0; }, StepTimeoutMs));
        gui_driver::SelectListViewRow(list_, rowOf(L""));
        gui_driver::Type(box, L"Renamed");
        gui_driver::Click(gui_driver::FindControl(window, ui::SetLayoutDescA));
        EXPECT_TRUE(WaitUntil(
            [&] {
                return Sorted(SavedLayoutDescriptions()) == Texts{Automatic, L"Before the last change", L"Renamed"};
            },
            StepTimeoutMs));
        EXPECT_TRUE(WaitUntil(
            [&] {
                return Sorted(listedDescriptions()) == Texts{Automatic, L"Before the last change", L"Renamed"};
            },
            StepTimeoutMs));
        exitThroughMenu(*app, window);
    }

    // With ConfirmLoad off a restore asks nothing. The exit wrote the
    // automatic layout: both rows hold the icons as they are now.
    WriteSetting(L"Options", L"Show confirmation dialog when loading", L"0");
    auto app = startApp();
    const HWND window = openPage(*app);
    ASSERT_TRUE(window);
    ASSERT_TRUE(waitForRows(3));  // with the places before the last restore
    const Positions replaced = IconPositions(desktop());
    Scramble();
    gui_driver::SelectListViewRow(list_, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(gui_driver::FindControl(window, ui::RestoreSelLayoutA)); },
                          StepTimeoutMs));
    gui_driver::Click(gui_driver::FindControl(window, ui::RestoreSelLayoutA));
    EXPECT_TRUE(WaitUntil([&] { return IconPositions(desktop()) == replaced; }, StepTimeoutMs));
    EXPECT_FALSE(gui_driver::WaitForMessageBox(app->id(), 500));
    exitThroughMenu(*app, window);
}

}  // namespace
}  // namespace orbilux::wine_test
