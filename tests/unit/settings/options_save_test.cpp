// Saving ProgramOptions: the keys, their order and texts, what a save leaves
// alone, and where a failed write stops it.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "settings/start_with_windows.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_registry.h"
#include "tests/support/program_options_print.h"

namespace orbilux {
namespace {

const std::wstring File = L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini";
const std::wstring Program = L"C:\\Program Files\\Orbilux\\Orbilux.exe";

// The "Options" keys in the order the file lists them.
const std::vector<std::wstring> OptionKeysInOrder = {
    L"Minimize on Tray",
    L"Load last shape used",
    L"Save on startup",
    L"Show confirmation dialog when saving",
    L"Show confirmation dialog when loading",
    L"Auto blend",
    L"Transparency",
    L"Hue",
    L"Saturation",
    L"Restore icons when the screen changes",
};

ProgramOptions Changed() {
    ProgramOptions o;
    o.MinimizeOnTray = true;
    o.LoadLastShape = false;
    o.SaveOnStartup = true;
    o.ConfirmSave = false;
    o.ConfirmLoad = true;
    o.AutoBlend = false;
    o.Transparency = 255;
    o.Hue = 360;
    o.Saturation = -100;
    o.RestoreOnScreenChange = false;
    return o;
}

class OptionsSaveTest : public ::testing::Test {
protected:
    void save(const ProgramOptions& options) {
        SettingsFile file(profile_, File);
        SaveOptions(file, options, registry_, Program);
    }
    std::optional<std::wstring> runValue() {
        auto key = registry_.openKey(RunKeyPath, false);
        return key ? key->readString(RunValueName) : std::nullopt;
    }
    test::FakeProfile profile_;
    test::FakeRegistry registry_;
};

TEST_F(OptionsSaveTest, WritesTheTenOptionKeysInOrderWithTheirTexts) {
    save(Changed());
    ASSERT_EQ(profile_.writes.size(), 10u);
    const std::wstring texts[] = {L"1", L"0", L"1", L"0", L"1", L"0", L"255", L"360", L"-100", L"0"};
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(profile_.writes[i].file, File);
        EXPECT_EQ(profile_.writes[i].section, L"Options");
        EXPECT_EQ(profile_.writes[i].key, OptionKeysInOrder[i]);
        EXPECT_EQ(profile_.writes[i].value, texts[i]) << OptionKeysInOrder[i];
    }
}

TEST_F(OptionsSaveTest, WhatIsSavedLoadsBack) {
    for (ProgramOptions options : {ProgramOptions{}, Changed()}) {
        options.RunAtStartup = !options.RunAtStartup;
        save(options);
        EXPECT_EQ(LoadOptions(SettingsFile(profile_, File), registry_), options);
    }
}

TEST_F(OptionsSaveTest, LeavesEveryOtherKeyOfTheFileAsItWas) {
    profile_.put(File, L"Form", L"Left", L"120");
    profile_.put(File, L"Settings", L"SPath", L"C:\\Shapes\\Hearts\\heart.shp");
    profile_.put(File, L"Settings", L"Knows", L"1");
    profile_.put(File, L"options", L"hue", L"5");  // spelled differently: replaced in place
    profile_.put(File, L"Options", L"Something else", L"keep me");
    save(Changed());

    EXPECT_EQ(profile_.raw(File, L"Form", L"Left"), L"120");
    EXPECT_EQ(profile_.raw(File, L"Settings", L"SPath"), L"C:\\Shapes\\Hearts\\heart.shp");
    EXPECT_EQ(profile_.raw(File, L"Settings", L"Knows"), L"1");
    EXPECT_EQ(profile_.raw(File, L"Options", L"Something else"), L"keep me");
    EXPECT_EQ(profile_.raw(File, L"Options", L"Hue"), L"360");
    const auto* file = profile_.file(File);
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(file->sections.size(), 3u);  // no second "Options" section
    EXPECT_EQ(file->sections[2].entries.size(), 11u);
}

// A write that fails at key N: keys before it are written, it and every key
// after it are not, the error names the file, and the Run value stays as it
// was whether the save would have written or removed it.
class OptionsSaveFailureTest : public OptionsSaveTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(OptionsSaveFailureTest, StopsAtTheFailingKeyAndLeavesTheRunValueAlone) {
    const std::size_t failing = GetParam();
    for (const bool runAtStartup : {true, false}) {
        profile_ = test::FakeProfile{};
        registry_ = test::FakeRegistry{};
        // Before: the opposite of what the save asks for.
        if (!runAtStartup) registry_.putString(RunKeyPath, RunValueName, L"\"D:\\old\\Orbilux.exe\"");
        profile_.failingKeys.insert(test::FoldCase(OptionKeysInOrder[failing]));

        ProgramOptions options = Changed();
        options.RunAtStartup = runAtStartup;
        SettingsFile file(profile_, File);
        try {
            SaveOptions(file, options, registry_, Program);
            FAIL() << "no error for a failed write";
        } catch (const SettingsWriteError& e) {
            EXPECT_STREQ(e.what(), "Unable to write to C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini");
            EXPECT_EQ(e.file(), File);
            EXPECT_EQ(e.message(), L"Unable to write to " + File);
        }

        ASSERT_EQ(profile_.writes.size(), failing);
        for (std::size_t i = 0; i < OptionKeysInOrder.size(); ++i)
            EXPECT_EQ(profile_.raw(File, L"Options", OptionKeysInOrder[i]).has_value(), i < failing)
                << OptionKeysInOrder[i];
        if (runAtStartup)
            EXPECT_EQ(runValue(), std::nullopt);
        else
            EXPECT_EQ(runValue(), L"\"D:\\old\\Orbilux.exe\"");
    }
}

INSTANTIATE_TEST_SUITE_P(EachKey, OptionsSaveFailureTest, ::testing::Range<std::size_t>(0, 10));

TEST_F(OptionsSaveTest, AnUnwritableFileWritesNothingAtAll) {
    profile_.unwritableFiles.insert(test::FoldCase(File));
    ProgramOptions options;
    options.RunAtStartup = true;
    SettingsFile file(profile_, File);
    EXPECT_THROW(SaveOptions(file, options, registry_, Program), SettingsWriteError);
    EXPECT_FALSE(profile_.exists(File));
    EXPECT_FALSE(registry_.keyExists(RunKeyPath));
}

}  // namespace
}  // namespace orbilux
