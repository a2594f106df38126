// The window program's layout files and "Undo last change", driving the real
// Orbilux.exe on the stand-in desktop: export the selected layout and import
// it again through the system's file dialogs from the File menu, and take a
// shape back with "Undo last change".
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "tests/wine/app_wine_support.h"
#include "tests/wine/wine_test_support.h"
#include "ui/control_ids.h"

namespace orbilux::wine_test {
namespace {

using gui_driver::WaitUntil;

// The first window of that class and control id inside `parent`.
HWND Descendant(HWND parent, const wchar_t* className, int id) {
    struct Search {
        const wchar_t* className;
        int id;
        HWND found;
    } search{className, id, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            if (GetDlgCtrlID(child) != s.id || gui_driver::ClassName(child) != s.className) return TRUE;
            s.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class LayoutFilesStory : public AppStory {
protected:
    void TearDown() override {
        DeleteFileW(file_.c_str());
        AppStory::TearDown();
    }

    // Answers the open or save dialog that must come up next with `path`.
    void answerFileDialog(gui_driver::AppProcess& app, const std::wstring& path) {
        const HWND dialog = gui_driver::WaitForWindow(app.id(), L"#32770", StepTimeoutMs, true);
        ASSERT_TRUE(dialog) << "no file dialog";
        Screenshot(L"layout-file-dialog");
        // The explorer-style dialogs keep the name in the edit of a combo
        // box (cmb13, deep inside a ComboBoxEx32 under Wine) or, in older
        // templates, in a plain edit (edt1). Ids repeat inside the dialog (the
        // folder view's list is 1 too), so the class tells them apart.
        HWND name = Descendant(dialog, L"Edit", 0x47C);
        if (!name) name = Descendant(dialog, L"Edit", 0x480);
        ASSERT_TRUE(name) << "no file name box";
        SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        const HWND ok = Descendant(dialog, L"Button", IDOK);
        ASSERT_TRUE(ok);
        gui_driver::Click(ok);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, StepTimeoutMs));
    }

    std::wstring file_ = [] {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        return std::wstring(temp) + L"story.orbilux-layout.json";
    }();
};

TEST_F(LayoutFilesStory, ExportTheSelectedLayoutAndImportItThroughTheFileMenu) {
    WriteSetting(L"Settings", L"Knows", L"1");  // not a first run
    startDesktop(20);
    RunProcess(Quote(BinaryFolder() + L"orbiluxctl.exe") + L" save --description \"Travelling desk\"");
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    gui_driver::Click(gui_driver::FindControl(window, ui::MngSavedLayouts));
    const HWND list = gui_driver::FindControl(window, ui::LayoutsList);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }, StepTimeoutMs));

    // Export acts on the selected layout (Wine keeps a menu's state inside
    // its process, so the row buttons show that the selection arrived).
    gui_driver::SelectListViewRow(list, 0);
    const HWND restore = gui_driver::FindControl(window, ui::RestoreSelLayoutA);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(restore) != 0; }, StepTimeoutMs));

    gui_driver::ChooseCommand(window, ui::ExportLayoutA);
    answerFileDialog(*app, file_);
    ASSERT_TRUE(WaitUntil([&] { return GetFileAttributesW(file_.c_str()) != INVALID_FILE_ATTRIBUTES; }, StepTimeoutMs));

    gui_driver::ChooseCommand(window, ui::ImportLayoutA);
    answerFileDialog(*app, file_);
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }, StepTimeoutMs));
    EXPECT_EQ(SavedLayoutDescriptions(), (std::vector<std::wstring>{L"Travelling desk", L"Travelling desk"}));
    exitThroughMenu(*app, window);
}

TEST_F(LayoutFilesStory, UndoLastChangePutsTheIconsBackAfterAShapeAndAgainRedoes) {
    WriteSetting(L"Settings", L"Knows", L"1");  // not a first run
    startDesktop(30);
    auto positions = [&] {
        std::vector<std::pair<int, int>> all;
        for (const auto& item : desktop().report().items) all.emplace_back(item.x, item.y);
        return all;
    };
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    const auto untouched = positions();

    // Heart, picked twice: the second pick lays the icons out.
    ASSERT_GE(gui_driver::ChooseComboItem(gui_driver::FindControl(window, ui::ShapeGroupsBox), L"Love"), 1);
    const HWND list = gui_driver::FindControl(window, ui::ShapesListBox);
    ASSERT_TRUE(
        WaitUntil([&] { return gui_driver::WindowText(window) == L"Orbilux - 4 shapes in Love"; }, StepTimeoutMs));
    ASSERT_TRUE(gui_driver::ClickListLine(list, L"Heart"));
    gui_driver::WaitUntilIdle(window);
    ASSERT_TRUE(gui_driver::ClickListLine(list, L"Heart"));
    ASSERT_TRUE(WaitUntil([&] { return positions() != untouched; }, StepTimeoutMs));
    gui_driver::WaitUntilIdle(window);
    const auto heart = positions();

    gui_driver::ChooseCommand(window, ui::UndoLastChangeA);
    EXPECT_TRUE(WaitUntil([&] { return positions() == untouched; }, StepTimeoutMs));
    const auto descriptions = SavedLayoutDescriptions();
    EXPECT_EQ(std::count(descriptions.begin(), descriptions.end(), L"Before the last change"), 1);
    gui_driver::ChooseCommand(window, ui::UndoLastChangeA);
    EXPECT_TRUE(WaitUntil([&] { return positions() == heart; }, StepTimeoutMs));
    exitThroughMenu(*app, window);
}

}  // namespace
}  // namespace orbilux::wine_test
