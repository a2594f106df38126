// The settings store on Wine's real profile functions, registry and shell.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "settings/product_version.h"
#include "settings/settings_paths.h"
#include "settings/settings_store.h"
#include "settings/win32/profile_win32.h"
#include "settings/win32/system_locations_win32.h"
#include "tests/support/program_options_print.h"
#include "tests/wine/settings_wine_support.h"
#include "tests/wine/wine_test_support.h"

namespace orbilux {
namespace {

using wine_test::FileExists;
using wine_test::ReadBytes;
using wine_test::ScratchFolder;

std::wstring ShellDocumentsFolder() {
    wchar_t path[MAX_PATH] = {};
    EXPECT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE));
    return path;
}

std::optional<std::wstring> RealRunValue() {
    win32::Win32Registry registry;
    auto key = registry.openKey(RunKeyPath, false);
    return key ? key->readString(RunValueName) : std::nullopt;
}

// The real adapters, with the documents folder moved into a scratch folder
// so that a test can arrange what is there.
class ScratchDocuments : public win32::Win32SystemLocations {
public:
    explicit ScratchDocuments(std::wstring documents) : documents_(std::move(documents)) {}
    std::optional<std::wstring> documentsFolder() override { return documents_; }

private:
    std::wstring documents_;
};

ProgramOptions Changed() {
    ProgramOptions o;
    o.MinimizeOnTray = true;
    o.LoadLastShape = true;
    o.SaveOnStartup = true;
    o.ConfirmSave = false;
    o.ConfirmLoad = false;
    o.AutoBlend = false;
    o.Transparency = 128;
    o.Hue = 275;
    o.Saturation = -64;
    return o;
}

class SettingsWine : public ::testing::Test {
protected:
    wine_test::RunValueGuard runValue_;
    win32::Win32Profile profile_;
    win32::Win32Registry registry_;
    win32::Win32SystemLocations locations_;
    SettingsStore store_{profile_, registry_, locations_};
    ScratchFolder scratch_{L"settings"};
};

TEST_F(SettingsWine, TheSettingsFileLivesInTheOrbiluxFolderOfTheUsersDocuments) {
    const std::wstring documents = ShellDocumentsFolder();
    ASSERT_FALSE(documents.empty());
    EXPECT_EQ(locations_.documentsFolder(), documents);
    const std::wstring folder = documents + L"\\Orbilux";
    const bool existed = FileExists(folder);

    EXPECT_EQ(store_.settingsFilePath(), folder + L"\\Settings.ini");
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);  // created by the lookup
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(store_.programFolder(), wine_test::BinaryFolder());
    if (!existed) RemoveDirectoryW(folder.c_str());
}

TEST_F(SettingsWine, OptionsAndWindowStateRoundTripThroughARealFile) {
    const std::wstring file = scratch_ / L"Settings.ini";
    ProgramOptions options = Changed();
    options.RunAtStartup = true;
    EXPECT_TRUE(store_.saveOptions(file, options));
    SettingsFile settings = store_.file(file);
    const std::wstring shape = scratch_.path() + L"\\Shapes\\\u041B\u044E\u0431\u043E\u0432\u044C \u2665\\heart.shp";
    settings.write(keys::FormLeft, -1280);
    settings.write(keys::FormTop, 15);
    settings.write(keys::Knows, true);
    settings.write(keys::ShapePath, shape);
    settings.write(keys::ShapeWidth, 120);
    settings.write(keys::ShapeHeight, 80);
    settings.write(keys::ShapeGap, 9);
    settings.write(keys::ShapeDx, -3);
    settings.write(keys::ShapeDy, 4);

    EXPECT_EQ(store_.loadOptions(file), options);
    EXPECT_EQ(settings.read(keys::FormLeft), -1280);
    EXPECT_EQ(settings.read(keys::FormTop), 15);
    EXPECT_TRUE(settings.read(keys::Knows));
    EXPECT_EQ(settings.read(keys::ShapePath), shape);  // not turned into question marks
    EXPECT_TRUE(settings.hasShapeState());
    EXPECT_EQ(settings.read(keys::ShapeWidth), 120);
    EXPECT_EQ(settings.read(keys::ShapeHeight), 80);
    EXPECT_EQ(settings.read(keys::ShapeGap), 9);
    EXPECT_EQ(settings.read(keys::ShapeDx), -3);
    EXPECT_EQ(settings.read(keys::ShapeDy), 4);

    // A new file is UTF-16 with a byte-order mark.
    const auto bytes = ReadBytes(file);
    ASSERT_TRUE(bytes && bytes->size() > 2);
    EXPECT_EQ((*bytes)[0], 0xFF);
    EXPECT_EQ((*bytes)[1], 0xFE);
}

TEST_F(SettingsWine, NoFileReadsAsTheFirstRunAndLoadingCreatesNothing) {
    const std::wstring file = scratch_ / L"Settings.ini";
    EXPECT_EQ(store_.loadOptions(file), ProgramOptions{});
    EXPECT_FALSE(store_.file(file).hasShapeState());
    EXPECT_EQ(store_.file(file).read(keys::FormLeft), -1);
    EXPECT_FALSE(FileExists(file));
}

TEST_F(SettingsWine, AnExistingFileIsReadByTheRulesAndKeepsItsOtherKeysAndEncoding) {
    const std::wstring file = scratch_ / L"Settings.ini";
    const std::string text =
        "[options]\r\nminimize on tray=yes\r\nTRANSPARENCY = 0x20 \r\nHue=\"300\"\r\nSaturation=$FFFFFFF6\r\n"
        "Show confirmation dialog when saving=2\r\nAuto blend=0\r\nComment=kept\r\n"
        "[Form]\r\nLeft=10\r\nTop=20\r\n";
    ASSERT_TRUE(wine_test::WriteBytes(file, std::vector<unsigned char>(text.begin(), text.end())));

    const ProgramOptions loaded = store_.loadOptions(file);
    EXPECT_FALSE(loaded.MinimizeOnTray);  // "yes" is no integer: the default
    EXPECT_EQ(loaded.Transparency, 32);
    EXPECT_EQ(loaded.Hue, 300);
    EXPECT_EQ(loaded.Saturation, -10);
    EXPECT_TRUE(loaded.ConfirmSave);
    EXPECT_FALSE(loaded.AutoBlend);

    ProgramOptions options = loaded;
    options.RunAtStartup = false;
    options.MinimizeOnTray = true;
    store_.saveOptions(file, options);
    EXPECT_EQ(store_.loadOptions(file), options);
    EXPECT_EQ(profile_.readString(file, L"Options", L"Comment", L"?"), L"kept");
    EXPECT_EQ(store_.file(file).read(keys::FormLeft), 10);
    EXPECT_EQ(store_.file(file).read(keys::FormTop), 20);
    const auto bytes = ReadBytes(file);
    ASSERT_TRUE(bytes && bytes->size() > 1);
    EXPECT_EQ((*bytes)[0], '[');  // still the ANSI file it was
}

TEST_F(SettingsWine, AnAnsiFileBecomesUtf16WithItsTextWhenAValueNeedsIt) {
    const std::wstring file = scratch_ / L"Settings.ini";
    // "café" in the ANSI code page (1252 here).
    const std::string text = "[Settings]\r\nKnows=1\r\nComment=caf\xE9\r\n";
    ASSERT_TRUE(wine_test::WriteBytes(file, std::vector<unsigned char>(text.begin(), text.end())));
    const std::wstring path = L"C:\\\u0424\u043E\u0440\u043C\u044B\\\u30CF\u30FC\u30C8.shp";
    ASSERT_TRUE(profile_.writeString(file, L"Settings", L"SPath", path));
    EXPECT_EQ(profile_.readString(file, L"Settings", L"SPath", L"?"), path);
    EXPECT_EQ(profile_.readString(file, L"Settings", L"Knows", L"?"), L"1");
    EXPECT_EQ(profile_.readString(file, L"Settings", L"Comment", L"?"), L"caf\u00E9");
    const auto bytes = ReadBytes(file);
    ASSERT_TRUE(bytes && bytes->size() > 1);
    EXPECT_EQ((*bytes)[0], 0xFF);
    EXPECT_EQ((*bytes)[1], 0xFE);
}

TEST_F(SettingsWine, ALongValueIsReadWhole) {
    const std::wstring file = scratch_ / L"Settings.ini";
    std::wstring path = L"C:\\";
    while (path.size() < 3000) path += L"a very long shape group name\\";
    path += L"shape.shp";
    SettingsFile settings = store_.file(file);
    settings.write(keys::ShapePath, path);
    EXPECT_EQ(settings.read(keys::ShapePath), path);
}

TEST_F(SettingsWine, AMissingFolderRaisesUnableToWriteAndTheRunValueStays) {
    const std::wstring file = scratch_.path() + L"\\missing\\Settings.ini";
    ProgramOptions options = Changed();
    options.RunAtStartup = true;
    ASSERT_EQ(RealRunValue(), std::nullopt);
    try {
        store_.saveOptions(file, options);
        FAIL() << "no error";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(e.message(), L"Unable to write to " + file);
    }
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(RealRunValue(), std::nullopt);
}

TEST_F(SettingsWine, ASettingsFolderBlockedByAFileMakesTheWriteFail) {
    // Documents holds a file named "Orbilux": the folder can't be created.
    ASSERT_TRUE(wine_test::WriteBytes(scratch_ / L"Orbilux", {'x'}));
    ScratchDocuments locations(scratch_.path());
    SettingsStore store(profile_, registry_, locations);
    const std::wstring path = store.settingsFilePath();
    EXPECT_EQ(path, scratch_.path() + L"\\Orbilux\\Settings.ini");
    EXPECT_THROW(store.saveOptions(path, ProgramOptions{}), SettingsWriteError);
    SettingsFile settings = store.file(path);
    EXPECT_THROW(settings.write(keys::FormLeft, 1), SettingsWriteError);
    EXPECT_EQ(store.loadOptions(path), ProgramOptions{});
}

TEST_F(SettingsWine, TheRunValueHoldsTheQuotedProgramPathAndIsRemoved) {
    const std::wstring file = scratch_ / L"Settings.ini";
    const std::wstring program = locations_.programPath();
    EXPECT_EQ(program, wine_test::BinaryFolder() + L"orbilux_wine_tests.exe");

    ProgramOptions options;
    options.RunAtStartup = true;
    EXPECT_TRUE(store_.saveOptions(file, options));
    EXPECT_EQ(RealRunValue(), L"\"" + program + L"\"");
    const auto value = registry_.openKey(RunKeyPath, false)->readValue(RunValueName);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, DWORD(REG_SZ));
    EXPECT_TRUE(store_.loadOptions(file).RunAtStartup);

    // Another path still reads as on, and the next save puts ours back.
    registry_.openKey(RunKeyPath, false)->writeString(RunValueName, L"\"C:\\old\\Orbilux.exe\"");
    EXPECT_TRUE(store_.loadOptions(file).RunAtStartup);
    EXPECT_TRUE(store_.saveOptions(file, options));
    EXPECT_EQ(RealRunValue(), L"\"" + program + L"\"");

    options.RunAtStartup = false;
    EXPECT_TRUE(store_.saveOptions(file, options));
    EXPECT_EQ(RealRunValue(), std::nullopt);
    EXPECT_FALSE(registry_.openKey(RunKeyPath, false)->hasValue(RunValueName));
    EXPECT_FALSE(store_.loadOptions(file).RunAtStartup);
    EXPECT_TRUE(store_.saveOptions(file, options));  // nothing to remove
}

TEST_F(SettingsWine, ProductVersionComesFromTheProgramsKey) {
    auto key = registry_.openKey(ProgramRegistryPath, true);
    ASSERT_NE(key, nullptr);
    const auto saved = key->readString(L"Version");
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"0.9.1.5", L"0.9.1.5"}, {L"1.0", L"0.9"}, {L"1.2.3.4", L"1.2.3.4"}, {L"1.2.3.", L"0.9"}};
    for (const auto& [stored, shown] : cases) {
        ASSERT_TRUE(key->writeString(L"Version", stored));
        EXPECT_EQ(store_.productVersion(), shown) << stored;
    }
    key->deleteValue(L"Version");
    EXPECT_EQ(store_.productVersion(), L"0.9");
    ASSERT_TRUE(key->writeBinary(L"Version", {'1', 0, '.', 0, '2', 0, '.', 0, '3', 0, '.', 0, '4', 0, 0, 0}));
    EXPECT_EQ(store_.productVersion(), L"0.9");
    if (saved)
        key->writeString(L"Version", *saved);
    else
        key->deleteValue(L"Version");
}

}  // namespace
}  // namespace orbilux
