// The options dialog's story, driving the real Orbilux.exe with the real
// registry and settings file: the start-with-Windows entry, the
// transparency that the main window and the settings file follow, and the
// About panel's version line.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "platform/win32/registry_win32.h"
#include "settings/start_with_windows.h"
#include "tests/wine/app_wine_support.h"
#include "tests/wine/wine_test_support.h"
#include "ui/control_ids.h"

namespace orbilux::wine_test {
namespace {

using gui_driver::WaitUntil;

class OptionsDialogStory : public AppStory {
protected:
    HWND openDialog(gui_driver::AppProcess& app, HWND window, int command) {
        gui_driver::Click(gui_driver::FindControl(window, command));
        const HWND dialog = gui_driver::WaitForWindow(app.id(), L"#32770", StepTimeoutMs, true);
        EXPECT_TRUE(dialog);
        if (dialog) {
            EXPECT_EQ(gui_driver::WindowText(dialog), L"Options");
        }
        return dialog;
    }
    void ok(HWND dialog) {
        gui_driver::Click(gui_driver::FindControl(dialog, IDOK));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, StepTimeoutMs));
    }
    void toggleRunAtStartup(gui_driver::AppProcess& app, HWND window) {
        const HWND dialog = openDialog(app, window, ui::OptionsButA);
        ASSERT_TRUE(dialog);
        gui_driver::Click(gui_driver::FindControl(dialog, ui::RunAtStartupCheck));
        gui_driver::WaitUntilIdle(dialog);
        ok(dialog);
    }
    static std::optional<std::wstring> RunValue() {
        auto key = win32::Win32Registry().openKeyForReading(RunKeyPath);
        return key ? key->readString(RunValueName) : std::nullopt;
    }
};

TEST_F(OptionsDialogStory, StartWithWindowsTransparencyAndTheVersionLine) {
    WriteSetting(L"Settings", L"Knows", L"1");
    win32::Win32Registry().deleteKeyTree(RunKeyPath);
    win32::Win32Registry().openKey(L"Software\\Orbilux", true)->writeString(L"Version", L"0.9.1.5");
    startDesktop(60);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);

    // "Ok" with the box clear and no value: the Run key isn't even made.
    const HWND first = openDialog(*app, window, ui::OptionsButA);
    ASSERT_TRUE(first);
    Screenshot(L"options-panel", first);
    ok(first);
    EXPECT_FALSE(win32::Win32Registry().keyExists(RunKeyPath));

    toggleRunAtStartup(*app, window);
    EXPECT_EQ(RunValue(), L"\"" + BinaryFolder() + L"Orbilux.exe\"");
    toggleRunAtStartup(*app, window);
    EXPECT_FALSE(RunValue());

    // Three pages down on the transparency slider: 90 becomes 120. While the
    // mouse holds it the dialog itself is translucent.
    const HWND dialog = openDialog(*app, window, ui::OptionsButA);
    ASSERT_TRUE(dialog);
    const HWND slider = gui_driver::FindControl(dialog, ui::TransparencySlider);
    for (int i = 0; i < 3; ++i) gui_driver::PressKey(slider, VK_NEXT);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(slider, TBM_GETPOS, 0, 0) == 120; }, StepTimeoutMs));
    EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_LAYERED, 0);  // the keyboard shows nothing
    ok(dialog);
    EXPECT_EQ(ReadSetting(L"Options", L"Transparency"), L"120");
    // Holding a bar of the shape page makes the main window translucent at that alpha.
    const HWND bar = gui_driver::FindControl(window, ui::WidthBar);
    gui_driver::PressLeft(bar);
    BYTE alpha = 0;
    EXPECT_TRUE(
        WaitUntil([&] { return GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr) != 0; }, StepTimeoutMs));
    EXPECT_EQ(alpha, 120);
    gui_driver::ReleaseLeft(bar);
    EXPECT_TRUE(
        WaitUntil([&] { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0; }, StepTimeoutMs));

    // About: the stored version is long enough to show.
    const HWND about = openDialog(*app, window, ui::AboutBtnA);
    ASSERT_TRUE(about);
    EXPECT_EQ(gui_driver::WindowText(gui_driver::FindControl(about, ui::VersionLabel)),
              L"Version 0.9 (Updated to 0.9.1.5 ) (beta)");
    EXPECT_TRUE(IsWindowVisible(gui_driver::FindControl(about, ui::AboutPanel)));
    EXPECT_FALSE(IsWindowVisible(gui_driver::FindControl(about, ui::OptionsPanel)));
    Screenshot(L"about-panel", about);
    ok(about);
    exitThroughMenu(*app, window);
}

TEST_F(OptionsDialogStory, TheDialogStandsInTheMiddleOfTheScreen) {
    WriteSetting(L"Settings", L"Knows", L"1");
    startDesktop(60);
    auto app = startApp();
    const HWND window = waitForMainWindow(*app);
    ASSERT_TRUE(window);
    const HWND dialog = openDialog(*app, window, ui::OptionsButA);
    ASSERT_TRUE(dialog);
    // The taskbar's 40 pixels at the bottom don't move it up.
    RECT r{};
    GetWindowRect(dialog, &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    ok(dialog);
    exitThroughMenu(*app, window);
}

}  // namespace
}  // namespace orbilux::wine_test
