#include <gtest/gtest.h>

#include "authoring/authoring_error.h"
#include "authoring/primitives.h"
#include "authoring/resample.h"
#include "authoring/stroke.h"

namespace orbilux::authoring {
namespace {

const Polyline Square{{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true};

TEST(Resample_Evenly, ClosedLineStepsRoundAndStopsShortOfItsStart) {
    const std::vector<Vec2> points = ResampleEvenly(Square, 8);
    const std::vector<Vec2> expected{{0, 0}, {5, 0}, {10, 0}, {10, 5}, {10, 10}, {5, 10}, {0, 10}, {0, 5}};
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_NEAR(points[i].x, expected[i].x, 1e-9) << i;
        EXPECT_NEAR(points[i].y, expected[i].y, 1e-9) << i;
    }
}

TEST(Resample_Evenly, OpenLineKeepsBothEnds) {
    const Polyline line{{{0, 0}, {3, 0}, {3, 4}}, false};
    const std::vector<Vec2> points = ResampleEvenly(line, 8);  // length 7: steps of 1
    ASSERT_EQ(points.size(), 8u);
    EXPECT_EQ(points.front(), (Vec2{0, 0}));
    EXPECT_EQ(points.back(), (Vec2{3, 4}));
    EXPECT_NEAR(points[4].x, 3, 1e-9);
    EXPECT_NEAR(points[4].y, 1, 1e-9);
}

TEST(Resample_Evenly, MetricWeighsTheAxes) {
    // With x counting three times, the square's top is three times as long
    // as its side, and gets three times the points.
    const Metric wide{3, 1};
    EXPECT_NEAR(PolylineLength(Square, wide), 80, 1e-9);
    const std::vector<Vec2> points = ResampleEvenly(Square, 8, wide);
    int onTop = 0;
    for (const Vec2& p : points) onTop += (std::fabs(p.y) < 1e-9 && p.x < 9.5) ? 1 : 0;
    EXPECT_EQ(onTop, 3);
}

TEST(Resample_Evenly, RefusesWhatCannotBeSpread) {
    EXPECT_THROW(ResampleEvenly(Polyline{{{1, 1}, {1, 1}}, false}, 4), AuthoringError);
    EXPECT_THROW(ResampleEvenly(Polyline{{{1, 1}}, true}, 4), AuthoringError);
    EXPECT_THROW(ResampleEvenly(Polyline{{{0, 0}, {1, 0}}, false}, 1), AuthoringError);
}

TEST(Stroke_Outline, OpenLineGivesOneOutlineAtHalfTheWidth) {
    const std::vector<Polyline> outline = StrokeOutline(Polyline{{{0, 0}, {100, 0}}, false}, 20);
    ASSERT_EQ(outline.size(), 1u);
    EXPECT_TRUE(outline[0].closed);
    for (const Vec2& p : outline[0].points) {
        // Every point is 10 from the segment: on a side or on a round end.
        const double along = std::fmin(100, std::fmax(0, p.x));
        EXPECT_NEAR(Distance(p, {along, 0}), 10, 1e-6);
    }
    const Box box = BoundsOf(outline);
    EXPECT_NEAR(box.left, -10, 0.01);
    EXPECT_NEAR(box.right, 110, 0.01);
}

TEST(Stroke_Outline, ClosedLineGivesOutsideAndInside) {
    const std::vector<Polyline> outline = StrokeOutline(EllipseCurve({0, 0}, 50, 50), 10);
    ASSERT_EQ(outline.size(), 2u);
    for (const Vec2& p : outline[0].points) EXPECT_NEAR(Length(p), 45, 0.01);  // the inside comes first
    for (const Vec2& p : outline[1].points) EXPECT_NEAR(Length(p), 55, 0.01);
    EXPECT_THROW(StrokeOutline(Square, 0), AuthoringError);
}

}  // namespace
}  // namespace orbilux::authoring
