#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "desktop/layout_date.h"
#include "platform/text.h"
#include "tests/support/layout_printers.h"

namespace orbilux {

namespace {

LocalDateTime At(int32_t year, int32_t month, int32_t day, int32_t hour = 0, int32_t minute = 0, int32_t second = 0) {
    LocalDateTime when;
    when.year = year;
    when.month = month;
    when.day = day;
    when.hour = hour;
    when.minute = minute;
    when.second = second;
    return when;
}

LocaleSettings Locale(std::wstring date, std::wstring time, std::wstring am, std::wstring pm,
                      DateOrder order = DateOrder::MonthDayYear) {
    return LocaleSettings{std::move(date), std::move(time), std::move(am), std::move(pm), order};
}

const LocaleSettings EnglishUs;  // the defaults are English (United States)
const LocaleSettings GermanLike = Locale(L".", L":", L"vorm.", L"nachm.", DateOrder::DayMonthYear);
const LocaleSettings IsoLike = Locale(L"-", L":", L"AM", L"PM", DateOrder::YearMonthDay);
const LocaleSettings FinnishLike = Locale(L".", L".", L"ap.", L"ip.", DateOrder::DayMonthYear);
const LocaleSettings HungarianLike = Locale(L". ", L":", L"de.", L"du.", DateOrder::YearMonthDay);

TEST(LayoutDate_Format, WorkedExampleOnEnglishUnitedStates) {
    EXPECT_EQ(FormatSavedAtText(At(2024, 3, 7, 14, 5, 9), EnglishUs), L"3/7/2024 02:05:09 PM");
}

struct HourCase {
    int32_t hour;
    const wchar_t* text;
};

TEST(LayoutDate_Format, HoursGoOnTheTwelveHourClock) {
    const HourCase cases[] = {
        {0, L"1/2/2003 12:04:05 AM"},  {1, L"1/2/2003 01:04:05 AM"},  {11, L"1/2/2003 11:04:05 AM"},
        {12, L"1/2/2003 12:04:05 PM"}, {13, L"1/2/2003 01:04:05 PM"}, {23, L"1/2/2003 11:04:05 PM"},
    };
    for (const HourCase& c : cases) EXPECT_EQ(FormatSavedAtText(At(2003, 1, 2, c.hour, 4, 5), EnglishUs), c.text);
}

struct FormatCase {
    const char* name;
    LocaleSettings locale;
    LocalDateTime when;
    const wchar_t* text;
};

TEST(LayoutDate_Format, UsesTheLocaleSeparatorsAndDesignatorsButAlwaysMonthFirst) {
    const FormatCase cases[] = {
        {"GermanLike", GermanLike, At(2024, 12, 1, 9, 30, 0), L"12.1.2024 09:30:00 vorm."},
        {"IsoLike", IsoLike, At(2024, 3, 17, 18, 0, 59), L"3-17-2024 06:00:59 PM"},
        {"FinnishLike", FinnishLike, At(2024, 3, 7, 14, 5, 9), L"3.7.2024 02.05.09 ip."},
        {"HungarianLike", HungarianLike, At(2024, 3, 7, 14, 5, 9), L"3. 7. 2024 02:05:09 du."},
        {"SmallYearPadded", EnglishUs, At(987, 6, 5, 4, 3, 2), L"6/5/0987 04:03:02 AM"},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(FormatSavedAtText(c.when, c.locale), c.text) << c.name;
}

TEST(LayoutDate_Format, UnusableLocaleSettingsFallBackSoTheTextStaysReadable) {
    const FormatCase cases[] = {
        // Without designators the half of the day would be lost.
        {"EmptyDesignators", Locale(L"/", L":", L"", L""), At(2024, 3, 7, 14, 5, 9), L"3/7/2024 02:05:09 PM"},
        {"OneEmptyDesignator", Locale(L"/", L":", L"", L"pm"), At(2024, 3, 7, 1, 5, 9), L"3/7/2024 01:05:09 AM"},
        {"SameDesignators", Locale(L"/", L":", L"x", L"X"), At(2024, 3, 7, 14, 5, 9), L"3/7/2024 02:05:09 PM"},
        {"SpacesAroundDesignators", Locale(L"/", L":", L" a ", L" p "), At(2024, 3, 7, 14, 5, 9),
         L"3/7/2024 02:05:09 p"},
        {"EmptySeparators", Locale(L"", L"", L"AM", L"PM"), At(2024, 3, 7, 14, 5, 9), L"3/7/2024 02:05:09 PM"},
        {"DigitSeparators", Locale(L"0", L"1", L"AM", L"PM"), At(2024, 3, 7, 14, 5, 9), L"3/7/2024 02:05:09 PM"},
        {"FieldSeparatorInside", Locale(L"\u00BC", L":", L"a\u00BC", L"p"), At(2024, 3, 7, 14, 5, 9),
         L"3/7/2024 02:05:09 PM"},
    };
    for (const FormatCase& c : cases) EXPECT_EQ(FormatSavedAtText(c.when, c.locale), c.text) << c.name;
}

struct ParseCase {
    const char* name;
    const wchar_t* text;
    LocaleSettings locale;
    std::optional<LocalDateTime> when;
};

class LayoutDate_Parse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(LayoutDate_Parse, ReadsThePatternItIsWrittenWith) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(ParseSavedAtText(c.text, c.locale), c.when);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LayoutDate_Parse,
    ::testing::Values(
        ParseCase{"WorkedExample", L"3/7/2024 02:05:09 PM", EnglishUs, At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"MidnightIsTwelveAm", L"12/31/1999 12:00:00 AM", EnglishUs, At(1999, 12, 31, 0, 0, 0)},
        ParseCase{"NoonIsTwelvePm", L"12/31/1999 12:00:00 PM", EnglishUs, At(1999, 12, 31, 12, 0, 0)},
        ParseCase{"DesignatorInAnyCase", L"1/1/2000 11:59:59 pm", EnglishUs, At(2000, 1, 1, 23, 59, 59)},
        ParseCase{"TwentyFourHourClock", L"3/7/2024 14:05:09", EnglishUs, At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"TwentyFourHourMidnight", L"3/7/2024 0:05:09", EnglishUs, At(2024, 3, 7, 0, 5, 9)},
        ParseCase{"SpacesAround", L"  3/7/2024   02:05:09PM ", EnglishUs, At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"LeapDay", L"2/29/2024 01:00:00 AM", EnglishUs, At(2024, 2, 29, 1, 0, 0)},
        // Written on a day-first locale: still month first, with its separators and designators.
        ParseCase{"DayFirstWriter", L"3.7.2024 02:05:09 nachm.", GermanLike, At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"DayFirstWriterDayAbove12", L"7.13.2024 09:00:00 vorm.", GermanLike, At(2024, 7, 13, 9, 0, 0)},
        ParseCase{"LiteralDesignatorOnOtherLocale", L"3.7.2024 02:05:09 PM", GermanLike, At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"DashSeparator", L"3-17-2024 06:00:59 PM", IsoLike, At(2024, 3, 17, 18, 0, 59)},
        ParseCase{"DotTimeSeparator", L"3.7.2024 02.05.09 ip.", FinnishLike, At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"SpacedSeparator", L"3. 7. 2024 02:05:09 du.", HungarianLike, At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"SpacedSeparatorWithoutSpaces", L"3.7.2024 02:05:09 de.", HungarianLike, At(2024, 3, 7, 2, 5, 9)},
        ParseCase{"FallbackDesignatorsOfEmptyLocaleOnes", L"3/7/2024 02:05:09 PM", Locale(L"/", L":", L"", L""),
                  At(2024, 3, 7, 14, 5, 9)},
        ParseCase{"MonthThirteen", L"13.7.2024 02:05:09 PM", GermanLike, std::nullopt},
        ParseCase{"FebruaryThirtieth", L"2/30/2024 01:00:00 AM", EnglishUs, std::nullopt},
        ParseCase{"NoLeapDay", L"2/29/2023 01:00:00 AM", EnglishUs, std::nullopt},
        ParseCase{"DayZero", L"3/0/2024 01:00:00 AM", EnglishUs, std::nullopt},
        ParseCase{"YearZero", L"3/7/0000 01:00:00 AM", EnglishUs, std::nullopt},
        ParseCase{"TwoDigitYear", L"3/7/24 02:05:09 PM", EnglishUs, std::nullopt},
        ParseCase{"FiveDigitYear", L"3/7/20245 02:05:09 PM", EnglishUs, std::nullopt},
        ParseCase{"ThirteenPm", L"3/7/2024 13:05:09 PM", EnglishUs, std::nullopt},
        ParseCase{"Hour24", L"3/7/2024 24:00:00", EnglishUs, std::nullopt},
        ParseCase{"Minute60", L"3/7/2024 02:60:09 PM", EnglishUs, std::nullopt},
        ParseCase{"NoSeconds", L"3/7/2024 02:05 PM", EnglishUs, std::nullopt},
        ParseCase{"NoTime", L"3/7/2024", EnglishUs, std::nullopt},
        ParseCase{"NoSpaceBeforeTime", L"3/7/202402:05:09 PM", EnglishUs, std::nullopt},
        ParseCase{"OtherLocalesSeparator", L"3-7-2024 02:05:09 PM", EnglishUs, std::nullopt},
        ParseCase{"TrailingText", L"3/7/2024 02:05:09 PM x", EnglishUs, std::nullopt},
        ParseCase{"UnknownDesignator", L"3/7/2024 02:05:09 XM", EnglishUs, std::nullopt},
        ParseCase{"Empty", L"", EnglishUs, std::nullopt},
        ParseCase{"Words", L"yesterday", EnglishUs, std::nullopt}),
    [](const ::testing::TestParamInfo<ParseCase>& p) { return std::string(p.param.name); });

TEST(LayoutDate_Parse, EveryWrittenTextReadsBackToItsMoment) {
    const LocaleSettings locales[] = {EnglishUs,
                                      GermanLike,
                                      IsoLike,
                                      FinnishLike,
                                      HungarianLike,
                                      Locale(L"/", L":", L"\u5348\u524D", L"\u5348\u5F8C"),
                                      Locale(L"/", L":", L"a. m.", L"p. m."),
                                      Locale(L"/", L":", L"", L""),
                                      Locale(L"", L"", L"am", L"AM")};
    const LocalDateTime moments[] = {At(1, 1, 1),           At(1899, 12, 30),          At(1970, 1, 1, 0, 0, 1),
                                     At(2000, 2, 29, 12, 0, 0), At(2024, 3, 7, 14, 5, 9), At(2024, 12, 31, 23, 59, 59),
                                     At(9999, 12, 31, 11, 59, 59)};
    for (const LocaleSettings& locale : locales)
        for (const LocalDateTime& when : moments) {
            const std::wstring text = FormatSavedAtText(when, locale);
            EXPECT_EQ(ParseSavedAtText(text, locale), when) << Utf8FromWide(text);
        }
}

struct SerialCase {
    LocalDateTime when;
    double savedAt;
};

TEST(LayoutDate_SavedAt, CountsDaysSinceTheEndOf1899WithTheTimeAsFraction) {
    const SerialCase cases[] = {
        {At(1899, 12, 30), 0.0},
        {At(1899, 12, 31), 1.0},
        {At(1900, 1, 1), 2.0},
        {At(1900, 3, 1), 61.0},  // 1900 was no leap year
        {At(2024, 3, 7), 45358.0},
        {At(2024, 3, 7, 14, 5, 9), 45358.0 + 50709.0 / 86400.0},
        {At(1899, 12, 30, 12, 0, 0), 0.5},
        {At(1899, 12, 29, 6, 0, 0), -1.25},  // before the epoch the time is subtracted
        {At(1, 1, 1), -693593.0},
        {At(9999, 12, 31), 2958465.0},
    };
    for (const SerialCase& c : cases) {
        EXPECT_EQ(SavedAtFromDateTime(c.when), c.savedAt) << c.when.year << "-" << c.when.month << "-" << c.when.day;
        EXPECT_EQ(DateTimeFromSavedAt(c.savedAt), c.when) << c.savedAt;
    }
    EXPECT_EQ(SavedAtFromDateTime(At(2024, 2, 30)), std::nullopt);
}

TEST(LayoutDate_SavedAt, RoundsToTheSecondAndCarriesIntoTheNextDay) {
    EXPECT_EQ(DateTimeFromSavedAt(45358.0 + 50709.4 / 86400.0), At(2024, 3, 7, 14, 5, 9));
    EXPECT_EQ(DateTimeFromSavedAt(45358.0 + 86399.7 / 86400.0), At(2024, 3, 8, 0, 0, 0));
    EXPECT_EQ(DateTimeFromSavedAt(-1.0 - 86399.7 / 86400.0), At(1899, 12, 28, 0, 0, 0));
}

TEST(LayoutDate_SavedAt, UnreadableOrOutOfRangeNumbersHaveNoMoment) {
    for (const double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 2958466.0, -693594.0, 1.0e300})
        EXPECT_EQ(DateTimeFromSavedAt(v), std::nullopt) << v;
}

TEST(LayoutDate_SavedAt, FromTextIsZeroWhenTheTextDoesNotParse) {
    EXPECT_EQ(SavedAtFromText(L"3/7/2024 02:05:09 PM", EnglishUs), 45358.0 + 50709.0 / 86400.0);
    EXPECT_EQ(SavedAtFromText(L"3.7.2024 02:05:09 PM", GermanLike), 45358.0 + 50709.0 / 86400.0);
    EXPECT_EQ(SavedAtFromText(L"13.7.2024 02:05:09 PM", GermanLike), 0.0);
    EXPECT_EQ(SavedAtFromText(L"", EnglishUs), 0.0);
}

TEST(LayoutDate_Iso8601, IsLocalTimeToTheSecond) {
    EXPECT_EQ(SavedAtToIso8601(45358.0 + 50709.0 / 86400.0), "2024-03-07T14:05:09");
    EXPECT_EQ(SavedAtToIso8601(0.0), "1899-12-30T00:00:00");
    EXPECT_EQ(SavedAtToIso8601(-1.25), "1899-12-29T06:00:00");
    EXPECT_EQ(SavedAtToIso8601(-693593.0), "0001-01-01T00:00:00");
    EXPECT_EQ(SavedAtToIso8601(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
}

struct OrderCase {
    const wchar_t* pattern;
    DateOrder order;
};

TEST(LayoutDate_DateOrder, ComesFromTheShortDatePattern) {
    const OrderCase cases[] = {
        {L"M/d/yyyy", DateOrder::MonthDayYear},        {L"MM/dd/yy", DateOrder::MonthDayYear},
        {L"dd.MM.yyyy", DateOrder::DayMonthYear},      {L"d/M/yyyy", DateOrder::DayMonthYear},
        {L"yyyy-MM-dd", DateOrder::YearMonthDay},      {L"yyyy. MM. dd.", DateOrder::YearMonthDay},
        {L"'day' dd 'of' MM yyyy", DateOrder::DayMonthYear},  // quoted text is skipped
        {L"'yM' MM/dd/yyyy", DateOrder::MonthDayYear},
        {L"ddd dd/MM/yyyy", DateOrder::DayMonthYear},  // a weekday name is no day of the month
        {L"dddd, MMMM d, yyyy", DateOrder::MonthDayYear},
        {L"gg yyyy/M/d", DateOrder::YearMonthDay},     {L"", DateOrder::MonthDayYear},
        {L"'unclosed", DateOrder::MonthDayYear},
    };
    for (const OrderCase& c : cases) {
        const std::wstring pattern = c.pattern;
        EXPECT_EQ(DateOrderFromPattern(pattern), c.order) << Utf8FromWide(pattern);
    }
}

}  // namespace
}  // namespace orbilux
