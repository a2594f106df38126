#include <gtest/gtest.h>

#include "authoring/authoring_error.h"
#include "authoring/shape_source.h"

namespace orbilux::authoring {
namespace {

// One statement each: how many lines it draws, whether they close, and the
// box they fill.
struct DrawCase {
    const char* source;
    std::size_t lines;
    bool closed;
    double left, top, right, bottom;
};

class ShapeSourceDraws : public ::testing::TestWithParam<DrawCase> {};

TEST_P(ShapeSourceDraws, StatementsDrawTheirCurves) {
    const DrawCase& c = GetParam();
    const ShapeSource source = ParseShapeSource(c.source);
    ASSERT_EQ(source.paths.size(), 1u);
    const std::vector<Polyline>& lines = source.paths[0].lines;
    ASSERT_EQ(lines.size(), c.lines);
    for (const Polyline& l : lines) EXPECT_EQ(l.closed, c.closed);
    const Box box = BoundsOf(lines);
    EXPECT_NEAR(box.left, c.left, 0.5);
    EXPECT_NEAR(box.top, c.top, 0.5);
    EXPECT_NEAR(box.right, c.right, 0.5);
    EXPECT_NEAR(box.bottom, c.bottom, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStatement, ShapeSourceDraws,
    ::testing::Values(DrawCase{"circle 250 250 100", 1, true, 150, 150, 350, 350},
                      DrawCase{"ellipse 250 250 100 50", 1, true, 150, 200, 350, 300},
                      DrawCase{"arc 250 250 100 100 90 180", 1, false, 250, 250, 350, 350},
                      DrawCase{"polygon 250 250 100 4", 1, true, 150, 150, 350, 350},
                      DrawCase{"star 250 250 100 40 4", 1, true, 150, 150, 350, 350},
                      DrawCase{"spiral 250 250 0 100 1", 1, false, 173.3, 150, 279.0, 302.3},
                      DrawCase{"rose 250 250 100 2", 1, true, 150, 150, 350, 350},
                      DrawCase{"wave 250 250 100 20 4", 1, true, 130, 130, 370, 370},
                      DrawCase{"heart 250 250 200 100", 1, true, 150, 200, 350, 300},
                      DrawCase{"lemniscate 250 250 400 100", 1, true, 50, 200, 450, 300},
                      DrawCase{"crescent 250 250 100 180 360 20 40", 1, true, 130, 140, 260, 360},
                      DrawCase{"svg \"M 0 0 H 10 M 20 20 h 5\"", 2, false, 0, 0, 25, 20},
                      DrawCase{"svg \"M 0 0 H 10 V 10 H 0 Z\" fit 100 100 300 200", 1, true, 150, 100, 250, 200},
                      DrawCase{"svg \"M 0 0 H 100\" stroke 20", 1, true, -10, -10, 110, 10},
                      DrawCase{"circle 250 250 100 stroke 20", 2, true, 140, 140, 360, 360},
                      DrawCase{"polygon 250 250 100 4 rotate 45", 1, true, 179.3, 179.3, 320.7, 320.7}));

TEST(ShapeSource_Parse, PointSectionsAndSettings) {
    const ShapeSource s = ParseShapeSource(
        "# comment\n circle 250 250 100  # trailing comment\n"
        "fixed 1 2 3 4\nextra 5 6\noverflow 7 8\nspacing 2\nmetric design\n");
    EXPECT_EQ(s.fixed.size(), 2u);
    EXPECT_EQ(s.extra.size(), 1u);
    EXPECT_EQ(s.overflow.size(), 1u);
    EXPECT_FALSE(s.overflowAuto);
    EXPECT_EQ(s.spacing, 2);
    EXPECT_FALSE(s.screenMetric);
    EXPECT_TRUE(ParseShapeSource("circle 1 1 1\noverflow auto").overflowAuto);
}

TEST(ShapeSource_Parse, QuotedPathDataMaySpanLines) {
    const ShapeSource s = ParseShapeSource("svg \"M 0 0\n  L 10 0\n L 10 10\"\nfixed 1 1\n");
    ASSERT_EQ(s.paths.size(), 1u);
    EXPECT_EQ(s.paths[0].lines[0].points.size(), 3u);
    EXPECT_EQ(s.fixed.size(), 1u);
}

TEST(ShapeSource_Parse, OptionsChangeDirectionStartAndCount) {
    const Polyline plain = ParseShapeSource("circle 250 250 100").paths[0].lines[0];
    const Polyline reversed = ParseShapeSource("circle 250 250 100 reverse").paths[0].lines[0];
    EXPECT_EQ(plain.points.front(), reversed.points.back());
    const Polyline half = ParseShapeSource("circle 250 250 100 start 0.5").paths[0].lines[0];
    EXPECT_NEAR(half.points.front().y, 350, 1e-6);  // begins at the bottom
    const SourcePath counted = ParseShapeSource("circle 250 250 100 points 2000").paths[0];
    EXPECT_EQ(counted.points, std::optional<std::size_t>(2000));
}

struct BadSource {
    const char* source;
    const char* message;  // part of the error
};

class ShapeSourceErrors : public ::testing::TestWithParam<BadSource> {};

TEST_P(ShapeSourceErrors, ProblemsNameTheirLine) {
    try {
        ParseShapeSource(GetParam().source);
        FAIL() << "no error for " << GetParam().source;
    } catch (const AuthoringError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, ShapeSourceErrors,
    ::testing::Values(BadSource{"\n\ntriangle 1 2 3", "line 3: unknown statement"},
                      BadSource{"circle 250 250", "line 1: expected a number for radius"},
                      BadSource{"circle 250 250 x", "expected a number"},
                      BadSource{"circle 1 1 1 sparkle", "unknown option \"sparkle\""},
                      BadSource{"circle 1 1 1 start 1", "start must be a fraction"},
                      BadSource{"svg \"M 0 0 L 5", "unclosed quote"},
                      BadSource{"svg \"M 0 0 L\"", "bad path data"},
                      BadSource{"svg M", "expected quoted path data"},
                      BadSource{"polygon 1 1 1 2", "sides must be a whole number from 3"},
                      BadSource{"fixed 1 2 3", "needs both x and y"},
                      BadSource{"fixed", "expected at least one point"},
                      BadSource{"overflow sometimes", "overflow takes"},
                      BadSource{"overflow auto\noverflow 1 1", "either listed or \"auto\""},
                      BadSource{"spacing 0", "spacing must be"},
                      BadSource{"metric paper", "metric is"},
                      BadSource{"circle 1 1 1e9", "out of range"},
                      BadSource{"\"circle\" 1 1 1", "must start with a name"},
                      BadSource{"spiral 250 250 0 100 1000", "turns"}));

}  // namespace
}  // namespace orbilux::authoring
