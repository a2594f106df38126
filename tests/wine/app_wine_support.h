// The stage for the stories that drive the real Orbilux.exe under Wine: the
// stand-in desktop (with its taskbar), a clean settings file and registry,
// and helpers to start the program, find its window, read what it left in
// the settings file and the registry, and save screenshots into the test
// run's output.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/wine/settings_wine_support.h"
#include "tools/gui-driver/gui_driver.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux::wine_test {

// Where each of the stand-in's icons stands now, in index order.
using Positions = std::vector<std::pair<int, int>>;
Positions IconPositions(standin::StandInDesktop& desktop);

// How long a step of a story may take under Wine before it counts as hung.
inline constexpr DWORD StepTimeoutMs = 20000;

class AppStory : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The stand-in desktop with that many icons and a 40-pixel taskbar.
    void startDesktop(int icons = 60);
    // The same with any other options (the taskbar is always there).
    void startDesktop(standin::LaunchOptions options);
    standin::StandInDesktop& desktop() { return *desktop_; }

    // Starts Orbilux.exe from the test binary's folder.
    std::unique_ptr<gui_driver::AppProcess> startApp(const std::wstring& arguments = L"");
    // Its main window once it is shown (fails the test on a timeout).
    HWND waitForMainWindow(gui_driver::AppProcess& app);
    // Answers the message box that must come up next, returning its text;
    // with `title`, the box must also have that title.
    std::wstring answerMessageBox(gui_driver::AppProcess& app, int button = IDOK, const wchar_t* title = nullptr);
    // The first pick of "Heart" in the "Love" group, which lays the shape
    // out without moving an icon; returns the shape list for the second
    // pick, nullptr (after failing the test) when a step timed out.
    HWND pickHeartOnce(HWND window);
    // "Exit" from the File menu; the program must end.
    void exitThroughMenu(gui_driver::AppProcess& app, HWND window);

    // The settings file as the program finds it, and its contents.
    static std::wstring SettingsFilePath();
    static void WriteSetting(const wchar_t* section, const wchar_t* key, const std::wstring& value);
    static std::wstring ReadSetting(const wchar_t* section, const wchar_t* key);
    // "Section/Key" for every key line of the file, in file order.
    static std::vector<std::wstring> SettingsFileKeys();

    // The descriptions of the layouts saved under Software\Orbilux.
    static std::vector<std::wstring> SavedLayoutDescriptions();

    // Saves the screen area of the window (or the whole screen) as
    // <screenshots folder>\<name>.png.
    static void Screenshot(const std::wstring& name, HWND window = nullptr);

    // The system DPI new programs start with (Wine's LogPixels), put back
    // to 96 at the end of the test.
    static void SetStartDpi(DWORD dpi);

private:
    std::unique_ptr<standin::StandInDesktop> desktop_;
    std::unique_ptr<FileGuard> settingsGuard_;
    std::unique_ptr<RunValueGuard> runGuard_;
};

}  // namespace orbilux::wine_test
