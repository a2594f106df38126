// Stories of the setup program the build made (installer/): silent
// installs, the installed Orbilux.exe on the stand-in desktop with one
// running copy, and the uninstaller, silent and ticked, against the real
// registry and folders of the Wine prefix.
#include <gtest/gtest.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "tests/wine/app_wine_support.h"
#include "tests/wine/wine_test_support.h"

namespace orbilux::wine_test {
namespace {

namespace fs = std::filesystem;
using gui_driver::WaitUntil;

constexpr const wchar_t* UninstallKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Orbilux";

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, path, csidl, FALSE);
    return path;
}
std::wstring DefaultFolder() { return KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\Orbilux"; }
std::wstring Shortcut() { return KnownFolder(CSIDL_PROGRAMS) + L"\\Orbilux.lnk"; }

// The setup programs lie in the build's folders (tests/wine/CMakeLists.txt).
std::wstring BuiltSetup(const wchar_t* fromBinaryFolder) {
    std::wstring path = BinaryFolder() + fromBinaryFolder;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::optional<std::wstring> EntryValue(const wchar_t* name) {
    auto key = win32::Win32Registry().openKeyForReading(UninstallKey);
    return key ? key->readString(name) : std::nullopt;
}

// Where the shortcut leads, as the shell reads it.
std::wstring ShortcutTarget(const std::wstring& link) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring target;
    IShellLinkW* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&shellLink)))) {
        IPersistFile* file = nullptr;
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(shellLink->QueryInterface(IID_PPV_ARGS(&file)))) {
            if (SUCCEEDED(file->Load(link.c_str(), STGM_READ)) &&
                SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
                target = path;
            file->Release();
        }
        shellLink->Release();
    }
    CoUninitialize();
    return target;
}

// Every file below `folder`, relative to it, sorted.
std::vector<std::wstring> FilesBelow(const std::wstring& folder) {
    std::vector<std::wstring> files;
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(folder), error))
        if (entry.is_regular_file()) files.push_back(entry.path().lexically_relative(fs::path(folder)).wstring());
    std::sort(files.begin(), files.end());
    return files;
}

int MainWindowCount() {
    int count = 0;
    for (HWND w = nullptr; (w = FindWindowExW(nullptr, w, L"Tptt", nullptr)) != nullptr;) ++count;
    return count;
}

class InstallerStory : public AppStory {
protected:
    void TearDown() override {
        AppStory::TearDown();
        // Whatever a failed story left behind, so the next one starts clean.
        std::error_code error;
        fs::remove_all(fs::path(DefaultFolder()), error);
        DeleteFileW(Shortcut().c_str());
        win32::Win32Registry().deleteKeyTree(UninstallKey);
    }

    static DWORD Install(const wchar_t* setup, const std::wstring& arguments = L"") {
        return RunProcess(Quote(BuiltSetup(setup)) + L" /S" + arguments).exitCode;
    }

    // The uninstaller hands over to a copy of itself in the temporary
    // folder and ends at once; the entry is the last thing that copy removes.
    static void UninstallSilently(const std::wstring& folder) {
        EXPECT_EQ(RunProcess(Quote(folder + L"\\Uninstall.exe") + L" /S").exitCode, 0u);
        EXPECT_TRUE(WaitUntil([] { return !win32::Win32Registry().keyExists(UninstallKey); }, StepTimeoutMs));
    }
};

TEST_F(InstallerStory, ASilentInstallStartsOneCopyAndASilentUninstallLeavesTheLayouts) {
    ASSERT_EQ(Install(ORBILUX_SETUP), 0u);
    const std::wstring folder = DefaultFolder();
    for (const wchar_t* file : {L"Orbilux.exe", L"orbiluxctl.exe", L"README.txt", L"Uninstall.exe"})
        EXPECT_TRUE(FileExists(folder + L"\\" + file)) << file;
    EXPECT_EQ(FilesBelow(folder + L"\\Shapes"), FilesBelow(BinaryFolder() + L"Shapes"));
    EXPECT_EQ(ShortcutTarget(Shortcut()), folder + L"\\Orbilux.exe");
    EXPECT_EQ(EntryValue(L"DisplayName"), L"Orbilux");
    EXPECT_EQ(EntryValue(L"DisplayVersion"), L"0.9.0");
    EXPECT_EQ(EntryValue(L"Publisher"), L"Orbilux");
    EXPECT_EQ(EntryValue(L"DisplayIcon"), folder + L"\\Orbilux.exe,0");
    EXPECT_EQ(EntryValue(L"InstallLocation"), folder);
    EXPECT_EQ(EntryValue(L"UninstallString"), L"\"" + folder + L"\\Uninstall.exe\"");
    EXPECT_EQ(EntryValue(L"QuietUninstallString"), L"\"" + folder + L"\\Uninstall.exe\" /S");
    const auto size = win32::Win32Registry().openKeyForReading(UninstallKey)->readValue(L"EstimatedSize");
    ASSERT_TRUE(size && size->type == uint32_t(RegistryType::Dword) && size->data.size() == sizeof(DWORD));
    DWORD kilobytes = 0;
    std::memcpy(&kilobytes, size->data.data(), sizeof kilobytes);
    EXPECT_GT(kilobytes, 1000u);  // the programs and the shapes

    // A layout saved with the installed orbiluxctl; the installed program on
    // the desktop, tucked away into the tray.
    startDesktop(60);
    EXPECT_EQ(RunProcess(Quote(folder + L"\\orbiluxctl.exe") + L" save --description Mine").exitCode, 0u);
    WriteSetting(L"Settings", L"Knows", L"1");
    WriteSetting(L"Options", L"Minimize on Tray", L"1");
    gui_driver::AppProcess app(Quote(folder + L"\\Orbilux.exe"));
    const HWND window = waitForMainWindow(app);
    ASSERT_TRUE(window);
    gui_driver::Minimize(window);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(window) && IsIconic(window); }, StepTimeoutMs));

    // A second start brings it back to the front and ends, with no window of its own.
    gui_driver::AppProcess second(Quote(folder + L"\\Orbilux.exe"));
    ASSERT_TRUE(second.waitForExit(StepTimeoutMs));
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_TRUE(IsWindowVisible(window) && !IsIconic(window));
    // The taskbar button's window may be activated on the way (it hands the
    // activation on to the main window): what counts is where it ends.
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }, StepTimeoutMs))
        << "in front: " << GetForegroundWindow() << ", the main window: " << window;
    EXPECT_EQ(MainWindowCount(), 1);
    Screenshot(L"installed-brought-forward", window);

    // "Start with Windows" on; the uninstaller refuses while the program runs
    // (run in place, so its exit code comes back).
    win32::Win32Registry().openKey(RunKeyPath, true)->writeString(RunValueName, L"\"" + folder + L"\\Orbilux.exe\"");
    EXPECT_EQ(RunProcess(Quote(folder + L"\\Uninstall.exe") + L" /S _?=" + folder).exitCode, 2u);
    EXPECT_TRUE(FileExists(folder + L"\\Orbilux.exe"));
    exitThroughMenu(app, window);

    UninstallSilently(folder);
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(Shortcut()));
    EXPECT_FALSE(win32::Win32Registry().openKey(RunKeyPath, false)->hasValue(RunValueName));
    // The user's layout and the one the program keeps for this screen size.
    std::vector<std::wstring> layouts = SavedLayoutDescriptions();
    std::sort(layouts.begin(), layouts.end());
    EXPECT_EQ(layouts, (std::vector<std::wstring>{L"Automatic: 1280 x 1024", L"Mine"}));
    EXPECT_TRUE(FileExists(SettingsFilePath()));
}

TEST_F(InstallerStory, AnUpgradeKeepsTheUsersShapesAndSettingsAndTheTickRemovesOnlyLayoutsAndSettings) {
    const ScratchFolder scratch(L"install");
    const std::wstring folder = scratch / L"My Tools\\Orbilux";
    ASSERT_EQ(Install(ORBILUX_EARLIER_SETUP, L" /D=" + folder), 0u);
    EXPECT_EQ(EntryValue(L"DisplayVersion"), L"0.1.0");

    // The user's own shapes, settings, a saved layout and a file of their own.
    const std::wstring ownShapes[] = {folder + L"\\Shapes\\Mine\\Wave.shp", folder + L"\\Shapes\\Love\\Mine.shp"};
    CreateDirectoryW((folder + L"\\Shapes\\Mine").c_str(), nullptr);
    for (const std::wstring& shape : ownShapes) ASSERT_TRUE(WriteBytes(shape, {1, 2, 3, 4, 5, 6, 7, 8}));
    WriteSetting(L"Options", L"Hue", L"120");
    const std::wstring notes = KnownFolder(CSIDL_PERSONAL) + L"\\Orbilux\\Notes.txt";
    ASSERT_TRUE(WriteBytes(notes, {'h', 'i'}));
    win32::Win32Registry()
        .openKey(L"Software\\Orbilux\\Saves", true)
        ->writeString(L"12345678", L"3/7/2024 02:05:09 PM\u00BCMine\u00BC1280\u00BC1024\u00BC60\u00BC");

    // The release over it, into the same folder without being told.
    ASSERT_EQ(Install(ORBILUX_SETUP), 0u);
    EXPECT_EQ(EntryValue(L"DisplayVersion"), L"0.9.0");
    EXPECT_EQ(EntryValue(L"InstallLocation"), folder);
    for (const std::wstring& shape : ownShapes) EXPECT_TRUE(FileExists(shape)) << shape.c_str();
    EXPECT_EQ(ReadSetting(L"Options", L"Hue"), L"120");
    EXPECT_EQ(SavedLayoutDescriptions(), std::vector<std::wstring>{L"Mine"});

    // The uninstaller as the user sees it, with the tick.
    gui_driver::AppProcess uninstaller(Quote(folder + L"\\Uninstall.exe"));
    HWND page = nullptr;
    HWND tick = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            page = FindWindowW(nullptr, L"Orbilux Uninstall");
            tick = page ? gui_driver::FindControlByText(page, L"&Also remove my saved layouts and settings") : nullptr;
            return tick && IsWindowVisible(tick);
        },
        StepTimeoutMs));
    Screenshot(L"uninstaller", page);
    gui_driver::Click(tick);
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(tick, BM_GETCHECK, 0, 0) == BST_CHECKED; }, StepTimeoutMs));
    gui_driver::Click(GetDlgItem(page, IDOK));
    ASSERT_TRUE(WaitUntil([] { return !win32::Win32Registry().keyExists(UninstallKey); }, StepTimeoutMs));
    // Done: the button turns into "Close".
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(GetDlgItem(page, IDOK)); }, StepTimeoutMs));
    gui_driver::Click(GetDlgItem(page, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(page); }, StepTimeoutMs));

    // Only the user's own shapes are left, and the folders that hold them.
    EXPECT_FALSE(FileExists(folder + L"\\Shapes\\Basic"));
    EXPECT_EQ(FilesBelow(folder), (std::vector<std::wstring>{L"Shapes\\Love\\Mine.shp", L"Shapes\\Mine\\Wave.shp"}));
    EXPECT_FALSE(win32::Win32Registry().keyExists(L"Software\\Orbilux"));
    EXPECT_FALSE(FileExists(SettingsFilePath()));
    EXPECT_TRUE(FileExists(notes));
    DeleteFileW(notes.c_str());
}

}  // namespace
}  // namespace orbilux::wine_test
