// orbiluxctl's desktop commands end to end: real processes, the stand-in
// desktop, Wine.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "platform/text.h"
#include "tests/support/shape_records.h"
#include "tests/wine/plan_json.h"
#include "tests/wine/wine_test_support.h"
#include "tools/standin-desktop/standin_client.h"

namespace orbilux {
namespace {

std::wstring Ctl() { return wine_test::Quote(wine_test::BinaryFolder() + L"orbiluxctl.exe"); }

std::wstring WriteTempShape(const test::ShapeRecipe& recipe, const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring path = std::wstring(temp) + name;
    const auto bytes = test::EncodeRecords(test::RecordsOf(recipe));
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}

// A heart of 1,500 points as one path, a fixed centre and a few overflow points.
test::ShapeRecipe HeartShape() {
    test::ShapeRecipe recipe;
    std::vector<ShapePoint> path;
    for (int i = 0; i < 1500; ++i) {
        const double t = 2 * 3.141592653589793 * i / 1500;
        const double x = 16 * std::pow(std::sin(t), 3);
        const double y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
        path.push_back({int32_t(250 + 14 * x), int32_t(240 - 14 * y)});
    }
    recipe.paths = {path};
    recipe.fixed = {{250, 250}};
    for (int i = 0; i < 6; ++i) recipe.overflow.push_back({200 + 20 * i, 300});
    return recipe;
}

using wine_test::Integers;
using wine_test::JsonArray;

TEST(OrbiluxctlDesktopWine, ArrangePutsEveryIconWherePlanSaysItGoes) {
    standin::LaunchOptions options;
    options.icons = 60;
    standin::StandInDesktop desktop(wine_test::BinaryFolder(), options);
    const std::wstring shape = WriteTempShape(HeartShape(), L"orbilux-e2e-heart.shp");

    const auto arranged = wine_test::RunProcess(Ctl() + L" arrange " + wine_test::Quote(shape) + L" --json");
    ASSERT_EQ(arranged.exitCode, 0u) << arranged.err;
    const std::vector<long long> frame = Integers(JsonArray(arranged.out, "frame"));
    ASSERT_EQ(frame.size(), 6u) << arranged.out;

    std::wstring planCommand = Ctl() + L" plan " + wine_test::Quote(shape) + L" --icons 60 --json";
    const wchar_t* names[] = {L"--width", L"--height", L"--area-width", L"--area-height", L"--shift-x", L"--shift-y"};
    for (int i = 0; i < 6; ++i) planCommand += std::wstring(L" ") + names[i] + L" " + std::to_wstring(frame[std::size_t(i)]);
    const auto planned = wine_test::RunProcess(planCommand);
    ASSERT_EQ(planned.exitCode, 0u) << planned.err;

    const std::string applied = JsonArray(planned.out, "applied");
    EXPECT_EQ(JsonArray(arranged.out, "applied"), applied);
    const std::vector<long long> triples = Integers(applied);
    ASSERT_GE(triples.size(), 3u * 60);

    // The last target for each item is where it stands now.
    std::vector<std::pair<long long, long long>> expected(60, {LLONG_MIN, LLONG_MIN});
    for (std::size_t i = 0; i + 2 < triples.size(); i += 3)
        if (triples[i] >= 0 && triples[i] < 60) expected[std::size_t(triples[i])] = {triples[i + 1], triples[i + 2]};
    const standin::Report report = desktop.report();
    ASSERT_EQ(report.items.size(), 60u);
    for (std::size_t i = 0; i < 60; ++i) {
        ASSERT_NE(expected[i].first, LLONG_MIN) << "item " << i << " got no target";
        EXPECT_EQ(report.items[i].x, expected[i].first) << "item " << i;
        EXPECT_EQ(report.items[i].y, expected[i].second) << "item " << i;
    }
    DeleteFileW(shape.c_str());
}

TEST(OrbiluxctlDesktopWine, ArrangeOfAMissingFileExitsWithThreeAndMovesNothing) {
    standin::LaunchOptions options;
    options.icons = 10;
    standin::StandInDesktop desktop(wine_test::BinaryFolder(), options);
    const auto run = wine_test::RunProcess(Ctl() + L" arrange Z:\\nonexistent\\none.shp");
    EXPECT_EQ(run.exitCode, 3u);
    EXPECT_NE(run.err.find("none.shp"), std::string::npos) << run.err;
    EXPECT_EQ(desktop.report().received.count(LVM_SETITEMPOSITION), 0u);
}

TEST(OrbiluxctlDesktopWine, DesktopCommandsSwitchADesktopLeftUnpaintedBackOn) {
    // As a program killed between switching painting off and on leaves it.
    standin::LaunchOptions options;
    options.icons = 5;
    options.paintingOff = true;
    standin::StandInDesktop desktop(wine_test::BinaryFolder(), options);
    ASSERT_FALSE(desktop.report().painting);
    const auto count = wine_test::RunProcess(Ctl() + L" count");
    EXPECT_EQ(count.exitCode, 0u) << count.err;
    EXPECT_TRUE(desktop.report().painting);
}

TEST(OrbiluxctlDesktopWine, IconsListsNamesInUtf8AndCountMatches) {
    standin::LaunchOptions options;
    options.icons = 3;
    options.names = {L"Caf\u00E9", L"\u6587\u6863", L"quote \" and \\"};
    standin::StandInDesktop desktop(wine_test::BinaryFolder(), options);

    const auto count = wine_test::RunProcess(Ctl() + L" count");
    EXPECT_EQ(count.exitCode, 0u);
    EXPECT_EQ(count.out, "3\n");

    const auto icons = wine_test::RunProcess(Ctl() + L" icons --json");
    ASSERT_EQ(icons.exitCode, 0u) << icons.err;
    const standin::Report report = desktop.report();
    std::string expected = "{\"icons\": [";
    const char* jsonNames[] = {"\"Caf\xC3\xA9\"", "\"\xE6\x96\x87\xE6\xA1\xA3\"", "\"quote \\\" and \\\\\""};
    for (int i = 0; i < 3; ++i)
        expected += std::string(i ? ", " : "") + "{\"index\": " + std::to_string(i) +
                    ", \"x\": " + std::to_string(report.items[std::size_t(i)].x) +
                    ", \"y\": " + std::to_string(report.items[std::size_t(i)].y) + ", \"name\": " + jsonNames[i] + "}";
    EXPECT_EQ(icons.out, expected + "]}\n");
}

}  // namespace
}  // namespace orbilux
