#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli/command.h"
#include "tests/support/cli_run.h"
#include "tests/support/shape_records.h"
#include "tests/support/temp_dir.h"

namespace orbilux::cli {
namespace {

using test::CliRun;
using test::RunCli;

class PlanCommandTest : public ::testing::Test {
protected:
    std::string shape(const test::ShapeRecipe& recipe) {
        return dir_.write("shape.shp", test::EncodeRecords(test::RecordsOf(recipe))).u8string();
    }
    Args planArgs(const std::string& file, const std::string& icons) {
        return {"plan", file, "--icons", icons, "--width", "500", "--height", "500",
                "--area-width", "1000", "--area-height", "800", "--json"};
    }
    test::TempDir dir_;
};

TEST_F(PlanCommandTest, JsonListsEveryAppliedTargetInOrder) {
    test::ShapeRecipe recipe;
    recipe.paths = {test::LinePath(12)};
    recipe.fixed = {{250, 250}};
    recipe.overflow = {{400, 0}, {400, 10}, {400, 20}, {400, 30}};
    Args args = planArgs(shape(recipe), "11");
    args.insert(args.end(), {"--gap", "7"});
    const CliRun run = RunCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    // Fixed point: item 0. Path (k = 2): items 1-6 on points 2..12. Overflow: items 7-10.
    EXPECT_EQ(run.out,
              "{\"iconsPerPath\": 7, \"minIconsPerPath\": 7, \"origin\": [238, 150], \"applied\": "
              "[[0, 488, 400], [1, 240, 150], [2, 242, 150], [3, 244, 150], [4, 246, 150], [5, 248, 150], "
              "[6, 250, 150], [7, 638, 150], [8, 638, 160], [9, 638, 170], [10, 638, 180]]}\n");
}

TEST_F(PlanCommandTest, SuggestedGapAndShiftsAreReported) {
    test::ShapeRecipe recipe;
    recipe.paths = {test::LinePath(100)};
    recipe.fixed = {{250, 250}};
    Args args = planArgs(shape(recipe), "30");
    args.insert(args.end(), {"--shift-x", "-8", "--shift-y", "3"});
    const CliRun run = RunCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\"iconsPerPath\": 30, \"minIconsPerPath\": 30, \"origin\": [230, 153], "
                            "\"applied\": [[0, 480, 403], [1, 233, 153], ",
                            0),
              0u)
        << run.out;
}

TEST_F(PlanCommandTest, MinimumIsNullWhenItDividesByZero) {
    test::ShapeRecipe recipe;
    recipe.fixed = {{1, 2}};  // no paths: only a given gap avoids the suggestion
    Args args = planArgs(shape(recipe), "1");
    args.insert(args.end(), {"--gap", "4"});
    const CliRun run = RunCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "{\"iconsPerPath\": 4, \"minIconsPerPath\": null, \"origin\": [238, 150], \"applied\": "
                       "[[0, 239, 152]]}\n");
}

enum class FileKind { Shape, Missing, Folder, TooLarge };

struct FailureCase {
    const char* name;
    test::ShapeRecipe recipe;
    std::string gap;
    FileKind file;
    const char* message;  // what the user is told on stderr
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class PlanCommand_Failure : public PlanCommandTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PlanCommand_Failure, SaysWhyAndExitsWithThree) {
    const auto& c = GetParam();
    std::string file = shape(c.recipe);
    if (c.file == FileKind::Missing) file = dir_.file("missing.shp").u8string();
    if (c.file == FileKind::Folder) file = dir_.path().u8string();
    if (c.file == FileKind::TooLarge) std::filesystem::resize_file(std::filesystem::u8path(file), (64u << 20) + 8);
    Args args = planArgs(file, "10");
    args.insert(args.end(), {"--gap", c.gap});
    const CliRun run = RunCli(args);
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
}

test::ShapeRecipe FixedOnly() {
    test::ShapeRecipe recipe;
    recipe.fixed = {{1, 1}};
    return recipe;
}
test::ShapeRecipe ShortPath() {
    test::ShapeRecipe recipe;
    recipe.paths = {test::LinePath(3)};
    return recipe;
}
test::ShapeRecipe TwelvePoints() {
    test::ShapeRecipe recipe;
    recipe.paths = {test::LinePath(12)};
    return recipe;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlanCommand_Failure,
    ::testing::Values(FailureCase{"MissingFile", {}, "0", FileKind::Missing, "missing.shp"},
                      FailureCase{"NoPathToSuggestAGapFor", FixedOnly(), "0", FileKind::Shape, "the shape has no path"},
                      FailureCase{"GapLargerThanThePath", ShortPath(), "6", FileKind::Shape,
                                  "the gap of 6 icons per path is larger than a path of 3 points can take"},
                      // One icon on the path, nowhere for the other nine to go.
                      FailureCase{"ShapeDoesNotFit", TwelvePoints(), "2", FileKind::Shape,
                                  "the shape does not fit: 10 of 10 icons were left without a place"},
                      FailureCase{"NotARegularFile", ShortPath(), "0", FileKind::Folder, "it is not a regular file"},
                      FailureCase{"FileTooLarge", ShortPath(), "0", FileKind::TooLarge, "it is larger than 64 MiB"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(PlanCommandTest, BadArgumentsPrintUsageAndExitWithTwo) {
    const std::string file = shape(ShortPath());
    const std::vector<Args> bad = {
        {"plan"},
        {"plan", file, "--icons", "10"},
        {"plan", file, "--icons", "ten", "--width", "1", "--height", "1", "--area-width", "1", "--area-height", "1"},
        {"plan", file, "--icons", "-1", "--width", "1", "--height", "1", "--area-width", "1", "--area-height", "1"},
        {"plan", file, "--icons", "1", "--width", "99999999999", "--height", "1", "--area-width", "1", "--area-height",
         "1"},
        {"plan", file, "--icons", "1", "--width", "0", "--height", "1", "--area-width", "1", "--area-height", "1"},
        {"plan", file, "--icons", "1", "--width", "1", "--height", "-5", "--area-width", "1", "--area-height", "1"},
        {"preview", file, "--icons", "1", "--width", "0", "-o", dir_.file("x.svg").u8string()},
        {"plan", file, "--icons", "1", "--width", "1", "--height", "1", "--area-width", "1", "--area-height", "1",
         "--colour", "red"},
        {"plan", file, "extra", "--icons", "1", "--width", "1", "--height", "1", "--area-width", "1", "--area-height",
         "1"},
        {"no-such-command"},
    };
    for (const Args& args : bad) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << args.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("usage: orbiluxctl"), std::string::npos) << run.err;
    }
}

TEST_F(PlanCommandTest, PreviewDrawsOneSquarePerPlacedIcon) {
    test::ShapeRecipe recipe;
    recipe.paths = {test::LinePath(100)};
    recipe.fixed = {{250, 250}};
    const std::string svgFile = dir_.file("out.svg").u8string();
    const CliRun run = RunCli({"preview", shape(recipe), "--icons", "30", "-o", svgFile});
    ASSERT_EQ(run.status, 0) << run.err;
    std::ifstream in(svgFile);
    const std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t icons = 0;
    for (std::size_t at = svg.find("class=\"icon\""); at != std::string::npos; at = svg.find("class=\"icon\"", at + 1))
        ++icons;
    EXPECT_EQ(icons, 31u);  // the fixed point and 30 path targets (one names no item)
    EXPECT_NE(svg.find("class=\"design-box\""), std::string::npos);
    EXPECT_NE(svg.find("class=\"path\""), std::string::npos);
    EXPECT_NE(svg.find(">29</text>"), std::string::npos);
}

}  // namespace
}  // namespace orbilux::cli
