#include <gtest/gtest.h>

#include "authoring/authoring_error.h"
#include "authoring/shape_writer.h"
#include "engine/shape_file.h"
#include "tests/support/temp_dir.h"

namespace orbilux::authoring {
namespace {

TEST(ShapeWriter_Encode, EverySectionReadsBackThroughTheLoader) {
    ShapeDraft draft;
    draft.paths = {{{1, 2}, {3.4, 4.6}}, {{500, 0}}};
    draft.extra = {{7, 8}, {9, 10}};
    draft.fixed = {{250, 250}};
    draft.overflow = {{0, -5}};
    const LoadedShape shape = RoundDraft(draft);
    const std::vector<unsigned char> bytes = EncodeShape(shape);
    const LoadedShape back = ParseShapeBytes(bytes.data(), bytes.size());
    EXPECT_EQ(back.Paths, (std::vector<ShapePath>{{{1, 2}, {3, 5}}, {{500, 0}}}));
    EXPECT_EQ(back.ExtraPoints, (std::vector<ShapePoint>{{7, 8}, {9, 10}}));
    EXPECT_EQ(back.FixedPoints, (std::vector<ShapePoint>{{250, 250}}));
    ASSERT_TRUE(back.OverflowPoints.has_value());
    EXPECT_EQ(*back.OverflowPoints, (std::vector<ShapePoint>{{0, -5}}));
}

TEST(ShapeWriter_Encode, RecordsAreLittleEndianWithMarkers) {
    LoadedShape shape;
    shape.Paths = {{{100, 0}}};
    shape.FixedPoints = {{1, 2}};
    const std::vector<unsigned char> bytes = EncodeShape(shape);
    const std::vector<unsigned char> expected{100, 0, 0, 0, 0, 0, 0, 0,  0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0,
                                              0xFD, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0};
    EXPECT_EQ(bytes, expected);  // no overflow section at all when there are no overflow points
}

TEST(ShapeWriter_Round, NegativeOrHugeCoordinatesAreRefused) {
    for (const Vec2 bad : {Vec2{-0.6, 5}, Vec2{3e9, 0}, Vec2{5, -3e9}, Vec2{NAN, 0}}) {
        ShapeDraft draft;
        draft.fixed = {bad};
        EXPECT_THROW(RoundDraft(draft), AuthoringError) << bad.x << ", " << bad.y;
    }
    ShapeDraft edge;
    edge.paths = {{{-0.4, -7.5}}};  // rounds to x = 0, a point and not a marker
    EXPECT_EQ(RoundDraft(edge).Paths[0][0], (ShapePoint{0, -8}));
}

TEST(ShapeWriter_File, WritesIntoNewFoldersAndReportsFailure) {
    test::TempDir dir;
    LoadedShape shape;
    shape.Paths = {{{1, 1}, {2, 2}}};
    const auto file = dir.file("Group/Sub/shape.shp");
    WriteShapeFile(file, shape);
    EXPECT_EQ(LoadShapeFile(file).Paths, shape.Paths);
    EXPECT_THROW(WriteShapeFile(dir.path(), shape), AuthoringError);  // a folder, not a file
}

}  // namespace
}  // namespace orbilux::authoring
