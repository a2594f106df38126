#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/shape_engine.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/shape_records.h"
#include "tests/support/temp_dir.h"

namespace orbilux {
namespace {

using test::ShapeRecipe;

class ShapeEngineTest : public ::testing::Test {
protected:
    std::filesystem::path writeShape(const ShapeRecipe& recipe, const std::string& name = "shape.shp") {
        return dir_.write(name, test::EncodeRecords(test::RecordsOf(recipe)));
    }

    // The shape browser's load: release, then reload with apply.
    void load(ShapeEngine& engine, const std::filesystem::path& file, int32_t& gap, int32_t size = 500,
              int32_t areaWidth = 1000, int32_t areaHeight = 800, bool apply = true) {
        engine.ReleaseShape();
        engine.ArrangeShape(file, size, size, gap, areaWidth, areaHeight, 0, 0, true, apply);
    }

    test::TempDir dir_;
};

// One fixed point, one path of 100 points along y = 0, 30 desktop items,
// a 500 x 500 frame centred in 1000 x 800.
ShapeRecipe WorkedExampleShape() {
    ShapeRecipe recipe;
    recipe.paths = {test::LinePath(100)};
    recipe.fixed = {{250, 250}};
    return recipe;
}

TEST_F(ShapeEngineTest, WorkedExampleWithTheSuggestedGap) {
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 0;
    load(engine, writeShape(WorkedExampleShape()), gap);

    EXPECT_EQ(gap, 30);
    EXPECT_EQ(engine.MinIconsPerPath(), 30);
    EXPECT_EQ(engine.OriginX(), 238);
    EXPECT_EQ(engine.OriginY(), 150);
    ASSERT_EQ(desktop.calls.size(), 2u);  // fixed targets, then path targets; no overflow points
    EXPECT_EQ(desktop.calls[0], (IconTargets{{238 + 250, 150 + 250, 0}}));
    const IconTargets& path = desktop.calls[1];
    ASSERT_EQ(path.size(), 30u);  // items 1 to 30; item 30 does not exist
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(path[i].index, i + 1);
        EXPECT_EQ(path[i].x, 238 + 3 * (i + 1));
        EXPECT_EQ(path[i].y, 150);
    }
}

TEST_F(ShapeEngineTest, WorkedExampleWithGapTenDoesNotFit) {
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 10;
    load(engine, writeShape(WorkedExampleShape()), gap);
    EXPECT_EQ(gap, 10);  // a given gap is kept
    // Only the fixed point moves: 21 leftover items and no overflow points.
    EXPECT_EQ(desktop.allApplied(), (IconTargets{{488, 400, 0}}));
}

struct FitCase {
    int overflowPoints;
    int32_t gap;
    std::vector<int32_t> pathIndexes;
    std::vector<int32_t> overflowIndexes;
};

class ShapeEngine_Fit : public ShapeEngineTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(ShapeEngine_Fit, OverflowPointsTakeTheLeftovers) {
    const auto& c = GetParam();
    ShapeRecipe recipe;
    recipe.paths = {test::LinePath(12)};
    for (int i = 0; i < c.overflowPoints; ++i) recipe.overflow.push_back({400, 10 * i});
    test::FakeDesktop desktop(10);
    ShapeEngine engine(desktop);
    int32_t gap = c.gap;
    load(engine, writeShape(recipe), gap);

    std::vector<int32_t> pathIndexes, overflowIndexes;
    for (const IconTarget& t : desktop.allApplied()) (t.x == 238 + 400 ? overflowIndexes : pathIndexes).push_back(t.index);
    EXPECT_EQ(pathIndexes, c.pathIndexes);
    EXPECT_EQ(overflowIndexes, c.overflowIndexes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShapeEngine_Fit,
    ::testing::Values(
        // k = 2, t = 0: points 2..12 take items 0-5; the overflow list is items 6-10 (five entries).
        FitCase{4, 7, {0, 1, 2, 3, 4, 5}, {6, 7, 8, 9}},
        FitCase{5, 7, {0, 1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}},  // the spare point gets the number past the end
        FitCase{3, 7, {}, {}},                                 // does not fit: nothing of the path moves
        FitCase{4, 11, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}}));  // no overflow list: overflow points unused

TEST_F(ShapeEngineTest, ApplyOffComputesButSendsNothing) {
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 0;
    load(engine, writeShape(WorkedExampleShape()), gap, 500, 1000, 800, /*apply=*/false);
    EXPECT_EQ(gap, 30);
    EXPECT_EQ(engine.OriginX(), 238);
    EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(ShapeEngineTest, AdjustmentsReuseTheLoadedShapeWithoutTheFile) {
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    const auto file = writeShape(WorkedExampleShape());
    int32_t gap = 0;
    load(engine, file, gap);
    std::filesystem::remove(file);
    desktop.calls.clear();

    int32_t adjustedGap = 30;
    engine.ArrangeShape(file, 1000, 1000, adjustedGap, 1000, 800, 5, 0, /*reload=*/false, /*apply=*/true);
    EXPECT_EQ(engine.OriginX(), 500 + 5 - 500 - 12);
    ASSERT_EQ(desktop.calls.size(), 2u);
    EXPECT_EQ(desktop.calls[0][0].x, engine.OriginX() + 500);
}

TEST_F(ShapeEngineTest, ItemCountIsAskedAfreshByEveryCall) {
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 0;
    desktop.nextCounts = {30, 12};  // the index list sees 30, the suggestion 12
    load(engine, writeShape(WorkedExampleShape()), gap);
    EXPECT_EQ(desktop.countCalls, 2);
    EXPECT_EQ(gap, 12);  // 11 div 1 + 1
}

TEST_F(ShapeEngineTest, WithoutALoadedShapeAnAdjustmentDoesNothing) {
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 5;
    engine.ArrangeShape("unused.shp", 500, 500, gap, 1000, 800, 0, 0, false, true);
    EXPECT_EQ(desktop.countCalls, 0);
    EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(ShapeEngineTest, FailedLoadLeavesNoShapeAndTheGapUnchanged) {
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 0;
    load(engine, writeShape(WorkedExampleShape()), gap);
    desktop.calls.clear();

    int32_t newGap = 0;
    EXPECT_THROW(engine.ArrangeShape(dir_.file("missing.shp"), 500, 500, newGap, 1000, 800, 0, 0, true, true),
                 ShapeFileError);
    EXPECT_FALSE(engine.HasShape());
    EXPECT_EQ(newGap, 0);
    EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(ShapeEngineTest, SuggestionDivisionByZeroKeepsTheShapeLoaded) {
    ShapeRecipe recipe;
    recipe.fixed = {{1, 1}};  // no paths at all
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 0;
    EXPECT_THROW(load(engine, writeShape(recipe), gap), DivisionByZeroError);
    EXPECT_TRUE(engine.HasShape());
    EXPECT_EQ(gap, 0);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_THROW(engine.MinIconsPerPath(), DivisionByZeroError);
}

TEST_F(ShapeEngineTest, ZeroStepFailsAfterTheFixedPointsWereApplied) {
    ShapeRecipe recipe;
    recipe.paths = {test::LinePath(3)};
    recipe.fixed = {{7, 7}};
    test::FakeDesktop desktop(30);
    ShapeEngine engine(desktop);
    int32_t gap = 6;
    EXPECT_THROW(load(engine, writeShape(recipe), gap), DivisionByZeroError);
    ASSERT_EQ(desktop.calls.size(), 1u);
    EXPECT_EQ(desktop.calls[0].size(), 1u);

    int32_t zeroGap = 0;  // 0 without reload is a floating-point division by zero
    desktop.calls.clear();
    EXPECT_THROW(engine.ArrangeShape("", 500, 500, zeroGap, 1000, 800, 0, 0, false, true), DivisionByZeroError);
    EXPECT_EQ(desktop.calls.size(), 1u);
}

struct EmptyDesktopCase {
    const char* name;
    ShapeRecipe recipe;
    int32_t gap;
    std::vector<int32_t> indexes;
};

class ShapeEngine_EmptyDesktop : public ShapeEngineTest, public ::testing::WithParamInterface<EmptyDesktopCase> {};

TEST_P(ShapeEngine_EmptyDesktop, TheTwoNumbersBeyondTheItemsStillPlace) {
    const auto& c = GetParam();
    test::FakeDesktop desktop(0);
    ShapeEngine engine(desktop);
    int32_t gap = c.gap;
    load(engine, writeShape(c.recipe), gap);
    std::vector<int32_t> indexes;
    for (const IconTarget& t : desktop.allApplied()) indexes.push_back(t.index);
    EXPECT_EQ(indexes, c.indexes);
}

ShapeRecipe WithFixed(int fixedCount) {
    ShapeRecipe recipe;
    recipe.paths = {test::LinePath(10)};
    for (int i = 0; i < fixedCount; ++i) recipe.fixed.push_back({i, i});
    return recipe;
}

INSTANTIATE_TEST_SUITE_P(Cases, ShapeEngine_EmptyDesktop,
                         ::testing::Values(EmptyDesktopCase{"TwoFixedPoints", WithFixed(2), 1, {0, 1}},
                                           EmptyDesktopCase{"ThreeFixedPoints", WithFixed(3), 1, {0, 1}},
                                           EmptyDesktopCase{"OneFixedPoint", WithFixed(1), 1, {0}},
                                           EmptyDesktopCase{"PathOnly", WithFixed(0), 10, {0}}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(ShapeEngineTest, MoreFixedPointsThanNumbersLeaveThePathsEmpty) {
    test::FakeDesktop desktop(3);
    ShapeEngine engine(desktop);
    int32_t gap = 1;
    load(engine, writeShape(WithFixed(8)), gap);
    ASSERT_EQ(desktop.calls.size(), 2u);
    EXPECT_EQ(desktop.calls[0].size(), 5u);  // N + 2 numbers
    EXPECT_TRUE(desktop.calls[1].empty());
}

}  // namespace
}  // namespace orbilux
