// The window and shape-state keys, and the typed reads and writes they use.
#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "tests/support/fake_profile.h"

namespace orbilux {
namespace {

const std::wstring Path = L"C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini";

class SettingsFileTest : public ::testing::Test {
protected:
    test::FakeProfile profile_;
    SettingsFile file_{profile_, Path};
};

TEST_F(SettingsFileTest, MissingKeysGiveTheirDefaults) {
    EXPECT_FALSE(file_.read(keys::Knows));
    EXPECT_EQ(file_.read(keys::ShapePath), L"");
    EXPECT_EQ(file_.read(keys::ShapeWidth), 1);
    EXPECT_EQ(file_.read(keys::ShapeWidthPresence), -1);
    EXPECT_EQ(file_.read(keys::ShapeHeight), 1);
    EXPECT_EQ(file_.read(keys::ShapeGap), 1);
    EXPECT_EQ(file_.read(keys::ShapeDx), 0);
    EXPECT_EQ(file_.read(keys::ShapeDy), 0);
    EXPECT_EQ(file_.read(keys::FormLeft), -1);
    EXPECT_EQ(file_.read(keys::FormTop), 0);
    EXPECT_FALSE(file_.hasShapeState());
}

TEST_F(SettingsFileTest, TheShapeStateIsPresentWhenSWidthReadsAsAnythingButMinusOne) {
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"5", true},   {L"0", true},     {L"-2", true}, {L"$FFFFFFFF", false},
        {L"-1", false}, {L"wide", false}, {L"", false},
    };
    for (const auto& [text, present] : cases) {
        profile_.put(Path, L"Settings", L"SWidth", text);
        EXPECT_EQ(file_.hasShapeState(), present) << text;
    }
    profile_.put(Path, L"Settings", L"SWidth", L"wide");
    EXPECT_EQ(file_.read(keys::ShapeWidth), 1);  // unreadable: the value's own default
}

TEST_F(SettingsFileTest, WritesAndReadsBackEveryWindowAndShapeKey) {
    const std::wstring shape = L"C:\\Program Files\\Orbilux\\Shapes\\\u041B\u044E\u0431\u043E\u0432\u044C\\heart.shp";
    file_.write(keys::FormLeft, -1280);
    file_.write(keys::FormTop, 40);
    file_.write(keys::Knows, true);
    file_.write(keys::AutoBlend, false);
    file_.write(keys::ShapePath, shape);
    file_.write(keys::ShapeWidth, 120);
    file_.write(keys::ShapeHeight, 80);
    file_.write(keys::ShapeGap, 7);
    file_.write(keys::ShapeDx, -15);
    file_.write(keys::ShapeDy, 25);

    EXPECT_EQ(file_.read(keys::FormLeft), -1280);
    EXPECT_EQ(file_.read(keys::FormTop), 40);
    EXPECT_TRUE(file_.read(keys::Knows));
    EXPECT_FALSE(file_.read(keys::AutoBlend));
    EXPECT_EQ(file_.read(keys::ShapePath), shape);
    EXPECT_EQ(file_.read(keys::ShapeWidth), 120);
    EXPECT_TRUE(file_.hasShapeState());
    EXPECT_EQ(file_.read(keys::ShapeHeight), 80);
    EXPECT_EQ(file_.read(keys::ShapeGap), 7);
    EXPECT_EQ(file_.read(keys::ShapeDx), -15);
    EXPECT_EQ(file_.read(keys::ShapeDy), 25);

    // Stored where the file has always kept them, booleans as 1 or 0.
    EXPECT_EQ(profile_.raw(Path, L"Form", L"Left"), L"-1280");
    EXPECT_EQ(profile_.raw(Path, L"Settings", L"Knows"), L"1");
    EXPECT_EQ(profile_.raw(Path, L"Options", L"Auto blend"), L"0");
    EXPECT_EQ(profile_.raw(Path, L"Settings", L"SPath"), shape);
    EXPECT_EQ(profile_.raw(Path, L"Settings", L"Sdx"), L"-15");
}

TEST_F(SettingsFileTest, AFailedWriteRaisesUnableToWriteWithTheFileName) {
    profile_.failingKeys.insert(L"sdx");
    file_.write(keys::ShapeGap, 3);
    try {
        file_.write(keys::ShapeDx, 1);
        FAIL() << "no error";
    } catch (const SettingsWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to C:\\Users\\ann\\Documents\\Orbilux\\Settings.ini");
    }
    EXPECT_EQ(profile_.raw(Path, L"Settings", L"Sdx"), std::nullopt);
}

TEST(SettingsWriteError, CarriesANonAsciiFileNameIntact) {
    const std::wstring file = L"C:\\Users\\\u0410\u043D\u043D\u0430\\Documents\\Orbilux\\Settings.ini";
    const SettingsWriteError error(file);
    EXPECT_EQ(error.file(), file);
    EXPECT_EQ(error.message(), L"Unable to write to " + file);
    EXPECT_EQ(std::string(error.what()),
              "Unable to write to C:\\Users\\\xD0\x90\xD0\xBD\xD0\xBD\xD0\xB0\\Documents\\Orbilux\\Settings.ini");
}

}  // namespace
}  // namespace orbilux
