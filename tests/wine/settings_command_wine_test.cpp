// orbiluxctl settings run as its own process, on the user's real settings
// file and Run key in the throwaway prefix.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "platform/text.h"
#include "settings/start_with_windows.h"
#include "tests/wine/settings_wine_support.h"
#include "tests/wine/wine_test_support.h"

namespace orbilux {
namespace {

std::string JsonEscaped(const std::wstring& text) {
    std::string out;
    for (const char c : Utf8FromWide(text)) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out;
}

class SettingsCommandWine : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t documents[MAX_PATH] = {};
        ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, documents, CSIDL_PERSONAL, FALSE));
        folder_ = std::wstring(documents) + L"\\Orbilux";
        file_ = folder_ + L"\\Settings.ini";
        folderExisted_ = wine_test::FileExists(folder_);
        fileGuard_.emplace(file_);
        DeleteFileW(file_.c_str());
        if (auto key = registry_.openKey(RunKeyPath, false)) key->deleteValue(RunValueName);
    }
    void TearDown() override {
        fileGuard_.reset();
        if (!folderExisted_) RemoveDirectoryW(folder_.c_str());
    }
    wine_test::ProcessResult settings(const std::wstring& arguments) {
        return wine_test::RunProcess(wine_test::Quote(wine_test::BinaryFolder() + L"orbiluxctl.exe") + L" settings" +
                                     arguments);
    }
    void writeKey(const wchar_t* key, const wchar_t* value) {
        CreateDirectoryW(folder_.c_str(), nullptr);
        ASSERT_TRUE(WritePrivateProfileStringW(L"Options", key, value, file_.c_str()));
    }

    wine_test::RunValueGuard runValue_;
    win32::Win32Registry registry_;
    std::wstring folder_, file_;
    bool folderExisted_ = false;
    std::optional<wine_test::FileGuard> fileGuard_;
};

TEST_F(SettingsCommandWine, JsonWithoutASettingsFileShowsTheFirstRunOptions) {
    const auto run = settings(L" --json");
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "{\"path\": \"" + JsonEscaped(file_) +
                           "\", \"RunAtStartup\": false, \"MinimizeOnTray\": false, \"LoadLastShape\": false, "
                           "\"SaveOnStartup\": false, \"ConfirmSave\": true, \"ConfirmLoad\": true, "
                           "\"AutoBlend\": true, \"RestoreOnScreenChange\": true, \"Transparency\": 90, \"Hue\": 0, "
                           "\"Saturation\": 0}\n");
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_FALSE(wine_test::FileExists(file_));  // showing the settings writes none
}

TEST_F(SettingsCommandWine, JsonShowsWhatTheFileAndTheRunValueHold) {
    writeKey(L"Minimize on Tray", L"yes");
    writeKey(L"Load last shape used", L"2");
    writeKey(L"Show confirmation dialog when loading", L"0");
    writeKey(L"Transparency", L"0x20");
    writeKey(L"Hue", L"300");
    writeKey(L"Saturation", L"-250");
    registry_.openKey(RunKeyPath, true)->writeString(RunValueName, L"\"C:\\somewhere else\\Orbilux.exe\"");

    const auto run = settings(L" --json");
    ASSERT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "{\"path\": \"" + JsonEscaped(file_) +
                           "\", \"RunAtStartup\": true, \"MinimizeOnTray\": false, \"LoadLastShape\": true, "
                           "\"SaveOnStartup\": false, \"ConfirmSave\": true, \"ConfirmLoad\": false, "
                           "\"AutoBlend\": true, \"RestoreOnScreenChange\": true, \"Transparency\": 32, \"Hue\": 300, "
                           "\"Saturation\": -100}\n");
}

TEST_F(SettingsCommandWine, TextNamesTheFileFirstAndBadArgumentsAreUsageErrors) {
    const auto text = settings(L"");
    ASSERT_EQ(text.exitCode, 0u) << text.err;
    EXPECT_EQ(text.out.substr(0, text.out.find('\n')), "settings file:  " + Utf8FromWide(file_));
    EXPECT_NE(text.out.find("\nTransparency:   90\n"), std::string::npos) << text.out;

    const auto bad = settings(L" --jsonn");
    EXPECT_EQ(bad.exitCode, 2u);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("usage: orbiluxctl settings [--json]"), std::string::npos) << bad.err;
}

}  // namespace
}  // namespace orbilux
