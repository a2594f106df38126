#include <gtest/gtest.h>

#include "engine/engine_errors.h"
#include "engine/placement.h"
#include "tests/support/shape_records.h"

namespace orbilux {
namespace {

// Rounding at exact halves is where 80-bit intermediates and ties-to-even
// decide the result.
struct HalfSizeCase {
    int32_t width;
    int32_t areaWidth;
    int32_t expectedOriginX;  // areaWidth div 2 - halfW - 12
};

class Placement_Origin : public ::testing::TestWithParam<HalfSizeCase> {};

TEST_P(Placement_Origin, HalvesAndTruncationFollowTheEngineRules) {
    const auto& c = GetParam();
    EXPECT_EQ(ComputeOrigin(c.width, c.width, c.areaWidth, c.areaWidth, 0, 0).x, c.expectedOriginX);
}

INSTANTIATE_TEST_SUITE_P(Cases, Placement_Origin,
                         ::testing::Values(
                             // halfW(63) = 31 although 63 / 2 = 31.5 would round to 32
                             HalfSizeCase{63, 0, -31 - 12},
                             // halfW(501) = 251 although 250.5 would round to 250
                             HalfSizeCase{501, 0, -251 - 12},
                             HalfSizeCase{500, 1000, 500 - 250 - 12},
                             // 1023 div 2 = 511 and -5 div 2 = -2 (toward zero)
                             HalfSizeCase{0, 1023, 511 - 12}, HalfSizeCase{0, -5, -2 - 12},
                             HalfSizeCase{-100, 0, 50 - 12}));

TEST(Placement_Origin, ShiftsMoveTheCentreAndYHasNoCorrection) {
    const Origin origin = ComputeOrigin(500, 300, 1000, 800, 7, -9);
    EXPECT_EQ(origin.x, 500 + 7 - 250 - 12);
    EXPECT_EQ(origin.y, 400 - 9 - 150);
}

TEST(Placement_Origin, WrapsInsteadOfOverflowing) {
    const Origin origin = ComputeOrigin(0, 0, INT32_MAX, 0, INT32_MAX, INT32_MIN);
    EXPECT_EQ(origin.x, Wrap32(int64_t(INT32_MAX / 2) + INT32_MAX - 12));
    EXPECT_EQ(origin.y, INT32_MIN);
}

struct ScaleCase {
    int32_t size;
    int32_t coordinate;
    int32_t expected;
};

class Placement_Scale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(Placement_Scale, FactorFirstThenProductThenRound) {
    const auto& c = GetParam();
    const PointScaler scaler(c.size, c.size, Origin{0, 0});
    const IconTarget t = scaler.target({c.coordinate, c.coordinate}, 0);
    EXPECT_EQ(t.x, c.expected);
    EXPECT_EQ(t.y, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Placement_Scale,
                         ::testing::Values(ScaleCase{525, 30, 31},  // exact arithmetic: 31.5 -> 32
                                           ScaleCase{250, 1, 0},    // 0.5 ties to even
                                           ScaleCase{750, 1, 2},    // 1.5 ties to even
                                           ScaleCase{500, 123, 123}, ScaleCase{1000, 3, 6},
                                           ScaleCase{-500, 40, -40}));

TEST(Placement_Scale, ScaledCoordinatesWrapAtThirtyTwoBits) {
    const PointScaler scaler(INT32_MAX, INT32_MAX, Origin{INT32_MAX, 5});
    const IconTarget t = scaler.target({INT32_MAX, INT32_MIN}, 9);
    const long double factor = static_cast<long double>(INT32_MAX) / 500;
    const int64_t scaledX = RoundTiesEven(static_cast<long double>(INT32_MAX) * factor);
    const int64_t scaledY = RoundTiesEven(static_cast<long double>(INT32_MIN) * factor);
    EXPECT_EQ(t.x, Wrap32(int64_t(INT32_MAX) + scaledX));
    EXPECT_EQ(t.y, Wrap32(5 + scaledY));
    EXPECT_EQ(t.index, 9);
}

TEST(Placement_IndexList, MakesOneToCount) {
    EXPECT_EQ(MakeIndexList(4).toVector(), (std::vector<int32_t>{1, 2, 3, 4}));
    EXPECT_TRUE(MakeIndexList(0).empty());
    EXPECT_TRUE(MakeIndexList(-3).empty());
}

TEST(Placement_PlaceOnPoints, TakesNumbersFromTheFrontWhileTheyLast) {
    IndexList numbers = MakeIndexList(2);
    const PointScaler scaler(500, 500, Origin{10, 20});
    const auto targets = PlaceOnPoints(numbers, {{1, 1}, {2, 2}, {3, 3}}, scaler);
    EXPECT_EQ(targets, (IconTargets{{11, 21, 0}, {12, 22, 1}}));
    EXPECT_TRUE(numbers.empty());
}

// Positions (1-based) of a single path of L points that receive icons.
std::vector<int> IconPositions(int length, int32_t iconsPerPath, int32_t numbers = 1000) {
    const IndexList list = MakeIndexList(numbers);
    const PointScaler scaler(500, 500, Origin{0, 0});
    const Distribution d = DistributeOnPaths(list, {test::LinePath(length)}, iconsPerPath, scaler);
    std::vector<int> positions;
    for (const IconTarget& t : d.targets) positions.push_back(t.x);  // LinePath's x is the position
    return positions;
}

struct StepCase {
    int length;
    int32_t iconsPerPath;
    int64_t k;
    int64_t t;
    std::vector<int> positions;
};

class Placement_PathStep : public ::testing::TestWithParam<StepCase> {};

TEST_P(Placement_PathStep, StepTailAndPositions) {
    const auto& c = GetParam();
    const PathStep step = ComputePathStep(std::size_t(c.length), c.iconsPerPath);
    EXPECT_EQ(step.k, c.k);
    EXPECT_EQ(step.t, c.t);
    EXPECT_EQ(IconPositions(c.length, c.iconsPerPath), c.positions);
}

INSTANTIATE_TEST_SUITE_P(Cases, Placement_PathStep,
                         ::testing::Values(StepCase{5, 2, 2, 1, {2, 4}},      // 2.5 ties to 2
                                           StepCase{7, 4, 2, 0, {2, 4, 6}},   // tail Round(0.5) = 0
                                           StepCase{12, 4, 3, 1, {3, 6, 9}},  // point 12 fails the tail
                                           StepCase{20, 3, 7, 2, {7, 14}},
                                           StepCase{3, 5, 1, 0, {1, 2, 3}},
                                           StepCase{100, 10, 10, 3, {10, 20, 30, 40, 50, 60, 70, 80, 90}},
                                           StepCase{10, -3, -3, -1, {3, 6, 9}},  // negative gap
                                           StepCase{1, 1, 1, 0, {1}}));

TEST(Placement_PathStep, ThirtyIconsPerHundredPointsTakeEveryThirdPoint) {
    const auto positions = IconPositions(100, 30);
    ASSERT_EQ(positions.size(), 33u);
    EXPECT_EQ(positions.front(), 3);
    EXPECT_EQ(positions.back(), 99);
}

struct ZeroDivisionCase {
    int length;
    int32_t iconsPerPath;
};

class Placement_PathStepError : public ::testing::TestWithParam<ZeroDivisionCase> {};

TEST_P(Placement_PathStepError, StepOrGapOfZeroIsDivisionByZero) {
    const auto& c = GetParam();
    EXPECT_THROW(IconPositions(c.length, c.iconsPerPath), DivisionByZeroError);
}

INSTANTIATE_TEST_SUITE_P(Cases, Placement_PathStepError,
                         ::testing::Values(ZeroDivisionCase{3, 6}, ZeroDivisionCase{1, 2}, ZeroDivisionCase{3, 0},
                                           ZeroDivisionCase{5, 100}));

TEST(Placement_Distribute, EmptyPathsComputeNothingEvenWithGapZero) {
    const IndexList list = MakeIndexList(5);
    const PointScaler scaler(500, 500, Origin{0, 0});
    const Distribution d = DistributeOnPaths(list, {{}, {}}, 0, scaler);
    EXPECT_TRUE(d.targets.empty());
    ASSERT_TRUE(d.overflow.has_value());
    EXPECT_EQ(d.overflow->toVector(), (std::vector<int32_t>{1, 2, 3, 4}));
}

TEST(Placement_Distribute, ALaterBadPathFailsEvenWhenNumbersRanOut) {
    const IndexList list = MakeIndexList(2);
    const PointScaler scaler(500, 500, Origin{0, 0});
    EXPECT_THROW(DistributeOnPaths(list, {test::LinePath(10), test::LinePath(1)}, 5, scaler), DivisionByZeroError);
}

TEST(Placement_Distribute, NumbersGoAcrossPathsInOrderAndNeverTheLast) {
    const IndexList list = MakeIndexList(5);
    const PointScaler scaler(500, 500, Origin{0, 0});
    const Distribution d =
        DistributeOnPaths(list, {test::LinePath(3, 100), test::LinePath(3, 200)}, 3, scaler);
    // k = 1, t = 0: the first path takes 1..3, the second only 4 (5 is never used).
    EXPECT_EQ(d.targets, (IconTargets{{1, 100, 0}, {2, 100, 1}, {3, 100, 2}, {1, 200, 3}}));
    EXPECT_FALSE(d.overflow.has_value());
}

struct SuggestionCase {
    const char* name;
    int32_t items;
    test::ShapeRecipe recipe;
    int32_t suggested;
    int32_t minimum;
};

class Placement_Suggestion : public ::testing::TestWithParam<SuggestionCase> {};

TEST_P(Placement_Suggestion, SuggestedAndMinimum) {
    const auto& c = GetParam();
    const LoadedShape shape = test::ShapeOf(c.recipe);
    EXPECT_EQ(SuggestIconsPerPath(c.items, shape), c.suggested);
    EXPECT_EQ(MinIconsPerPathFor(c.items, shape), c.minimum);
}

test::ShapeRecipe Paths(int count, std::vector<ShapePoint> extra = {}, std::vector<ShapePoint> fixed = {},
                      std::vector<ShapePoint> overflow = {}) {
    test::ShapeRecipe recipe;
    for (int i = 0; i < count; ++i) recipe.paths.push_back(test::LinePath(100));
    recipe.extra = std::move(extra);
    recipe.fixed = std::move(fixed);
    recipe.overflow = std::move(overflow);
    return recipe;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Placement_Suggestion,
    ::testing::Values(
        // One fixed point, one path, 30 items: 29 div 1 + 1.
        SuggestionCase{"WorkedExample", 30, Paths(1, {}, {{250, 250}}), 30, 30},
        // Two extra points and three paths: quotient by 2, remainder by 3.
        SuggestionCase{"TwoExtraPointsCountOnePathFewer", 20, Paths(3, {{1, 1}, {2, 2}}), 12, 12},
        SuggestionCase{"ThreeExtraPointsCountNormally", 20, Paths(3, {{1, 1}, {2, 2}, {3, 3}}), 7 + 1, 8},
        // d = 3 overflow points + 1 = 4; R = 20; 20 div 2 + 1 = 11, 4 < 0 false.
        // Minimum: R' = 16; 16 div 2 + 1 + 1 = 10; 4 < 0 false.
        SuggestionCase{"OverflowPointsRaiseTheMinimum", 20, Paths(2, {}, {}, {{1, 1}, {2, 2}, {3, 3}}), 11, 10},
        // R = 23, P = 2: 23 div 2 + 1 = 12, d = 0 < 1 adds one.
        SuggestionCase{"RemainderAddsOne", 23, Paths(2), 13, 13},
        // R = -4 (more fixed points than items): -4 div 1 + 1 = -3; mod is 0.
        SuggestionCase{"NegativeRest", 1, Paths(1, {}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}), -3, -3}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Placement_Suggestion, NoPathsOrOnePathWithTwoExtrasDivideByZero) {
    const LoadedShape noPaths = test::ShapeOf(Paths(0));
    EXPECT_THROW(SuggestIconsPerPath(10, noPaths), DivisionByZeroError);
    EXPECT_THROW(MinIconsPerPathFor(10, noPaths), DivisionByZeroError);
    const LoadedShape onePathTwoExtras = test::ShapeOf(Paths(1, {{1, 1}, {2, 2}}));
    EXPECT_THROW(SuggestIconsPerPath(10, onePathTwoExtras), DivisionByZeroError);
    // No paths but two extra points: P - c = -1 is fine, the remainder by P is not.
    const LoadedShape twoExtrasOnly = test::ShapeOf(Paths(0, {{1, 1}, {2, 2}}));
    EXPECT_THROW(SuggestIconsPerPath(10, twoExtrasOnly), DivisionByZeroError);
}

}  // namespace
}  // namespace orbilux

namespace orbilux {
namespace {

struct RoundCase {
    long double value;
    int64_t expected;
};

TEST(Placement_Round, TiesGoToTheEvenNeighbour) {
    const RoundCase cases[] = {{0.5L, 0},   {1.5L, 2},   {2.5L, 2},     {-0.5L, 0},      {-1.5L, -2},
                               {-2.5L, -2}, {0.49L, 0},  {0.51L, 1},    {-0.51L, -1},    {1e15L + 0.5L, 1000000000000000},
                               {3.0L, 3},   {-7.0L, -7}, {4e18L, 4000000000000000000}};
    for (const RoundCase& c : cases) EXPECT_EQ(RoundTiesEven(c.value), c.expected) << double(c.value);
}

TEST(Placement_Round, OutOfRangeValuesAreErrorsNotUndefined) {
    EXPECT_THROW(RoundTiesEven(5e18L), NumericRangeError);
    EXPECT_THROW(RoundTiesEven(-5e18L), NumericRangeError);
    EXPECT_THROW(RoundTiesEven(__builtin_nanl("")), NumericRangeError);
    EXPECT_THROW(RoundTiesEven(__builtin_infl()), NumericRangeError);
}

unsigned short ControlWord() {
    unsigned short word;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}
void SetControlWord(unsigned short word) { __asm__ volatile("fldcw %0" : : "m"(word)); }

// Windows starts x64 programs with a 53-bit x87 significand; the engine must
// not depend on the caller's setting, and must give it back unchanged.
TEST(Placement_Round, HalvesHoldWhateverTheCallersPrecision) {
    const unsigned short original = ControlWord();
    const unsigned short doublePrecision = static_cast<unsigned short>((original & ~0x0300) | 0x0200);
    SetControlWord(doublePrecision);
    const int32_t origin63 = ComputeOrigin(63, 63, 0, 0, 0, 0).x;
    const int32_t origin501 = ComputeOrigin(501, 501, 0, 0, 0, 0).x;
    const int32_t scaled = PointScaler(525, 525, Origin{0, 0}).target({30, 30}, 0).x;
    const unsigned short after = ControlWord();
    SetControlWord(original);
    EXPECT_EQ(origin63, -31 - 12);
    EXPECT_EQ(origin501, -251 - 12);
    EXPECT_EQ(scaled, 31);
    EXPECT_EQ(after, doublePrecision);
}

}  // namespace
}  // namespace orbilux
