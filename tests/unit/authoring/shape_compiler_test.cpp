#include <gtest/gtest.h>

#include <set>

#include "authoring/authoring_error.h"
#include "authoring/overflow_placer.h"
#include "authoring/shape_compiler.h"
#include "engine/engine_errors.h"

namespace orbilux::authoring {
namespace {

LibraryRules Counts(int32_t from, int32_t to) {
    LibraryRules rules;
    rules.minIcons = from;
    rules.maxIcons = to;
    return rules;
}

LoadedShape OnePath(std::size_t points) {
    LoadedShape shape;
    shape.Paths.emplace_back();
    for (std::size_t i = 0; i < points; ++i) shape.Paths[0].push_back({int32_t(i % 500), int32_t(i / 500)});
    return shape;
}

TEST(OverflowPlacer_Leftovers, CountsWhatThePathsCannotTake) {
    // 10 icons, one path of 50 points: gap 11, step Round(4.55) = 5, tail
    // Round(1.30) = 1, so points 5, 10, ..., 45: nine places for ten icons.
    EXPECT_EQ(LeftoverIcons(OnePath(50), 0, Counts(10, 10)), 1u);
    EXPECT_EQ(OverflowPointsNeeded(OnePath(50), Counts(10, 10)), 1u);
    // 55 points: step 5, tail 1, places at 5 ... 50 and 55 fails the tail: ten places.
    EXPECT_EQ(LeftoverIcons(OnePath(55), 0, Counts(10, 10)), 0u);
    EXPECT_EQ(OverflowPointsNeeded(OnePath(55), Counts(10, 10)), 0u);
}

TEST(OverflowPlacer_Leftovers, TooShortPathsAreTheEnginesError) {
    EXPECT_THROW(LeftoverIcons(OnePath(3), 0, Counts(10, 10)), DivisionByZeroError);
}

TEST(OverflowPlacer_Place, PointsGoWhereTheyKeepTheirDistanceAndTheShapeFits) {
    LoadedShape shape = OnePath(50);
    // Candidates: on top of a path icon (point 5 is the first place) or far away.
    const std::vector<ShapePoint> candidates{shape.Paths[0][4], {250, 400}};
    PlaceOverflowPoints(shape, 1, candidates, Counts(10, 10));
    ASSERT_TRUE(shape.OverflowPoints.has_value());
    EXPECT_EQ(*shape.OverflowPoints, (std::vector<ShapePoint>{{250, 400}}));
    EXPECT_TRUE(SimulateLoad(shape, 10, Counts(10, 10).frame).fits);

    LoadedShape crowded = OnePath(50);
    EXPECT_THROW(PlaceOverflowPoints(crowded, 1, {crowded.Paths[0][4]}, Counts(10, 10)), AuthoringError);
}

TEST(ShapeCompiler_Compile, AutoOverflowMakesACircleFitAtEveryCount) {
    const LibraryRules rules;
    ShapeSource source = ParseShapeSource("circle 250 250 240\noverflow auto");
    const LoadedShape shape = CompileShape(source, rules);
    ASSERT_EQ(shape.Paths.size(), 1u);
    EXPECT_GE(shape.Paths[0].size(), 1024u);
    std::set<std::pair<int32_t, int32_t>> onPath;
    for (const ShapePoint& p : shape.Paths[0]) onPath.insert({p.x, p.y});
    ASSERT_TRUE(shape.OverflowPoints.has_value());
    for (const ShapePoint& p : *shape.OverflowPoints) {
        EXPECT_TRUE(onPath.count({p.x, p.y})) << "off the drawing";
    }
    for (int32_t icons = rules.minIcons; icons <= rules.maxIcons; ++icons)
        EXPECT_TRUE(SimulateLoad(shape, icons, rules.frame).fits) << icons << " icons";

    // Without overflow points the same circle loses icons at some counts.
    source.overflowAuto = false;
    const LoadedShape bare = CompileShape(source, rules);
    bool someMiss = false;
    for (int32_t icons = rules.minIcons; icons <= rules.maxIcons; ++icons)
        someMiss = someMiss || !SimulateLoad(bare, icons, rules.frame).fits;
    EXPECT_TRUE(someMiss);
}

TEST(ShapeCompiler_Compile, PointCountsFollowTheSpacingAndTheScreen) {
    // A horizontal and a vertical line of equal design length: measured as
    // the default frame shows them, the horizontal one is longer.
    const LoadedShape shape =
        CompileShape(ParseShapeSource("spacing 0.5\nsvg \"M 0 0 H 400\"\nsvg \"M 0 0 V 400\""), LibraryRules{});
    ASSERT_EQ(shape.Paths.size(), 2u);
    EXPECT_EQ(shape.Paths[0].size(), 2458u);  // 400 x 3.072 px / 0.5, rounded up
    EXPECT_EQ(shape.Paths[1].size(), 1332u);  // 400 x 1.664 px / 0.5, rounded up
    EXPECT_FALSE(shape.OverflowPoints.has_value());
    EXPECT_THROW(CompileShape(ParseShapeSource("svg \"M 5 5 L 5 5\""), LibraryRules{}), AuthoringError);
}

TEST(ShapeCompiler_Compile, RefusesShapesTooLongForTheirSpacing) {
    // 100 strokes across the box at a point every 0.05 px: over three million points.
    std::string zigzag = "spacing 0.05\nsvg \"M 0 0";
    for (int i = 0; i < 50; ++i) zigzag += " H 500 H 0";
    zigzag += "\"";
    try {
        CompileShape(ParseShapeSource(zigzag), LibraryRules{});
        FAIL() << "no error";
    } catch (const AuthoringError& e) {
        EXPECT_NE(std::string(e.what()).find("use a larger spacing"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace orbilux::authoring
