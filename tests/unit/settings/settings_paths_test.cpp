#include <gtest/gtest.h>

#include "settings/settings_paths.h"
#include "settings/settings_store.h"
#include "tests/support/fake_locations.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_registry.h"

namespace orbilux {
namespace {

TEST(SettingsFilePath, LivesInTheOrbiluxFolderOfTheDocumentsFolderWhichIsCreated) {
    test::FakeLocations locations;
    EXPECT_EQ(SettingsFilePath(locations), L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini");
    EXPECT_EQ(locations.ensured, std::vector<std::wstring>{L"C:\\Users\\ann\\Documents\\Orbilux"});
}

TEST(SettingsFilePath, IsWorkedOutAfreshEveryTime) {
    test::FakeLocations locations;
    SettingsFilePath(locations);
    locations.documents = L"E:\\Redirected";
    EXPECT_EQ(SettingsFilePath(locations), L"E:\\Redirected\\Orbilux\\Settings.ini");
    EXPECT_EQ(locations.ensured.size(), 2u);
}

TEST(SettingsFilePath, AFolderThatCannotBeCreatedStillGivesThePath) {
    // The write that follows reports the failure ("Unable to write to ...").
    test::FakeLocations locations;
    locations.failCreate = true;
    EXPECT_EQ(SettingsFilePath(locations), L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini");
}

TEST(SettingsFilePath, ADocumentsFolderAtADriveRootGetsNoDoubleDelimiter) {
    test::FakeLocations locations;
    locations.documents = L"D:\\";
    EXPECT_EQ(SettingsFilePath(locations), L"D:\\Orbilux\\Settings.ini");
    EXPECT_EQ(locations.ensured, std::vector<std::wstring>{L"D:\\Orbilux"});
}

TEST(SettingsFilePath, NoDocumentsFolderMeansSettingIniBesideTheProgram) {
    for (const std::optional<std::wstring>& documents :
         {std::optional<std::wstring>(), std::optional<std::wstring>(L"")}) {
        test::FakeLocations locations;
        locations.documents = documents;
        EXPECT_EQ(SettingsFilePath(locations), L"C:\\Program Files\\Orbilux\\Setting.ini");
        EXPECT_TRUE(locations.ensured.empty());  // nothing is created beside the program
    }
}

struct FolderCase {
    const wchar_t* program;
    const wchar_t* folder;
};

class ProgramFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ProgramFolderTest, EndsWithADelimiter) {
    test::FakeLocations locations;
    locations.program = GetParam().program;
    EXPECT_EQ(ProgramFolder(locations), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramFolderTest,
    ::testing::Values(FolderCase{L"C:\\Program Files\\Orbilux\\Orbilux.exe", L"C:\\Program Files\\Orbilux\\"},
                      FolderCase{L"C:\\Orbilux.exe", L"C:\\"},
                      FolderCase{L"\\\\server\\share\\tools\\Orbilux.exe", L"\\\\server\\share\\tools\\"},
                      FolderCase{L"Z:/home/ann/build/Orbilux.exe", L"Z:/home/ann/build/"},
                      FolderCase{L"C:\\v1.2\\Orbilux", L"C:\\v1.2\\"}));

TEST(SettingsStore, SavesWhereThePathLeadsAndWritesTheRunValueWithTheProgramsPath) {
    test::FakeProfile profile;
    test::FakeRegistry registry;
    test::FakeLocations locations;
    locations.documents.reset();
    SettingsStore store(profile, registry, locations);
    EXPECT_EQ(store.programFolder(), L"C:\\Program Files\\Orbilux\\");

    const std::wstring path = store.settingsFilePath();
    ProgramOptions options;
    options.RunAtStartup = true;
    options.Hue = 30;
    EXPECT_TRUE(store.saveOptions(path, options));
    EXPECT_EQ(profile.raw(L"C:\\Program Files\\Orbilux\\Setting.ini", L"Options", L"Hue"), L"30");
    EXPECT_EQ(registry.openKey(L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", false)->readString(L"Orbilux"),
              L"\"C:\\Program Files\\Orbilux\\Orbilux.exe\"");
    EXPECT_EQ(store.loadOptions(path), options);
    EXPECT_EQ(store.file(path).read(keys::Hue), 30);
}

}  // namespace
}  // namespace orbilux
