// Stories of the main window, driving the real Orbilux.exe from outside on
// the stand-in desktop, with the real registry and settings file.
#include <gtest/gtest.h>

#include "tests/wine/app_wine_support.h"
#include "ui/control_ids.h"
#include "ui/ui_texts.h"

namespace orbilux::wine_test {
namespace {

using gui_driver::WaitUntil;

int OuterHeight(HWND window) {
    const RECT r = gui_driver::WindowRect(window);
    return r.bottom - r.top;
}

int OuterWidth(HWND window) {
    const RECT r = gui_driver::WindowRect(window);
    return r.right - r.left;
}

class MainWindowStory : public AppStory {};

// The process's windows that the taskbar gives a button (and Alt+Tab
// lists): visible, unowned and not tool windows.
std::vector<HWND> TaskbarWindows(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER) &&
                !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
                s.found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(MainWindowStory, TheTaskbarButtonSaysOrbiluxWhateverTheCaptionSays) {
    WriteSetting(L"Settings", L"Knows", L"1");
    startDesktop(60);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    EXPECT_NE(gui_driver::WindowText(window), L"Orbilux");
    std::vector<HWND> buttons = TaskbarWindows(app->id());
    ASSERT_EQ(buttons.size(), 1u);
    const HWND button = buttons[0];
    EXPECT_EQ(gui_driver::WindowText(button), L"Orbilux");

    // Minimised, the button stays; restored from it, the window is back.
    gui_driver::Minimize(window);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, StepTimeoutMs));
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(TaskbarWindows(app->id()), std::vector<HWND>{button});
    PostMessageW(button, WM_SYSCOMMAND, SC_RESTORE, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) && !IsIconic(window); }, StepTimeoutMs));
    EXPECT_EQ(TaskbarWindows(app->id()), std::vector<HWND>{button});
    exitThroughMenu(*app, window);
}

TEST_F(MainWindowStory, AFirstRunSavesTheLayoutWelcomesBeforeTheWindowAndWritesTheSettingsAtExit) {
    startDesktop(60);
    {
        auto app = startApp();
        const auto box = gui_driver::WaitForMessageBox(app->id(), StepTimeoutMs);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->title, L"Orbilux");
        EXPECT_EQ(box->text, ui::texts::WelcomeMessage);
        // The window exists but is not shown yet.
        const HWND hidden = gui_driver::WaitForWindow(app->id(), L"Tptt", StepTimeoutMs);
        ASSERT_TRUE(hidden);
        EXPECT_FALSE(IsWindowVisible(hidden));
        EXPECT_EQ(SavedLayoutDescriptions(), std::vector<std::wstring>{L"First use save."});

        gui_driver::AnswerMessageBox(box->window, IDOK);
        const HWND window = waitForMainWindow(*app);
        ASSERT_TRUE(window);
        // The shape page has listed every bundled shape.
        EXPECT_EQ(gui_driver::WindowText(window), L"Orbilux - 47 shapes in All shapes");
        Screenshot(L"main-window", window);
        Screenshot(L"main-window-on-desktop");
        exitThroughMenu(*app, window);
    }
    EXPECT_EQ(SettingsFileKeys(),
              (std::vector<std::wstring>{L"Form/Screen width", L"Form/Screen height", L"Form/Left", L"Form/Top",
                                         L"Settings/Knows", L"Settings/SPath",
                                         L"Settings/SWidth", L"Settings/SHeight", L"Settings/SGap", L"Settings/Sdx",
                                         L"Settings/Sdy", L"Options/Auto blend"}));

    // The second run: no welcome, no second save (beside the first-use save
    // only the automatic layout the first run wrote at its exit).
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    EXPECT_FALSE(gui_driver::WaitForMessageBox(app->id(), 1000));
    EXPECT_EQ(SavedLayoutDescriptions().size(), 2u);
    exitThroughMenu(*app, window);
}

TEST_F(MainWindowStory, NineIconsEndTheProgramAfterTheGuardsMessageAndTenStartIt) {
    WriteSetting(L"Settings", L"Knows", L"0");  // not a first run
    startDesktop(9);
    {
        auto app = startApp();
        EXPECT_EQ(answerMessageBox(*app), ui::texts::IconGuardMessage);
        EXPECT_TRUE(app->waitForExit(StepTimeoutMs));
        // The state is saved as at any shutdown.
        EXPECT_NE(ReadSetting(L"Form", L"Left"), L"<missing>");
    }
    startDesktop(10);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    EXPECT_FALSE(gui_driver::WaitForMessageBox(app->id(), 1000));
    EXPECT_TRUE(app->running());
    exitThroughMenu(*app, window);
}

TEST_F(MainWindowStory, OkIDisabledShrinksTheWindowAndKeepsTheBarHiddenNextTime) {
    WriteSetting(L"Settings", L"Knows", L"0");
    startDesktop(60);
    {
        auto app = startApp();
        const HWND window = waitForMainWindow(*app);
        ASSERT_TRUE(window);
        EXPECT_EQ(OuterHeight(window), 510);
        const HWND ok = gui_driver::FindControl(window, ui::ReminderOkButton);
        ASSERT_TRUE(ok);
        EXPECT_EQ(gui_driver::WindowText(ok), L"Ok, I disabled");
        gui_driver::Click(ok);
        ASSERT_TRUE(WaitUntil([&] { return OuterHeight(window) == 479; }, StepTimeoutMs));
        // The bar is hidden after the window shrinks.
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(gui_driver::FindControl(window, ui::ReminderBar)); },
                              StepTimeoutMs));
        // The close box ends the program and saves the state too.
        gui_driver::Close(window);
        ASSERT_TRUE(app->waitForExit(StepTimeoutMs));
    }
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    EXPECT_EQ(OuterHeight(window), 479);
    EXPECT_FALSE(IsWindowVisible(gui_driver::FindControl(window, ui::ReminderBar)));
    exitThroughMenu(*app, window);
}

TEST_F(MainWindowStory, MinimizeToTrayAndBackThenExitFromTheTrayMenuStillWritesThePosition) {
    WriteSetting(L"Settings", L"Knows", L"1");
    WriteSetting(L"Options", L"Minimize on Tray", L"1");
    WriteSetting(L"Form", L"Left", L"140");
    WriteSetting(L"Form", L"Top", L"90");
    startDesktop(60);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    EXPECT_EQ(gui_driver::WindowRect(window).left, 140);
    EXPECT_EQ(desktop().report().trayEvents, (std::vector<std::string>{"delete 1", "add 1 401 Orbilux"}));

    // Minimised: no taskbar button (the window is hidden), the icon re-added.
    desktop().resetCounters();
    gui_driver::Minimize(window);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, StepTimeoutMs));
    // The icon is deleted and added again after the window hides (the
    // taskbar hears of it while the window is already gone).
    ASSERT_TRUE(WaitUntil([&] { return desktop().report().trayEvents.size() >= 2; }, StepTimeoutMs));
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(desktop().report().trayEvents, (std::vector<std::string>{"delete 1", "add 1 401 Orbilux"}));

    // A left click on the icon brings it back, a second one tucks it away again.
    gui_driver::SendTrayCallback(window, ui::TrayCallbackMessage, ui::TrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) && !IsIconic(window); }, StepTimeoutMs));
    gui_driver::SendTrayCallback(window, ui::TrayCallbackMessage, ui::TrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window); }, StepTimeoutMs));
    ASSERT_TRUE(WaitUntil([&] { return desktop().report().trayEvents.size() >= 4; }, StepTimeoutMs));

    // A re-created taskbar gets the icon again.
    desktop().resetCounters();
    desktop().announceTaskbar();
    ASSERT_TRUE(WaitUntil([&] { return !desktop().report().trayEvents.empty(); }, StepTimeoutMs));
    EXPECT_EQ(desktop().report().trayEvents, std::vector<std::string>{"add 1 401 Orbilux"});

    // The tray menu pops up on a right click; its last item is "Exit".
    gui_driver::SendTrayCallback(window, ui::TrayCallbackMessage, ui::TrayIconId, WM_RBUTTONDOWN);
    const HWND menu = gui_driver::WaitForWindow(app->id(), L"#32768", StepTimeoutMs, true);
    ASSERT_TRUE(menu);
    Screenshot(L"tray-menu");
    PostMessageW(menu, WM_KEYDOWN, VK_UP, 0);
    PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(app->waitForExit(StepTimeoutMs));
    EXPECT_EQ(ReadSetting(L"Form", L"Left"), L"140");
    EXPECT_EQ(ReadSetting(L"Form", L"Top"), L"90");
    const auto tray = desktop().report().trayEvents;
    ASSERT_FALSE(tray.empty());
    EXPECT_EQ(tray.back(), "delete 1");
}

TEST_F(MainWindowStory, At144DpiTheWindowIsHalfAsLargeAgainWithNothingCutOff) {
    WriteSetting(L"Settings", L"Knows", L"0");
    startDesktop(60);
    int width96 = 0;
    {
        auto app = startApp();
        const HWND window = waitForMainWindow(*app);
        ASSERT_TRUE(window);
        width96 = OuterWidth(window);
        exitThroughMenu(*app, window);
    }
    SetStartDpi(144);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    EXPECT_EQ(OuterHeight(window), 765);
    EXPECT_NEAR(OuterWidth(window), width96 * 3 / 2, 6);
    Screenshot(L"main-window-144-dpi", window);

    // Every control lies inside the client area, and the pages end above
    // the reminder bar.
    const RECT client = gui_driver::ClientRectOnScreen(window);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM data) -> BOOL {
            const RECT& area = *reinterpret_cast<const RECT*>(data);
            const RECT r = gui_driver::WindowRect(child);
            if (IsWindowVisible(child)) {
                EXPECT_TRUE(r.left >= area.left && r.top >= area.top && r.right <= area.right &&
                            r.bottom <= area.bottom)
                    << "control " << GetDlgCtrlID(child) << " is cut off: " << r.left << "," << r.top << " " << r.right
                    << "," << r.bottom << " in " << area.left << "," << area.top << " " << area.right << ","
                    << area.bottom;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&client));
    const RECT page = gui_driver::WindowRect(gui_driver::FindControl(window, ui::ShapePagePanel));
    const RECT bar = gui_driver::WindowRect(gui_driver::FindControl(window, ui::ReminderBar));
    EXPECT_LE(page.bottom, bar.top);
    exitThroughMenu(*app, window);
}

TEST_F(MainWindowStory, TheSkinTurnsWithHueAndGoesGreyWithoutSaturation) {
    WriteSetting(L"Settings", L"Knows", L"1");
    startDesktop(60);
    // A background spot: left of the button column, below the header.
    auto backgroundOf = [&](const wchar_t* hue, const wchar_t* saturation, const std::wstring& shot) {
        WriteSetting(L"Options", L"Hue", hue);
        WriteSetting(L"Options", L"Saturation", saturation);
        auto app = startApp();
        const HWND window = waitForMainWindow(*app);
        if (!window) return COLORREF(0);
        Screenshot(shot, window);
        const RECT client = gui_driver::ClientRectOnScreen(window);
        const COLORREF colour = gui_driver::ScreenPixel({client.left + 3, client.top + 200});
        exitThroughMenu(*app, window);
        return colour;
    };
    const COLORREF base = backgroundOf(L"0", L"0", L"skin-base");
    const COLORREF turned = backgroundOf(L"180", L"0", L"skin-hue-180");
    const COLORREF grey = backgroundOf(L"0", L"-100", L"skin-grey");
    EXPECT_NE(base, turned);
    EXPECT_NE(GetRValue(base), GetBValue(base));
    EXPECT_EQ(GetRValue(grey), GetGValue(grey));
    EXPECT_EQ(GetGValue(grey), GetBValue(grey));
}

}  // namespace
}  // namespace orbilux::wine_test
