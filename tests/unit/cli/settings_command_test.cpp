#include <gtest/gtest.h>

#include <sstream>

#include "cli/settings_command.h"
#include "settings/start_with_windows.h"
#include "tests/support/cli_run.h"
#include "tests/support/fake_locations.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_registry.h"

namespace orbilux::cli {
namespace {

class SettingsCommandTest : public ::testing::Test {
protected:
    int run(const Args& args) {
        const test::CliRun result = test::RunCommand(SettingsCommandOver(profile_, registry_, locations_), args);
        out_ = result.out;
        err_ = result.err;
        return result.status;
    }
    test::FakeProfile profile_;
    test::FakeRegistry registry_;
    test::FakeLocations locations_;
    std::string out_, err_;
};

TEST_F(SettingsCommandTest, JsonHasThePathAndTheTenFieldsByName) {
    const std::wstring file = L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini";
    profile_.put(file, L"Options", L"Minimize on Tray", L"2");
    profile_.put(file, L"Options", L"Show confirmation dialog when loading", L"0");
    profile_.put(file, L"Options", L"Transparency", L"$C8");
    profile_.put(file, L"Options", L"Saturation", L"-40");
    registry_.putString(RunKeyPath, RunValueName, L"\"D:\\elsewhere\\Orbilux.exe\"");
    ASSERT_EQ(run({"--json"}), ExitOk) << err_;
    EXPECT_EQ(out_,
              "{\"path\": \"C:\\\\Users\\\\ann\\\\Documents\\\\Orbilux\\\\Settings.ini\", \"RunAtStartup\": true, "
              "\"MinimizeOnTray\": true, \"LoadLastShape\": false, \"SaveOnStartup\": false, \"ConfirmSave\": true, "
              "\"ConfirmLoad\": false, \"AutoBlend\": true, \"RestoreOnScreenChange\": true, \"Transparency\": 200, "
              "\"Hue\": 0, "
              "\"Saturation\": -40}\n");
    EXPECT_TRUE(profile_.writes.empty());
}

TEST_F(SettingsCommandTest, TextNamesTheFileAndEachOption) {
    locations_.documents.reset();
    locations_.program = L"C:\\Tools\\\u00C9t\u00E9\\orbiluxctl.exe";
    ASSERT_EQ(run({}), ExitOk) << err_;
    EXPECT_EQ(out_,
              "settings file:  C:\\Tools\\\xC3\x89t\xC3\xA9\\Setting.ini\n"
              "RunAtStartup:   false\n"
              "MinimizeOnTray: false\n"
              "LoadLastShape:  false\n"
              "SaveOnStartup:  false\n"
              "ConfirmSave:    true\n"
              "ConfirmLoad:    true\n"
              "AutoBlend:      true\n"
              "RestoreOnScreenChange: true\n"
              "Transparency:   90\n"
              "Hue:            0\n"
              "Saturation:     0\n");
}

TEST_F(SettingsCommandTest, RejectsArguments) {
    EXPECT_EQ(run({"extra"}), ExitUsage);
    EXPECT_NE(err_.find("usage: orbiluxctl settings [--json]"), std::string::npos) << err_;
    EXPECT_EQ(run({"--verbose"}), ExitUsage);
    EXPECT_TRUE(out_.empty());
}

}  // namespace
}  // namespace orbilux::cli
