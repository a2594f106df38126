// Loading ProgramOptions from the settings file (the Run value's part is in
// start_with_windows_test.cpp).
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_registry.h"
#include "tests/support/program_options_print.h"

namespace orbilux {
namespace {

const std::wstring File = L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini";

class OptionsLoadTest : public ::testing::Test {
protected:
    ProgramOptions load() { return LoadOptions(SettingsFile(profile_, File), registry_); }
    test::FakeProfile profile_;
    test::FakeRegistry registry_;
};

TEST_F(OptionsLoadTest, NoSettingsFileGivesTheFirstRunOptions) {
    const ProgramOptions options = load();
    EXPECT_FALSE(options.RunAtStartup);
    EXPECT_FALSE(options.MinimizeOnTray);
    EXPECT_FALSE(options.LoadLastShape);
    EXPECT_FALSE(options.SaveOnStartup);
    EXPECT_TRUE(options.ConfirmSave);
    EXPECT_TRUE(options.ConfirmLoad);
    EXPECT_TRUE(options.AutoBlend);
    EXPECT_EQ(options.Transparency, 90);
    EXPECT_EQ(options.Hue, 0);
    EXPECT_EQ(options.Saturation, 0);
    EXPECT_EQ(options, ProgramOptions{});
}

TEST_F(OptionsLoadTest, LoadingWritesNothing) {
    profile_.put(File, L"Options", L"Hue", L"12");
    load();
    EXPECT_TRUE(profile_.writes.empty());
    EXPECT_EQ(registry_.keyCount(), 0u);  // the Run key is only looked at, never created
}

// One key of the file set to a text, and what the options read from it.
struct KeyCase {
    const wchar_t* section;
    const wchar_t* key;
    const wchar_t* text;
    ProgramOptions expected;
};

ProgramOptions With(void (*change)(ProgramOptions&)) {
    ProgramOptions options;
    change(options);
    return options;
}

class OptionsKeyTest : public OptionsLoadTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(OptionsKeyTest, EachKeyFillsItsOwnField) {
    const KeyCase& c = GetParam();
    profile_.put(File, c.section, c.key, c.text);
    EXPECT_EQ(load(), c.expected) << c.section << L"/" << c.key << L"=" << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Booleans, OptionsKeyTest,
    ::testing::Values(
        KeyCase{L"Options", L"Minimize on Tray", L"1", With([](ProgramOptions& o) { o.MinimizeOnTray = true; })},
        KeyCase{L"Options", L"Minimize on Tray", L"2", With([](ProgramOptions& o) { o.MinimizeOnTray = true; })},
        KeyCase{L"Options", L"Minimize on Tray", L"yes", ProgramOptions{}},
        KeyCase{L"Options", L"Load last shape used", L"1", With([](ProgramOptions& o) { o.LoadLastShape = true; })},
        KeyCase{L"Options", L"Save on startup", L"0x1", With([](ProgramOptions& o) { o.SaveOnStartup = true; })},
        KeyCase{L"Options", L"Show confirmation dialog when saving", L"0",
                With([](ProgramOptions& o) { o.ConfirmSave = false; })},
        KeyCase{L"Options", L"Show confirmation dialog when saving", L"no", ProgramOptions{}},
        KeyCase{L"Options", L"Show confirmation dialog when loading", L"$0",
                With([](ProgramOptions& o) { o.ConfirmLoad = false; })},
        KeyCase{L"Options", L"Auto blend", L"0", With([](ProgramOptions& o) { o.AutoBlend = false; })},
        KeyCase{L"Options", L"Restore icons when the screen changes", L"0",
                With([](ProgramOptions& o) { o.RestoreOnScreenChange = false; })},
        KeyCase{L"Options", L"Auto blend", L"", ProgramOptions{}}));

INSTANTIATE_TEST_SUITE_P(
    Integers, OptionsKeyTest,
    ::testing::Values(
        KeyCase{L"Options", L"Transparency", L"200", With([](ProgramOptions& o) { o.Transparency = 200; })},
        KeyCase{L"Options", L"Transparency", L"0", With([](ProgramOptions& o) { o.Transparency = 0; })},
        KeyCase{L"Options", L"Transparency", L"$C8", With([](ProgramOptions& o) { o.Transparency = 200; })},
        KeyCase{L"Options", L"Transparency", L"high", ProgramOptions{}},
        KeyCase{L"Options", L"Hue", L"359", With([](ProgramOptions& o) { o.Hue = 359; })},
        KeyCase{L"Options", L"Hue", L"0x168", With([](ProgramOptions& o) { o.Hue = 360; })},
        KeyCase{L"Options", L"Saturation", L"-100", With([](ProgramOptions& o) { o.Saturation = -100; })},
        KeyCase{L"Options", L"Saturation", L"-0x20", With([](ProgramOptions& o) { o.Saturation = -32; })},
        KeyCase{L"Options", L"Saturation", L"1.5", ProgramOptions{}}));

// The profile functions strip blanks and quotes, and match names without case.
INSTANTIATE_TEST_SUITE_P(
    AsTheProfileFunctionsRead, OptionsKeyTest,
    ::testing::Values(KeyCase{L"options", L"TRANSPARENCY", L"17", With([](ProgramOptions& o) { o.Transparency = 17; })},
                      KeyCase{L"Options", L"Hue", L"  45  ", With([](ProgramOptions& o) { o.Hue = 45; })},
                      KeyCase{L"Options", L"Hue", L"\"45\"", With([](ProgramOptions& o) { o.Hue = 45; })},
                      KeyCase{L"OPTIONS", L"minimize on tray", L"1",
                              With([](ProgramOptions& o) { o.MinimizeOnTray = true; })},
                      // Right key, wrong section: not an option.
                      KeyCase{L"Settings", L"Transparency", L"17", ProgramOptions{}},
                      KeyCase{L"Form", L"Auto blend", L"0", ProgramOptions{}}));

// Out of range: brought to the nearest end of the option's range.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, OptionsKeyTest,
    ::testing::Values(
        KeyCase{L"Options", L"Transparency", L"300", With([](ProgramOptions& o) { o.Transparency = 255; })},
        KeyCase{L"Options", L"Transparency", L"-5", With([](ProgramOptions& o) { o.Transparency = 0; })},
        KeyCase{L"Options", L"Transparency", L"0xFFFFFFFF", With([](ProgramOptions& o) { o.Transparency = 0; })},
        KeyCase{L"Options", L"Hue", L"361", With([](ProgramOptions& o) { o.Hue = 360; })},
        KeyCase{L"Options", L"Hue", L"-1", With([](ProgramOptions& o) { o.Hue = 0; })},
        KeyCase{L"Options", L"Saturation", L"101", With([](ProgramOptions& o) { o.Saturation = 100; })},
        KeyCase{L"Options", L"Saturation", L"-2147483648", With([](ProgramOptions& o) { o.Saturation = -100; })}));

TEST_F(OptionsLoadTest, ReadsFromTheFileItIsGivenOnly) {
    profile_.put(L"C:\\Program Files\\Orbilux\\Setting.ini", L"Options", L"Hue", L"100");
    EXPECT_EQ(load().Hue, 0);
    EXPECT_EQ(LoadOptions(SettingsFile(profile_, L"c:\\program files\\orbilux\\SETTING.INI"), registry_).Hue, 100);
}

}  // namespace
}  // namespace orbilux
