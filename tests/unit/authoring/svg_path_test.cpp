#include <gtest/gtest.h>

#include <cmath>

#include "authoring/svg_path.h"

namespace orbilux::authoring {
namespace {

constexpr double Near = 1e-9;

// Every command, absolute and relative: where the drawing ends up.
struct EndCase {
    const char* data;
    double startX, startY;  // of the last subpath
    double endX, endY;      // end of its last segment
    std::size_t segments;   // in the last subpath
};

class SvgPathEnds : public ::testing::TestWithParam<EndCase> {};

TEST_P(SvgPathEnds, CommandsLandWhereTheyShould) {
    const EndCase& c = GetParam();
    const PathData data = ParseSvgPathData(c.data);
    ASSERT_FALSE(data.empty());
    const Subpath& last = data.back();
    EXPECT_NEAR(last.start.x, c.startX, Near);
    EXPECT_NEAR(last.start.y, c.startY, Near);
    ASSERT_EQ(last.segments.size(), c.segments);
    if (c.segments > 0) {
        EXPECT_NEAR(last.segments.back().end.x, c.endX, 1e-6);
        EXPECT_NEAR(last.segments.back().end.y, c.endY, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllCommands, SvgPathEnds,
    ::testing::Values(EndCase{"M 10 20 L 30 40", 10, 20, 30, 40, 1}, EndCase{"m 10 20 l 5 -5", 10, 20, 15, 15, 1},
                      EndCase{"M10 20 30 40 50 60", 10, 20, 50, 60, 2},  // pairs after M are linetos
                      EndCase{"m10 20 5 5 5 5", 10, 20, 20, 30, 2},
                      EndCase{"M 10 20 H 90", 10, 20, 90, 20, 1}, EndCase{"M 10 20 h -5", 10, 20, 5, 20, 1},
                      EndCase{"M 10 20 V 90", 10, 20, 10, 90, 1}, EndCase{"M 10 20 v 5 v 5", 10, 20, 10, 30, 2},
                      EndCase{"M 0 0 C 10 0 20 10 20 20", 0, 0, 20, 20, 1},
                      EndCase{"M 5 5 c 10 0 20 10 20 20", 5, 5, 25, 25, 1},
                      EndCase{"M 0 0 C 0 10 10 10 10 0 S 20 -10 20 0", 0, 0, 20, 0, 2},
                      EndCase{"M 0 0 Q 5 10 10 0 T 20 0", 0, 0, 20, 0, 2},
                      EndCase{"M 0 0 q 5 10 10 0 t 10 0", 0, 0, 20, 0, 2},
                      EndCase{"M 0 0 A 50 50 0 0 1 100 0", 0, 0, 100, 0, 2},
                      EndCase{"M 10 10 a 50 50 0 1 1 100 0", 10, 10, 110, 10, 2},
                      EndCase{"M 0 0 L 10 0 Z L 0 10", 0, 0, 0, 10, 1},  // after Z a new subpath starts at 0,0
                      EndCase{"M0,0L10-5.5e1", 0, 0, 10, -55, 1},      // numbers run together
                      EndCase{"M0,0L.5-.5e1", 0, 0, 0.5, -5, 1},
                      EndCase{"M 0 0 a25 25 0 1050 0", 0, 0, 50, 0, 2}));  // flags run together

TEST(SvgPath_Parse, SmoothCurvesReflectThePreviousControlPoint) {
    const PathData cubic = ParseSvgPathData("M 0 0 C 0 10 10 10 10 0 S 20 -10 20 0");
    const PathSegment& s = cubic[0].segments[1];
    EXPECT_NEAR(s.c1.x, 10, Near);
    EXPECT_NEAR(s.c1.y, -10, Near);
    // A quadratic becomes the cubic with controls two thirds of the way to
    // its control point; T reflects the quadratic control point (5, 10).
    const PathData quad = ParseSvgPathData("M 0 0 Q 5 10 10 0 T 20 0");
    EXPECT_NEAR(quad[0].segments[0].c1.x, 10.0 / 3, Near);
    EXPECT_NEAR(quad[0].segments[0].c1.y, 20.0 / 3, Near);
    EXPECT_NEAR(quad[0].segments[1].c1.x, 10 + 10.0 / 3, Near);
    EXPECT_NEAR(quad[0].segments[1].c1.y, -20.0 / 3, Near);
}

TEST(SvgPath_Parse, ClosePathMarksTheSubpathClosed) {
    const PathData data = ParseSvgPathData("M 0 0 H 10 V 10 Z M 50 50 h 1");
    ASSERT_EQ(data.size(), 2u);
    EXPECT_TRUE(data[0].closed);
    EXPECT_FALSE(data[1].closed);
    EXPECT_TRUE(ParseSvgPathData("").empty());
}

struct ErrorCase {
    const char* data;
    std::size_t offset;
};

class SvgPathErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SvgPathErrors, BadDataIsReportedWithItsPosition) {
    try {
        ParseSvgPathData(GetParam().data);
        FAIL() << "no error for \"" << GetParam().data << "\"";
    } catch (const SvgPathError& e) {
        EXPECT_EQ(e.offset(), GetParam().offset) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Malformed, SvgPathErrors,
                         ::testing::Values(ErrorCase{"L 10 10", 0}, ErrorCase{"10 10", 0}, ErrorCase{"M 10", 4},
                                           ErrorCase{"M 10 10 L", 9}, ErrorCase{"M 1e400 0", 2},
                                           ErrorCase{"M 10 10 A 5 5 0 2 0 10 10", 16},
                                           ErrorCase{"M 10 10 Z 5", 10}, ErrorCase{"M 10 10 X 5", 8},
                                           ErrorCase{"M 10 10 L 5,,5", 12}, ErrorCase{"M . 5", 2},
                                           ErrorCase{"M 5 5 L 1e13 0", 8}));

TEST(SvgPath_Arc, SemicircleStaysOnItsCircleAndSweepsTheRightWay) {
    // y grows downward: sweeping clockwise from (0, 0) to (100, 0) passes over the top.
    for (const bool sweep : {true, false}) {
        std::vector<PathSegment> segments;
        AppendArc(segments, {0, 0}, 50, 50, 0, false, sweep, {100, 0});
        PathData data{Subpath{{0, 0}, segments, false}};
        const std::vector<Polyline> lines = FlattenPathData(data, 0.01);
        double lowest = 0;
        for (const Vec2& p : lines[0].points) {
            EXPECT_NEAR(Distance(p, {50, 0}), 50, 0.05);
            lowest = sweep ? std::fmin(lowest, p.y) : std::fmax(lowest, p.y);
        }
        EXPECT_NEAR(lowest, sweep ? -50 : 50, 0.05);
    }
}

TEST(SvgPath_Arc, RadiiTooSmallAreScaledUpAndZeroRadiiDrawALine) {
    std::vector<PathSegment> segments;
    AppendArc(segments, {0, 0}, 10, 10, 30, false, true, {100, 0});
    const std::vector<Polyline> lines = FlattenPathData({Subpath{{0, 0}, segments, false}}, 0.01);
    for (const Vec2& p : lines[0].points) EXPECT_NEAR(Distance(p, {50, 0}), 50, 0.05);

    std::vector<PathSegment> flat;
    AppendArc(flat, {0, 0}, 0, 10, 0, false, true, {100, 0});
    ASSERT_EQ(flat.size(), 1u);
    EXPECT_TRUE(flat[0].line);
    std::vector<PathSegment> none;
    AppendArc(none, {5, 5}, 10, 10, 0, false, true, {5, 5});
    EXPECT_TRUE(none.empty());
}

TEST(SvgPath_Flatten, CurvesStayWithinTheTolerance) {
    const PathData data = ParseSvgPathData("M 0 0 C 0 100 100 100 100 0");
    auto curve = [](double t) {
        const double u = 1 - t;
        return Vec2{300 * u * t * t + 100 * t * t * t, 300 * u * u * t + 300 * u * t * t};
    };
    for (const double tolerance : {1.0, 0.1, 0.01}) {
        const Polyline line = FlattenPathData(data, tolerance)[0];
        const std::size_t pieces = line.points.size() - 1;
        ASSERT_GE(pieces, 2u);
        // The pieces split the curve at equal steps of its parameter; the
        // curve halfway through each piece stays within the tolerance of it.
        for (std::size_t i = 0; i < pieces; ++i) {
            const Vec2 a = line.points[i], b = line.points[i + 1], c = curve((i + 0.5) / double(pieces));
            const Vec2 ab = b - a;
            const double t = std::fmax(0, std::fmin(1, ((c.x - a.x) * ab.x + (c.y - a.y) * ab.y) / (ab.x * ab.x + ab.y * ab.y)));
            EXPECT_LE(Distance(c, a + ab * t), tolerance);
        }
    }
}

}  // namespace
}  // namespace orbilux::authoring
