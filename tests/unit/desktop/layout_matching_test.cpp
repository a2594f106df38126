#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "desktop/layout_matching.h"
#include "tests/support/layout_printers.h"

namespace orbilux {
namespace {

using Placements = IconTargets;  // x, y, index
using Stored = std::vector<StoredIconPosition>;
using Texts = std::vector<std::wstring>;

TEST(LayoutMatching_Value, NameIsIndexThenTextAndDataIsXThenYLittleEndian) {
    EXPECT_EQ(IconValueName(12, L"Notes"), L"12Notes");
    EXPECT_EQ(IconValueName(0, L""), L"0");
    EXPECT_EQ(IconValueData(-1, 258), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x01, 0x00, 0x00}));
    EXPECT_EQ(IconValueData(0x12345678, std::numeric_limits<int32_t>::min()),
              (std::vector<uint8_t>{0x78, 0x56, 0x34, 0x12, 0x00, 0x00, 0x00, 0x80}));
}

TEST(LayoutMatching_StoredPositions, DecodeWhatWasEncoded) {
    const int32_t coordinates[] = {0, 1, -1, 32767, -32768, 70000, std::numeric_limits<int32_t>::max(),
                                   std::numeric_limits<int32_t>::min()};
    for (const int32_t x : coordinates)
        for (const int32_t y : coordinates) {
            const auto stored = StoredPositions({{L"0A", uint32_t(RegistryType::Binary), IconValueData(x, y)}});
            ASSERT_EQ(stored.size(), 1u);
            EXPECT_EQ(stored[0].x, x);
            EXPECT_EQ(stored[0].y, y);
        }
}

TEST(LayoutMatching_StoredPositions, SkipValuesOfAnotherTypeOrSize) {
    const uint32_t binary = uint32_t(RegistryType::Binary);
    const std::vector<RegistryValue> values = {
        {L"0A", binary, IconValueData(1, 2)},
        {L"1B", uint32_t(RegistryType::Dword), {1, 0, 0, 0}},
        {L"2C", uint32_t(RegistryType::String), IconValueData(5, 6)},  // 8 bytes, but text
        {L"3D", binary, {1, 2, 3, 4, 5, 6, 7}},
        {L"4E", binary, {1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {L"5F", 11, IconValueData(7, 8)},  // REG_QWORD
        {L"6G", binary, IconValueData(3, 4)},
    };
    const auto stored = StoredPositions(values);
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].name, L"0A");
    EXPECT_EQ(stored[1].name, L"6G");
    EXPECT_EQ(stored[1].x, 3);
    EXPECT_EQ(stored[1].y, 4);
}

struct MatchCase {
    const char* name;
    Stored stored;
    Texts current;
    Placements expected;
};

class LayoutMatching_Match : public ::testing::TestWithParam<MatchCase> {};

TEST_P(LayoutMatching_Match, GivesEachIconItsOwnPosition) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(MatchSavedPositions(c.stored, c.current), c.expected);
}

TEST_P(LayoutMatching_Match, DoesNotDependOnTheOrderOfTheValues) {
    const MatchCase& c = GetParam();
    Stored reordered = c.stored;
    // As Wine enumerates them: sorted by name.
    std::sort(reordered.begin(), reordered.end(),
              [](const StoredIconPosition& a, const StoredIconPosition& b) { return a.name < b.name; });
    EXPECT_EQ(MatchSavedPositions(reordered, c.current), c.expected);
    std::reverse(reordered.begin(), reordered.end());
    EXPECT_EQ(MatchSavedPositions(reordered, c.current), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, LayoutMatching_Match,
    ::testing::Values(
        MatchCase{"Unchanged",
                  {{L"0Notes", 10, 11}, {L"1Bin", 20, 21}, {L"2Mail", 30, 31}},
                  {L"Notes", L"Bin", L"Mail"},
                  {{10, 11, 0}, {20, 21, 1}, {30, 31, 2}}},
        MatchCase{"IconAddedInFront",
                  {{L"0Notes", 10, 11}, {L"1Bin", 20, 21}},
                  {L"New", L"Notes", L"Bin"},
                  {{10, 11, 1}, {20, 21, 2}}},
        MatchCase{"IconRemoved",
                  {{L"0Notes", 10, 11}, {L"1Bin", 20, 21}, {L"2Mail", 30, 31}},
                  {L"Notes", L"Mail"},
                  {{10, 11, 0}, {30, 31, 1}}},
        MatchCase{"Resorted",
                  {{L"0Notes", 10, 11}, {L"1Bin", 20, 21}, {L"2Mail", 30, 31}},
                  {L"Mail", L"Notes", L"Bin"},
                  {{30, 31, 0}, {10, 11, 1}, {20, 21, 2}}},
        MatchCase{"DuplicatesPairUpInSavedOrder",
                  {{L"0A", 1, 1}, {L"1B", 2, 2}, {L"2A", 3, 3}, {L"3A", 4, 4}},
                  {L"B", L"A", L"A", L"A"},
                  {{2, 2, 0}, {1, 1, 1}, {3, 3, 2}, {4, 4, 3}}},
        MatchCase{
            "ExactNameWinsOverALowerIndex", {{L"0A", 1, 1}, {L"1A", 2, 2}}, {L"X", L"A", L"A"}, {{2, 2, 1}, {1, 1, 2}}},
        MatchCase{"ExactNamesAreTakenBeforeAnyFallback",
                  {{L"1A", 2, 2}, {L"2A", 3, 3}},
                  {L"A", L"A"},
                  {{3, 3, 0}, {2, 2, 1}}},
        MatchCase{
            "MoreDuplicatesThanSaved", {{L"0A", 1, 1}, {L"1A", 2, 2}}, {L"A", L"A", L"A"}, {{1, 1, 0}, {2, 2, 1}}},
        MatchCase{"NewIconKeepsItsPlace", {{L"0A", 1, 1}}, {L"Z"}, {}},
        MatchCase{"TextStartingWithDigits",
                  {{L"0Notes", 1, 1}, {L"12024 Report", 2, 2}},
                  {L"2024 Report", L"Notes"},
                  {{2, 2, 0}, {1, 1, 1}}},
        MatchCase{"EmptyTexts", {{L"0", 1, 1}, {L"1", 2, 2}}, {L"", L""}, {{1, 1, 0}, {2, 2, 1}}},
        MatchCase{"ForeignNamesNeverMatch",
                  {{L"Notes", 1, 1}, {L"01Notes", 2, 2}, {L"-1Notes", 3, 3}, {L"x1Notes", 4, 4}},
                  {L"Notes", L"Notes"},
                  {}},
        MatchCase{"CaseMatters", {{L"0notes", 1, 1}}, {L"Notes"}, {}}, MatchCase{"NothingSaved", {}, {L"A", L"B"}, {}},
        MatchCase{"NoIcons", {{L"0A", 1, 1}}, {}, {}}),
    [](const ::testing::TestParamInfo<MatchCase>& p) { return std::string(p.param.name); });

TEST(LayoutMatching_Match, ANameTwoIconsWroteGoesToTheOneWrittenLast) {
    // "12A" reads as item 1 "2A" and as item 12 "A": the save wrote item 12
    // last, so the position is its own and item 1 keeps its place.
    const Stored stored = {{L"12A", 5, 5}};
    Texts current(13, L"-");
    current[1] = L"2A";
    current[12] = L"A";
    EXPECT_EQ(MatchSavedPositions(stored, current), (Placements{{5, 5, 12}}));
    // Also after "2A" moved to another index, whose own name it no longer has.
    std::swap(current[1], current[3]);
    EXPECT_EQ(MatchSavedPositions(stored, current), (Placements{{5, 5, 12}}));
}

}  // namespace
}  // namespace orbilux
