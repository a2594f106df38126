#include <gtest/gtest.h>

#include <cerrno>

#include "engine/engine_errors.h"
#include "engine/shape_file.h"
#include "tests/support/shape_records.h"
#include "tests/support/temp_dir.h"

namespace orbilux {
namespace {

using test::Record;
using Points = std::vector<ShapePoint>;

struct LoadCase {
    const char* name;
    std::vector<Record> records;
    std::vector<Points> paths;
    Points fixed;
    Points extra;
    std::optional<Points> overflow;
};

class ShapeFile_Load : public ::testing::TestWithParam<LoadCase> {};

TEST_P(ShapeFile_Load, YieldsTheExpectedCollections) {
    const LoadCase& c = GetParam();
    test::TempDir dir;
    const auto file = dir.write("shape.shp", test::EncodeRecords(c.records));
    const LoadedShape shape = LoadShapeFile(file);
    EXPECT_EQ(shape.Paths, c.paths);
    EXPECT_EQ(shape.FixedPoints, c.fixed);
    EXPECT_EQ(shape.ExtraPoints, c.extra);
    EXPECT_EQ(shape.OverflowPoints, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ShapeFile_Load,
    ::testing::Values(
        LoadCase{"Empty", {}, {}, {}, {}, std::nullopt},
        LoadCase{"WorkedExample",
                 {{100, 0}, {400, 0}, {-1, 0}, {-3, 0}, {250, 250}, {-4, 0}},
                 {{{100, 0}, {400, 0}}},
                 {{250, 250}},
                 {},
                 std::nullopt},
        LoadCase{"UnclosedPathIsDiscarded", {{10, 20}, {30, 40}}, {}, {}, {}, std::nullopt},
        LoadCase{"TwoEmptyPaths", {{-1, 7}, {-1, 7}}, {{}, {}}, {}, {}, std::nullopt},
        LoadCase{"EndPathIgnoresSecondField", {{1, 2}, {-1, 99}}, {{{1, 2}}}, {}, {}, std::nullopt},
        LoadCase{"ZeroXIsAPointAndYMayBeNegative", {{0, -50}, {-1, 0}}, {{{0, -50}}}, {}, {}, std::nullopt},
        LoadCase{"UnknownMarkerSkipped", {{-7, 3}, {1, 1}, {INT32_MIN, 5}, {-1, 0}}, {{{1, 1}}}, {}, {},
                 std::nullopt},
        LoadCase{"LowerRankMarkerAfterFixedHasNoEffect", {{-3, 0}, {1, 1}, {-2, 0}, {2, 2}}, {}, {{1, 1}, {2, 2}},
                 {}, std::nullopt},
        LoadCase{"SectionsInRankOrder",
                 {{-2, 0}, {1, 1}, {-3, 0}, {2, 2}, {-4, 0}, {3, 3}},
                 {},
                 {{2, 2}},
                 {{1, 1}},
                 Points{{3, 3}}},
        LoadCase{"OverflowMarkerWithoutPointStaysAbsent", {{1, 1}, {-1, 0}, {-4, 0}}, {{{1, 1}}}, {}, {},
                 std::nullopt},
        LoadCase{"EndPathInsideFixedSectionAddsEmptyPath", {{-3, 0}, {5, 5}, {-1, 0}}, {{}}, {{5, 5}}, {},
                 std::nullopt},
        LoadCase{"NoPointReachesAPathOnceAFlagIsSet",
                 {{3, 3}, {-1, 0}, {-3, 0}, {4, 4}, {-1, 0}, {5, 5}, {-1, 0}},
                 {{{3, 3}}, {}, {}},
                 {{4, 4}, {5, 5}},
                 {},
                 std::nullopt},
        LoadCase{"ExtremeCoordinates",
                 {{INT32_MAX, INT32_MIN}, {-1, 0}, {-4, 0}, {0, INT32_MAX}},
                 {{{INT32_MAX, INT32_MIN}}},
                 {},
                 {},
                 Points{{0, INT32_MAX}}}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(ShapeFile_Load, IgnoresTrailingPartialRecord) {
    test::TempDir dir;
    for (std::size_t extra = 0; extra < 8; ++extra) {
        auto bytes = test::EncodeRecords({{7, 8}, {-1, 0}});
        // A trailing fragment that would be an end-path marker if it were read.
        for (std::size_t i = 0; i < extra; ++i) bytes.push_back(0xFF);
        const LoadedShape shape = LoadShapeFile(dir.write("partial.shp", bytes));
        ASSERT_EQ(shape.Paths.size(), 1u) << extra << " trailing bytes";
        EXPECT_EQ(shape.Paths[0], (Points{{7, 8}}));
    }
    for (std::size_t size = 1; size < 8; ++size) {
        const LoadedShape shape = LoadShapeFile(dir.write("tiny.shp", std::vector<unsigned char>(size, 0xFF)));
        EXPECT_TRUE(shape.Paths.empty() && shape.FixedPoints.empty() && !shape.OverflowPoints) << size << " bytes";
    }
}

TEST(ShapeFile_Load, TwentyBytesReadTwoRecords) {
    test::TempDir dir;
    auto bytes = test::EncodeRecords({{1, 2}, {-1, 0}, {-1, 0}});
    bytes.resize(20);  // the third record is cut to 4 bytes and never read
    const LoadedShape shape = LoadShapeFile(dir.write("twenty.shp", bytes));
    EXPECT_EQ(shape.Paths.size(), 1u);
}

TEST(ShapeFile_Load, RecordsStraddlingReadChunksDecodeAlike) {
    // Large enough to need several reads of the loader's buffer.
    std::vector<Record> records;
    for (int i = 0; i < 30000; ++i) records.push_back({i, -i});
    records.push_back({-1, 0});
    test::TempDir dir;
    const LoadedShape shape = LoadShapeFile(dir.write("big.shp", test::EncodeRecords(records)));
    ASSERT_EQ(shape.Paths.size(), 1u);
    ASSERT_EQ(shape.Paths[0].size(), 30000u);
    EXPECT_EQ(shape.Paths[0][12345], (ShapePoint{12345, -12345}));
    EXPECT_EQ(shape.Paths[0].back(), (ShapePoint{29999, -29999}));
}

TEST(ShapeFile_Load, FirstRecordBytesAreLittleEndian) {
    const std::vector<unsigned char> bytes = {0x64, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0};
    const LoadedShape shape = ParseShapeBytes(bytes.data(), bytes.size());
    ASSERT_EQ(shape.Paths.size(), 1u);
    EXPECT_EQ(shape.Paths[0], (Points{{100, 0}}));
}

TEST(ShapeFile_Load, MissingFileCarriesTheOsErrorCode) {
    test::TempDir dir;
    try {
        LoadShapeFile(dir.file("no such shape.shp"));
        FAIL() << "expected a ShapeFileError";
    } catch (const ShapeFileError& e) {
        // ENOENT on POSIX and ERROR_FILE_NOT_FOUND on Windows are both 2.
        EXPECT_EQ(e.osCode(), 2);
        EXPECT_NE(std::string(e.what()).find("no such shape.shp"), std::string::npos);
    }
}

TEST(ShapeFile_Load, FolderInsteadOfFileFails) {
    test::TempDir dir;
    EXPECT_THROW(LoadShapeFile(dir.path()), ShapeFileError);
}

}  // namespace
}  // namespace orbilux
