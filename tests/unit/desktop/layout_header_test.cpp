#include <gtest/gtest.h>

#include "desktop/layout_header.h"
#include "platform/text.h"
#include "tests/support/layout_printers.h"

namespace orbilux {
namespace {

const std::wstring Sep(1, HeaderSeparator);
const LocaleSettings EnglishUs;

LocalDateTime March7() {
    LocalDateTime when;
    when.year = 2024;
    when.month = 3;
    when.day = 7;
    when.hour = 14;
    when.minute = 5;
    when.second = 9;
    return when;
}

TEST(LayoutHeader_Compose, WorkedExample) {
    EXPECT_EQ(ComposeHeader(FormatSavedAtText(March7(), EnglishUs), L"No description", 1280, 1024, 23),
              L"3/7/2024 02:05:09 PM\u00BCNo description\u00BC1280\u00BC1024\u00BC23\u00BC");
}

TEST(LayoutHeader_Parse, WorkedExample) {
    const LayoutInfo info =
        ParseHeader(L"01234567", L"3/7/2024 02:05:09 PM\u00BCNo description\u00BC1280\u00BC1024\u00BC23\u00BC",
                    EnglishUs);
    EXPECT_EQ(info.id, L"01234567");
    EXPECT_EQ(info.savedAt, SavedAtFromDateTime(March7()).value());
    EXPECT_EQ(info.description, L"No description");
    EXPECT_EQ(info.screenWidth, 1280);
    EXPECT_EQ(info.screenHeight, 1024);
    EXPECT_EQ(info.iconCount, 23);
}

struct TakeCase {
    const char* name;
    std::wstring text;
    std::vector<std::wstring> fields;  // three takes in a row
    std::wstring rest;
};

TEST(LayoutHeader_TakeField, AFieldWithoutItsSeparatorReadsEmptyAndConsumesNothing) {
    const TakeCase cases[] = {
        {"ThreeFields", L"a" + Sep + L"b" + Sep + L"c" + Sep, {L"a", L"b", L"c"}, L""},
        {"EmptyFields", Sep + Sep + L"x" + Sep, {L"", L"", L"x"}, L""},
        {"UnterminatedLast", L"a" + Sep + L"b" + Sep + L"23", {L"a", L"b", L""}, L"23"},
        {"NoSeparatorAtAll", L"3/7/2024", {L"", L"", L""}, L"3/7/2024"},
        {"Empty", L"", {L"", L"", L""}, L""},
        {"MoreThanTaken", L"a" + Sep + L"b" + Sep + L"c" + Sep + L"d" + Sep, {L"a", L"b", L"c"}, L"d" + Sep},
    };
    for (const TakeCase& c : cases) {
        std::wstring rest = c.text;
        std::vector<std::wstring> fields;
        for (int i = 0; i < 3; ++i) fields.push_back(TakeHeaderField(rest));
        EXPECT_EQ(fields, c.fields) << c.name;
        EXPECT_EQ(rest, c.rest) << c.name;
    }
}

TEST(LayoutHeader_Parse, AMissingFinalSeparatorLosesTheIconCount) {
    const LayoutInfo info = ParseHeader(L"1", L"3/7/2024 02:05:09 PM" + Sep + L"d" + Sep + L"800" + Sep + L"600" + Sep + L"23",
                                        EnglishUs);
    EXPECT_EQ(info.screenWidth, 800);
    EXPECT_EQ(info.screenHeight, 600);
    EXPECT_EQ(info.iconCount, 0);
}

TEST(LayoutHeader_Parse, FieldsThatDoNotParseReadAsZero) {
    const LayoutInfo info =
        ParseHeader(L"1", L"yesterday" + Sep + L"d" + Sep + L"wide" + Sep + L"99999999999" + Sep + L"-" + Sep, EnglishUs);
    EXPECT_EQ(info.savedAt, 0.0);
    EXPECT_EQ(info.description, L"d");
    EXPECT_EQ(info.screenWidth, 0);
    EXPECT_EQ(info.screenHeight, 0);
    EXPECT_EQ(info.iconCount, 0);
}

TEST(LayoutHeader_Parse, KeepsTheWholeIdAndCutsTheDescriptionTo250Characters) {
    const std::wstring longDescription = std::wstring(240, L'a') + std::wstring(20, L'b');
    const LayoutInfo info = ParseHeader(L"1234567890", L"" + Sep + longDescription + Sep, EnglishUs);
    EXPECT_EQ(info.id, L"1234567890");
    EXPECT_EQ(info.description, std::wstring(240, L'a') + std::wstring(10, L'b'));
}

TEST(LayoutHeader_Cut, NeverSplitsACharacterOutsideTheBasicPlane) {
    const std::wstring face = WideFromUtf8("\xF0\x9F\x98\x80");  // one character, two UTF-16 units on Windows
    const std::wstring text = L"1234567" + face + L"9";
    EXPECT_EQ(CutToCharacters(text, 8), L"1234567" + face);
    EXPECT_EQ(CutToCharacters(text, 7), L"1234567");
    EXPECT_EQ(CutToCharacters(text, 100), text);
    EXPECT_EQ(CutToCharacters(L"", 8), L"");
}

struct NumberCase {
    const wchar_t* field;
    int32_t value;
};

TEST(LayoutHeader_Number, IsDecimalAndZeroOtherwise) {
    const NumberCase cases[] = {
        {L"23", 23},          {L"", 0},           {L" 42 ", 42},           {L"-5", -5},
        {L"+7", 7},           {L"0", 0},          {L"2147483647", 2147483647}, {L"2147483648", 0},
        {L"-2147483648", -2147483647 - 1},        {L"-2147483649", 0},     {L"12a", 0},
        {L"0x10", 0},         {L"1 2", 0},        {L"-", 0},               {L"99999999999999999999999", 0},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(HeaderNumber(c.field), c.value) << Utf8FromWide(c.field);
}

TEST(LayoutHeader_Description, TheSeparatorIsStoredAsOneQuarterSoFieldsNeverShift) {
    const std::wstring header = ComposeHeader(L"3/7/2024 02:05:09 PM", L"\u00BC screen" + Sep, 1280, 1024, 23);
    EXPECT_EQ(header, L"3/7/2024 02:05:09 PM" + Sep + L"1/4 screen1/4" + Sep + L"1280" + Sep + L"1024" + Sep + L"23" + Sep);
    const LayoutInfo info = ParseHeader(L"1", header, EnglishUs);
    EXPECT_EQ(info.description, L"1/4 screen1/4");
    EXPECT_EQ(info.screenWidth, 1280);
    EXPECT_EQ(info.iconCount, 23);
}

TEST(LayoutHeader_Description, NulCharactersAreLeftOutAndNothingElseChanges) {
    const std::wstring description = std::wstring(L"a\0b", 3) + L" \t\u0414\u6587 1/2";
    EXPECT_EQ(StorableDescription(description), L"ab \t\u0414\u6587 1/2");
}

TEST(LayoutHeader_Description, LongOnesAreStoredWhole) {
    const std::wstring description(300, L'x');
    const std::wstring header = ComposeHeader(L"t", description, 1, 2, 3);
    EXPECT_EQ(header, L"t" + Sep + description + Sep + L"1" + Sep + L"2" + Sep + L"3" + Sep);
}

struct ReplaceCase {
    const char* name;
    std::wstring header;
    std::wstring description;
    std::wstring result;
};

TEST(LayoutHeader_WithDescription, ReplacesOnlyTheSecondField) {
    const std::wstring date = L"3/7/2024 02:05:09 PM";
    const std::wstring tail = L"1280" + Sep + L"1024" + Sep + L"23" + Sep;
    const ReplaceCase cases[] = {
        {"Normal", date + Sep + L"old" + Sep + tail, L"new text", date + Sep + L"new text" + Sep + tail},
        {"EmptyToText", date + Sep + Sep + tail, L"x", date + Sep + L"x" + Sep + tail},
        {"TextToEmpty", date + Sep + L"old" + Sep + tail, L"", date + Sep + Sep + tail},
        {"KeepsOddCharacters", L" 3/7/2024  x" + Sep + L"old" + Sep + L" 12 " + Sep + L"junk",
         L"n", L" 3/7/2024  x" + Sep + L"n" + Sep + L" 12 " + Sep + L"junk"},
        {"SeparatorInNewText", date + Sep + L"old" + Sep + tail, L"a\u00BCb", date + Sep + L"a1/4b" + Sep + tail},
        {"DescriptionRunsToTheEnd", date + Sep + L"old", L"new", date + Sep + L"new" + Sep},
        {"NoSeparatorAtAll", date, L"new", date + Sep + L"new" + Sep},
        {"EmptyHeader", L"", L"new", Sep + L"new" + Sep},
    };
    for (const ReplaceCase& c : cases) EXPECT_EQ(WithDescription(c.header, c.description), c.result) << c.name;
}

TEST(LayoutHeader_Unreadable, IsNotLoadedProperlyWithZeros) {
    const LayoutInfo info = UnreadableLayoutInfo(L"123456789");
    EXPECT_EQ(info.id, L"123456789");
    EXPECT_EQ(info.description, L"Not_loaded_properly");
    EXPECT_EQ(info.savedAt, 0.0);
    EXPECT_EQ(info.screenWidth, 0);
    EXPECT_EQ(info.screenHeight, 0);
    EXPECT_EQ(info.iconCount, 0);
}

}  // namespace
}  // namespace orbilux
