#include <gtest/gtest.h>

#include "settings/profile_values.h"

namespace orbilux {
namespace {

struct IntegerCase {
    const wchar_t* text;
    std::optional<int32_t> expected;
};

class ParseProfileIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseProfileIntegerTest, ReadsTheWholeTextOrNothing) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(ParseProfileInteger(c.text), c.expected) << "text: " << std::wstring(c.text);
}

INSTANTIATE_TEST_SUITE_P(Decimal, ParseProfileIntegerTest,
                         ::testing::Values(IntegerCase{L"0", 0}, IntegerCase{L"2", 2}, IntegerCase{L"90", 90},
                                           IntegerCase{L"-1", -1}, IntegerCase{L"+5", 5}, IntegerCase{L"-0", 0},
                                           IntegerCase{L"007", 7}, IntegerCase{L"2147483647", INT32_MAX},
                                           IntegerCase{L"-2147483648", INT32_MIN},
                                           IntegerCase{L"2147483648", std::nullopt},
                                           IntegerCase{L"-2147483649", std::nullopt},
                                           IntegerCase{L"99999999999999999999999", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, ParseProfileIntegerTest,
                         ::testing::Values(IntegerCase{L"0x10", 16}, IntegerCase{L"0X1f", 31}, IntegerCase{L"$ff", 255},
                                           IntegerCase{L"$7FFFFFFF", INT32_MAX}, IntegerCase{L"$80000000", INT32_MIN},
                                           IntegerCase{L"0xFFFFFFFF", -1}, IntegerCase{L"-0x10", -16},
                                           IntegerCase{L"-$1", -1}, IntegerCase{L"0x0000000000000001", 1},
                                           IntegerCase{L"$100000000", std::nullopt}, IntegerCase{L"0xg", std::nullopt},
                                           IntegerCase{L"0x", std::nullopt}, IntegerCase{L"$", std::nullopt},
                                           IntegerCase{L"x10", std::nullopt}, IntegerCase{L"0x-1", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(NotIntegers, ParseProfileIntegerTest,
                         ::testing::Values(IntegerCase{L"", std::nullopt}, IntegerCase{L"yes", std::nullopt},
                                           IntegerCase{L"true", std::nullopt}, IntegerCase{L"1.5", std::nullopt},
                                           IntegerCase{L"12abc", std::nullopt}, IntegerCase{L"-", std::nullopt},
                                           IntegerCase{L"+-1", std::nullopt}, IntegerCase{L"1 2", std::nullopt},
                                           IntegerCase{L"\u0661", std::nullopt} /* an Arabic-Indic digit one */,
                                           IntegerCase{L"ff", std::nullopt}));

struct BoolCase {
    const wchar_t* text;
    bool fallback;
    bool expected;
};

class ProfileBoolOrTest : public ::testing::TestWithParam<BoolCase> {};

TEST_P(ProfileBoolOrTest, NonZeroIntegersAreTrueAndTheRestFallBack) {
    const BoolCase& c = GetParam();
    EXPECT_EQ(ProfileBoolOr(c.text, c.fallback), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileBoolOrTest,
                         ::testing::Values(BoolCase{L"1", false, true}, BoolCase{L"2", false, true},
                                           BoolCase{L"-1", false, true}, BoolCase{L"0x0", true, false},
                                           BoolCase{L"0", true, false}, BoolCase{L"$10", false, true},
                                           BoolCase{L"yes", false, false}, BoolCase{L"yes", true, true},
                                           BoolCase{L"no", true, true}, BoolCase{L"", true, true},
                                           BoolCase{L"", false, false}, BoolCase{L"false", true, true}));

TEST(ProfileIntegerOr, FallsBackOnlyWhenTheTextIsNoInteger) {
    EXPECT_EQ(ProfileIntegerOr(L"", 90), 90);
    EXPECT_EQ(ProfileIntegerOr(L"abc", -1), -1);
    EXPECT_EQ(ProfileIntegerOr(L"0", 90), 0);
    EXPECT_EQ(ProfileIntegerOr(L"-7", 1), -7);
}

TEST(FormatProfileValues, DecimalIntegersAndOneOrZero) {
    EXPECT_EQ(FormatProfileInteger(0), L"0");
    EXPECT_EQ(FormatProfileInteger(-100), L"-100");
    EXPECT_EQ(FormatProfileInteger(INT32_MIN), L"-2147483648");
    EXPECT_EQ(FormatProfileBool(true), L"1");
    EXPECT_EQ(FormatProfileBool(false), L"0");
    for (const int32_t value : {INT32_MIN, -100, -1, 0, 1, 255, 360, INT32_MAX})
        EXPECT_EQ(ParseProfileInteger(FormatProfileInteger(value)), value);
}

}  // namespace
}  // namespace orbilux
