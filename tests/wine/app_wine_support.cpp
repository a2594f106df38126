#include "tests/wine/app_wine_support.h"

#include <shlobj.h>

#include <cstring>

#include "desktop/layout_header.h"
#include "platform/win32/registry_win32.h"
#include "tests/wine/wine_test_support.h"
#include "ui/control_ids.h"

namespace orbilux::wine_test {

namespace {

constexpr const wchar_t* ProgramKey = L"Software\\Orbilux";
constexpr const wchar_t* DesktopKey = L"Control Panel\\Desktop";

std::wstring DocumentsFolder() {
    wchar_t path[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE);
    return path;
}

// The file's text: UTF-16 with its byte-order mark (as the program makes
// new files) or the ANSI code page.
std::wstring FileText(const std::wstring& path) {
    const auto bytes = ReadBytes(path);
    if (!bytes) return {};
    if (bytes->size() >= 2 && (*bytes)[0] == 0xFF && (*bytes)[1] == 0xFE) {
        std::wstring text((bytes->size() - 2) / 2, L'\0');
        std::memcpy(text.data(), bytes->data() + 2, text.size() * 2);
        return text;
    }
    return std::wstring(bytes->begin(), bytes->end());
}

}  // namespace

Positions IconPositions(standin::StandInDesktop& desktop) {
    Positions positions;
    for (const auto& item : desktop.report().items) positions.emplace_back(item.x, item.y);
    return positions;
}

void AppStory::SetUp() {
    settingsGuard_ = std::make_unique<FileGuard>(SettingsFilePath());
    runGuard_ = std::make_unique<RunValueGuard>();
    DeleteFileW(SettingsFilePath().c_str());
    win32::Win32Registry().deleteKeyTree(ProgramKey);
}

void AppStory::TearDown() {
    desktop_.reset();
    win32::Win32Registry().deleteKeyTree(ProgramKey);
    if (auto key = win32::Win32Registry().openKey(DesktopKey, false)) key->deleteValue(L"LogPixels");
    runGuard_.reset();
    settingsGuard_.reset();
}

void AppStory::startDesktop(int icons) {
    standin::LaunchOptions options;
    options.icons = icons;
    startDesktop(options);
}

void AppStory::startDesktop(standin::LaunchOptions options) {
    options.taskbarHeight = 40;
    desktop_.reset();  // one stand-in at a time
    desktop_ = std::make_unique<standin::StandInDesktop>(BinaryFolder(), options);
}

std::unique_ptr<gui_driver::AppProcess> AppStory::startApp(const std::wstring& arguments) {
    std::wstring line = Quote(BinaryFolder() + L"Orbilux.exe");
    if (!arguments.empty()) line += L" " + arguments;
    return std::make_unique<gui_driver::AppProcess>(line);
}

HWND AppStory::pickHeartOnce(HWND window) {
    if (gui_driver::ChooseComboItem(gui_driver::FindControl(window, ui::ShapeGroupsBox), L"Love") < 1) {
        ADD_FAILURE() << "no group \"Love\"";
        return nullptr;
    }
    const HWND list = gui_driver::FindControl(window, ui::ShapesListBox);
    const bool picked =
        gui_driver::WaitUntil([&] { return gui_driver::WindowText(window) == L"Orbilux - 4 shapes in Love"; },
                              StepTimeoutMs) &&
        gui_driver::ClickListLine(list, L"Heart") &&
        gui_driver::WaitUntil(
            [&] { return gui_driver::WindowText(window) == L"Orbilux - 'Heart' shape from Love"; }, StepTimeoutMs);
    EXPECT_TRUE(picked) << "the first pick of the heart";
    return picked ? list : nullptr;
}

HWND AppStory::waitForMainWindow(gui_driver::AppProcess& app) {
    const HWND window = gui_driver::WaitForWindow(app.id(), L"Tptt", StepTimeoutMs, true);
    EXPECT_NE(window, nullptr) << "the main window did not show";
    if (window) gui_driver::WaitUntilIdle(window);
    return window;
}

std::wstring AppStory::answerMessageBox(gui_driver::AppProcess& app, int button, const wchar_t* title) {
    const auto box = gui_driver::WaitForMessageBox(app.id(), StepTimeoutMs);
    EXPECT_TRUE(box.has_value()) << "no message box came up";
    if (!box) return {};
    if (title) {
        EXPECT_EQ(box->title, title);
    }
    gui_driver::AnswerMessageBox(box->window, button);
    // Gone before the next step looks for windows.
    gui_driver::WaitUntil([&] { return !IsWindow(box->window) || !IsWindowVisible(box->window); }, StepTimeoutMs);
    return box->text;
}

void AppStory::exitThroughMenu(gui_driver::AppProcess& app, HWND window) {
    gui_driver::ChooseCommand(window, 1009 /* ExitA */);
    EXPECT_TRUE(app.waitForExit(StepTimeoutMs)) << "the program did not end";
}

std::wstring AppStory::SettingsFilePath() {
    return DocumentsFolder() + L"\\Orbilux\\Settings.ini";
}

void AppStory::WriteSetting(const wchar_t* section, const wchar_t* key, const std::wstring& value) {
    CreateDirectoryW((DocumentsFolder() + L"\\Orbilux").c_str(), nullptr);
    WritePrivateProfileStringW(section, key, value.c_str(), SettingsFilePath().c_str());
}

std::wstring AppStory::ReadSetting(const wchar_t* section, const wchar_t* key) {
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 1024, SettingsFilePath().c_str());
    return value;
}

std::vector<std::wstring> AppStory::SettingsFileKeys() {
    std::vector<std::wstring> keys;
    std::wstring section;
    const std::wstring text = FileText(SettingsFilePath());
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (!line.empty() && line.front() == L'[')
            section = line.substr(1, line.find(L']') - 1);
        else if (const std::size_t equals = line.find(L'='); equals != std::wstring::npos)
            keys.push_back(section + L"/" + line.substr(0, equals));
        start = end + 1;
    }
    return keys;
}

std::vector<std::wstring> AppStory::SavedLayoutDescriptions() {
    std::vector<std::wstring> descriptions;
    auto key = win32::Win32Registry().openKeyForReading(std::wstring(ProgramKey) + L"\\Saves");
    if (!key) return descriptions;
    for (const std::wstring& id : key->valueNames())
        if (const auto header = key->readString(id)) descriptions.push_back(ParseHeader(id, *header, {}).description);
    return descriptions;
}

void AppStory::Screenshot(const std::wstring& name, HWND window) {
    wchar_t folder[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"ORBILUX_SCREENSHOTS", folder, MAX_PATH))
        lstrcpynW(folder, (BinaryFolder() + L"screenshots").c_str(), MAX_PATH);
    if (window) gui_driver::WaitUntilIdle(window);
    Sleep(200);  // the shell's and the window's last paints
    const RECT area = window ? gui_driver::WindowRect(window) : gui_driver::ScreenRect();
    EXPECT_TRUE(gui_driver::SaveScreenshot(std::wstring(folder) + L"\\" + name + L".png", area));
}

void AppStory::SetStartDpi(DWORD dpi) {
    auto key = win32::Win32Registry().openKey(DesktopKey, true);
    ASSERT_TRUE(key);
    // A DWORD value; the registry port writes strings and binary values, so
    // this one goes straight to the API.
    HKEY raw = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, DesktopKey, 0, KEY_SET_VALUE, &raw), ERROR_SUCCESS);
    RegSetValueExW(raw, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    RegCloseKey(raw);
}

}  // namespace orbilux::wine_test
