// The start-with-Windows entry: the Run value read, written and removed, on
// its own and as part of loading and saving the options.
#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "settings/start_with_windows.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_registry.h"
#include "tests/support/recording_registry.h"

namespace orbilux {
namespace {

const std::wstring File = L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini";
const std::wstring Program = L"C:\\Program Files\\Orbilux\\Orbilux.exe";
const std::wstring QuotedProgram = L"\"C:\\Program Files\\Orbilux\\Orbilux.exe\"";

class StartWithWindowsTest : public ::testing::Test {
protected:
    std::optional<std::wstring> runValue() {
        auto key = registry_.openKey(RunKeyPath, false);
        return key ? key->readString(RunValueName) : std::nullopt;
    }
    bool loadRunAtStartup() { return LoadOptions(SettingsFile(profile_, File), registry_).RunAtStartup; }
    bool save(bool runAtStartup, RegistryPort& registry) {
        ProgramOptions options;
        options.RunAtStartup = runAtStartup;
        SettingsFile file(profile_, File);
        return SaveOptions(file, options, registry, Program);
    }
    bool save(bool runAtStartup) { return save(runAtStartup, registry_); }

    test::FakeProfile profile_;
    test::FakeRegistry registry_;
};

TEST_F(StartWithWindowsTest, PresenceOfTheValueIsWhatRunAtStartupMeans) {
    EXPECT_FALSE(loadRunAtStartup());  // no Run key at all
    registry_.ensureKey(RunKeyPath);
    EXPECT_FALSE(loadRunAtStartup());  // key without our value
    registry_.putString(RunKeyPath, L"Other program", L"\"C:\\other.exe\"");
    EXPECT_FALSE(loadRunAtStartup());
    registry_.putString(RunKeyPath, L"orbilux", QuotedProgram);  // value names match without case
    EXPECT_TRUE(loadRunAtStartup());
}

TEST_F(StartWithWindowsTest, AValueHoldingAnotherPathOrTypeStillCountsAsOn) {
    registry_.putString(RunKeyPath, RunValueName, L"\"D:\\old copy\\Orbilux.exe\"");
    EXPECT_TRUE(loadRunAtStartup());
    registry_.put(RunKeyPath, RunValueName, uint32_t(RegistryType::Dword), {1, 0, 0, 0});
    EXPECT_TRUE(loadRunAtStartup());
}

TEST_F(StartWithWindowsTest, SavingWithItOnWritesTheQuotedPathCreatingTheKey) {
    EXPECT_TRUE(save(true));
    EXPECT_EQ(runValue(), QuotedProgram);
    const auto value = registry_.openKey(RunKeyPath, false)->readValue(RunValueName);
    EXPECT_EQ(value->type, uint32_t(RegistryType::String));
}

TEST_F(StartWithWindowsTest, AForeignPathIsRewrittenWithTheCurrentOneOnTheNextSave) {
    registry_.putString(RunKeyPath, RunValueName, L"\"D:\\old copy\\Orbilux.exe\"");
    registry_.putString(RunKeyPath, L"Other program", L"\"C:\\other.exe\"");
    ProgramOptions loaded = LoadOptions(SettingsFile(profile_, File), registry_);
    ASSERT_TRUE(loaded.RunAtStartup);
    SettingsFile file(profile_, File);
    EXPECT_TRUE(SaveOptions(file, loaded, registry_, Program));
    EXPECT_EQ(runValue(), QuotedProgram);
    EXPECT_EQ(registry_.key(RunKeyPath)->values.size(), 2u);
    EXPECT_EQ(registry_.openKey(RunKeyPath, false)->readString(L"Other program"), L"\"C:\\other.exe\"");
}

TEST_F(StartWithWindowsTest, SavingWithItOffRemovesOurValueOnly) {
    registry_.putString(RunKeyPath, L"Other program", L"\"C:\\other.exe\"");
    registry_.putString(RunKeyPath, RunValueName, QuotedProgram);
    EXPECT_TRUE(save(false));
    EXPECT_EQ(runValue(), std::nullopt);
    EXPECT_FALSE(registry_.openKey(RunKeyPath, false)->hasValue(RunValueName));
    EXPECT_TRUE(registry_.openKey(RunKeyPath, false)->hasValue(L"Other program"));
}

TEST_F(StartWithWindowsTest, SavingWithItOffAndNoValueDoesNotTouchTheRegistry) {
    test::RecordingRegistry recording(registry_);
    EXPECT_TRUE(save(false, recording));  // no Run key
    EXPECT_EQ(recording.changes(), 0);
    EXPECT_FALSE(registry_.keyExists(RunKeyPath));

    registry_.putString(RunKeyPath, L"Other program", L"x");
    EXPECT_TRUE(save(false, recording));  // Run key without our value
    EXPECT_EQ(recording.changes(), 0);
    EXPECT_EQ(registry_.key(RunKeyPath)->values.size(), 1u);
}

TEST_F(StartWithWindowsTest, ARunKeyThatCannotBeOpenedReadsOffAndIsLeftAlone) {
    registry_.putString(RunKeyPath, RunValueName, QuotedProgram);
    registry_.unopenableKeys.insert(test::FoldCase(RunKeyPath));
    EXPECT_FALSE(loadRunAtStartup());
    EXPECT_FALSE(RunValuePresent(registry_, RunValueName, /*remove=*/true));
    EXPECT_FALSE(WriteRunValue(registry_, RunValueName, L"C:\\new.exe"));
    EXPECT_FALSE(save(true));  // reported, not thrown: the options are saved all the same
    EXPECT_EQ(profile_.writes.size(), 10u);
    registry_.unopenableKeys.clear();
    EXPECT_EQ(runValue(), QuotedProgram);
}

TEST_F(StartWithWindowsTest, AFailedRegistryWriteIsReported) {
    registry_.ensureKey(RunKeyPath);
    registry_.failWrites = true;
    EXPECT_FALSE(save(true));
    registry_.failWrites = false;
    registry_.putString(RunKeyPath, RunValueName, QuotedProgram);
    registry_.failWrites = true;
    EXPECT_FALSE(save(false));  // the delete failed: the value is still there
    registry_.failWrites = false;
    EXPECT_EQ(runValue(), QuotedProgram);
}

TEST_F(StartWithWindowsTest, RunValuePresentRemovesOnlyWhenAsked) {
    registry_.putString(RunKeyPath, RunValueName, QuotedProgram);
    EXPECT_TRUE(RunValuePresent(registry_, RunValueName, /*remove=*/false));
    EXPECT_TRUE(RunValuePresent(registry_, RunValueName, /*remove=*/false));
    EXPECT_TRUE(RunValuePresent(registry_, RunValueName, /*remove=*/true));  // was there, now removed
    EXPECT_FALSE(RunValuePresent(registry_, RunValueName, /*remove=*/false));
    EXPECT_FALSE(RunValuePresent(registry_, RunValueName, /*remove=*/true));
}

}  // namespace
}  // namespace orbilux
