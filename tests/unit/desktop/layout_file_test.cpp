#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "desktop/layout_file.h"
#include "desktop/layout_file_io.h"
#include "tests/support/temp_dir.h"

namespace orbilux {
namespace {

LayoutFile Sample() {
    LayoutFile layout;
    layout.description = L"Desk \u00BC \"quoted\" \\ tab\t \U0001F600";
    layout.savedAtUtc = {2024, 3, 7, 13, 5, 9};
    layout.screenWidth = 1280;
    layout.screenHeight = -1;
    layout.icons = {
        {L"Notes", 10, -20}, {L"Notes", 2147483647, -2147483647 - 1}, {L"", 0, 0}, {L"Caf\u00E9 \U0001F600\n", 5, 6}};
    return layout;
}

TEST(LayoutFile_Compose, ReadsBackEveryField) {
    const LayoutFileParse parsed = ParseLayoutFile(ComposeLayoutFile(Sample()));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_TRUE(parsed.layout == Sample());
}

// A valid file with one piece replaced, so every broken case differs from a
// working file in the one way it names.
std::string With(const std::string& from, const std::string& to) {
    std::string text = ComposeLayoutFile(Sample());
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

TEST(LayoutFile_Parse, RefusesBrokenFilesSayingWhy) {
    const std::string longName(255, 'n');
    const std::string longDescription(251, 'd');
    const struct {
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"", "expected an object"},
        {"{}", "member \"description\" missing from the layout"},
        {ComposeLayoutFile(Sample()) + "{}", "an object after the end of the data"},
        {With("Notes", "No\xC3tes"), "not valid UTF-8"},
        {With("Notes", "\xED\xA0\x80"), "not valid UTF-8"},  // a surrogate encoded as UTF-8
        {With("Notes", "\\ud83d"), "lone high surrogate"},
        {With("Notes", "\\ude00x"), "lone low surrogate"},
        {With("Notes", "a\x01"), "control character"},
        {With("Notes", "\\u0000"), "NUL"},
        {With("\"version\": 1", "\"version\": 2"), "unknown format version 2"},
        {With("orbilux-layout", "other"), "not a layout file"},
        {With("\"version\": 1,", "\"version\": 1, \"version\": 1,"), "\"version\" repeated"},
        {With("\"x\": 10,", "\"x\": 10, \"x\": 11,"), "\"x\" repeated in icons[0]"},
        {With("\"x\": 10,", ""), "\"x\" missing from icons[0]"},
        {With("\"x\": 10,", "\"x\": 10, \"z\": 1,"), "unknown member \"z\""},
        {With("\"x\": 10", "\"x\": 10.5"), "fraction or an exponent"},
        {With("\"x\": 10", "\"x\": 1e3"), "fraction or an exponent"},
        {With("\"x\": 10", "\"x\": 2147483648"), "outside the signed 32-bit range"},
        {With("\"x\": 10", "\"x\": -2147483649"), "outside the signed 32-bit range"},
        {With("\"x\": 10", "\"x\": 010"), "leading zero"},
        {With("\"x\": 10", "\"x\": \"10\""), "expected an integer"},
        {With("\"Notes\"", "\"" + longName + "\""), "longer than 254"},
        {With("\"iconCount\": 4", "\"iconCount\": 3"), "iconCount is 3 but 4 icons"},
        {With("2024-03-07T13:05:09Z", "2024-02-30T13:05:09Z"), "savedAt is not a date"},
        {With("2024-03-07T13:05:09Z", "2024-03-07 13:05:09"), "savedAt is not a date"},
        {With("\"description\": \"", "\"description\": \"" + longDescription), "description is longer than 250"},
        {With("]\n}", "]\n"), "expected ',' or '}'"},
        {std::string(MaxLayoutFileBytes + 1, ' '), "larger than 16 MiB"},
    };
    for (const auto& c : cases) {
        const LayoutFileParse parsed = ParseLayoutFile(c.bytes);
        EXPECT_FALSE(parsed.ok) << c.reason;
        EXPECT_NE(parsed.error.find(c.reason), std::string::npos) << parsed.error << " / wanted: " << c.reason;
        EXPECT_TRUE(parsed.layout.icons.empty());
    }
}

TEST(LayoutFile_Parse, SaysWhereTheFaultIs) {
    const LayoutFileParse parsed = ParseLayoutFile("{\n  \"format\": 1}");
    EXPECT_EQ(parsed.error, "line 2, column 13: expected a string, found a number");
}

TEST(LayoutFile_Parse, RefusesMoreThanFiftyThousandIcons) {
    LayoutFile layout;
    layout.icons.assign(MaxLayoutFileIcons, LayoutFileIcon{L"a", 1, 2});
    EXPECT_TRUE(ParseLayoutFile(ComposeLayoutFile(layout)).ok);
    layout.icons.push_back(LayoutFileIcon{L"a", 1, 2});
    const LayoutFileParse parsed = ParseLayoutFile(ComposeLayoutFile(layout));
    EXPECT_FALSE(parsed.ok);
    EXPECT_NE(parsed.error.find("more than 50000 icons"), std::string::npos) << parsed.error;
}

TEST(LayoutFile_Files, ReadRefusesFoldersMissingAndOversizedFiles) {
    test::TempDir dir;
    EXPECT_EQ(ReadWholeFile(dir.path(), 100).error, "not a regular file");
    EXPECT_EQ(ReadWholeFile(dir.file("missing"), 100).error, "the file does not exist");
    const auto big = dir.write("big", std::vector<unsigned char>(101, 'x'));
    EXPECT_FALSE(ReadWholeFile(big, 100).ok);
    const FileRead exact = ReadWholeFile(dir.write("exact", std::vector<unsigned char>(100, 'x')), 100);
    EXPECT_TRUE(exact.ok);
    EXPECT_EQ(exact.bytes.size(), 100u);
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(LayoutFile_Files, WriteReplacesWholeOrLeavesTheOldFile) {
    test::TempDir dir;
    const auto target = dir.write("desk.orbilux-layout.json", {'o', 'l', 'd'});
    EXPECT_EQ(WriteWholeFile(target, "new"), "");
    EXPECT_EQ(ReadWholeFile(target, 10).bytes, "new");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"desk.orbilux-layout.json"});

    // A folder in the way: the rename fails, and nothing is left behind.
    std::filesystem::create_directory(dir.file("folder"));
    std::filesystem::create_directory(dir.file("folder") / "inside");
    EXPECT_NE(WriteWholeFile(dir.file("folder"), "new"), "");
    EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"desk.orbilux-layout.json", "folder"}));
    EXPECT_NE(WriteWholeFile(dir.file("no-such-folder") / "x.json", "new"), "");
}

}  // namespace
}  // namespace orbilux
