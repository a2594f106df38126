#include <gtest/gtest.h>

#include "authoring/svg_document.h"
#include "authoring/svg_import.h"

namespace orbilux::authoring {
namespace {

Box BoxOf(const std::vector<SvgElement>& elements) {
    Box box;
    for (const SvgElement& e : elements)
        for (const Polyline& l : FlattenPathData(e.data, 0.001))
            for (const Vec2& p : l.points) box.include(p);
    return box;
}

struct TransformCase {
    const char* text;
    Vec2 from, to;
};

class SvgTransforms : public ::testing::TestWithParam<TransformCase> {};

TEST_P(SvgTransforms, MapPointsAsSvgDoes) {
    const Vec2 p = ParseSvgTransform(GetParam().text).apply(GetParam().from);
    EXPECT_NEAR(p.x, GetParam().to.x, 1e-9);
    EXPECT_NEAR(p.y, GetParam().to.y, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, SvgTransforms,
    ::testing::Values(TransformCase{"translate(10 20)", {1, 1}, {11, 21}}, TransformCase{"translate(5)", {1, 1}, {6, 1}},
                      TransformCase{"scale(2)", {1, 3}, {2, 6}}, TransformCase{"scale(2,-1)", {1, 3}, {2, -3}},
                      TransformCase{"rotate(90)", {1, 0}, {0, 1}}, TransformCase{"rotate(90 10 10)", {20, 10}, {10, 20}},
                      TransformCase{"matrix(1 2 3 4 5 6)", {1, 1}, {9, 12}}, TransformCase{"skewX(45)", {0, 2}, {2, 2}},
                      TransformCase{"skewY(45)", {2, 0}, {2, 2}},
                      // A list applies right to left to the point: scale first, then translate.
                      TransformCase{"translate(10,0) scale(2)", {1, 1}, {12, 2}}, TransformCase{"", {3, 4}, {3, 4}}));

TEST(SvgDocument_Read, ElementsAndNestedTransforms) {
    const std::vector<SvgElement> elements = ReadSvgDocument(R"svg(<?xml version="1.0"?>
<!DOCTYPE svg [ <!ENTITY x "y"> ]>
<svg xmlns="http://www.w3.org/2000/svg"><!-- <path d="M 0 0 L 999 999"/> -->
  <g transform="translate(100 0)"><g transform="scale(2)">
    <rect x="0" y="0" width="10" height="5"/>
  </g></g>
  <defs><path id="hidden" d="M -500 -500 L -400 -400"/></defs>
  <circle cx="50" cy="50" r="10"/>
  <ellipse cx="0" cy="0" rx="0" ry="5"/>
  <line x1="0" y1="0" x2="0" y2="100px"/>
  <polyline points="1,1 2,2 3,1"/><polygon points="5 5 6 6 7 5"/>
  <path d='M 10 10 h 5'/><text>ignored</text>
</svg>)svg");
    ASSERT_EQ(elements.size(), 6u);  // the zero-radius ellipse and everything in <defs> are not drawn
    EXPECT_EQ(elements[0].name, "rect");
    const Box rect = BoxOf({elements[0]});
    EXPECT_NEAR(rect.left, 100, 1e-9);
    EXPECT_NEAR(rect.right, 120, 1e-9);
    EXPECT_NEAR(rect.bottom, 10, 1e-9);
    EXPECT_TRUE(elements[1].round);
    EXPECT_NEAR(elements[1].centre.x, 50, 1e-9);
    const Box all = BoxOf(elements);
    EXPECT_NEAR(all.left, 0, 1e-9);
    EXPECT_NEAR(all.top, 0, 1e-9);
    EXPECT_NEAR(all.bottom, 100, 1e-9);
    EXPECT_TRUE(elements[4].data[0].closed);   // polygon
    EXPECT_FALSE(elements[3].data[0].closed);  // polyline
}

struct BadDocument {
    const char* text;
    const char* message;
};

class SvgDocumentErrors : public ::testing::TestWithParam<BadDocument> {};

TEST_P(SvgDocumentErrors, AreReportedClearly) {
    try {
        ReadSvgDocument(GetParam().text);
        FAIL() << "no error for " << GetParam().text;
    } catch (const AuthoringError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, SvgDocumentErrors,
    ::testing::Values(BadDocument{"<svg><g>", "never closed"}, BadDocument{"<svg></g>", "does not match"},
                      BadDocument{"<svg", "unterminated tag"}, BadDocument{"<svg a=b/>", "must be quoted"},
                      BadDocument{"<svg a/>", "has no value"}, BadDocument{"<svg a=\"1/>", "unterminated attribute"},
                      BadDocument{"<!-- open", "unterminated comment"},
                      BadDocument{"<svg>\n<path d=\"M 0 0 L\"/></svg>", "line 2: <path> has bad path data"},
                      BadDocument{"<circle r=\"10%\"/>", "bad number"}, BadDocument{"<g transform=\"spin(3)\"/>", "unknown transform"},
                      BadDocument{"<g transform=\"rotate(1 2)\"/>", "rotate takes"},
                      BadDocument{"<path d=\"M 0 0 &nbsp;\"/>", "unknown character reference"}));

TEST(SvgImport_Import, DrawingIsFittedIntoTheBoxKeepingItsShape) {
    ImportOptions options;
    options.overflow = false;
    const ImportResult result = ImportSvg("<svg><rect x='0' y='0' width='240' height='120'/></svg>", options);
    ASSERT_EQ(result.shape.Paths.size(), 1u);
    int32_t left = 500, right = 0, top = 500, bottom = 0;
    for (const ShapePoint& p : result.shape.Paths[0]) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    EXPECT_EQ(left, 10);
    EXPECT_EQ(right, 490);
    EXPECT_EQ(top, 130);
    EXPECT_EQ(bottom, 370);
    // 1440 design units of outline at one point per 0.5 units.
    EXPECT_EQ(result.shape.Paths[0].size(), 2880u);
}

TEST(SvgImport_Import, CirclesSmallSubpathsAndDotsCanBecomeFixedPoints) {
    const char* svg = "<svg><path d='M 0 0 H 100 V 100 H 0 Z M 40 40 h 4 v 4 Z M 70 70 Z'/>"
                      "<circle cx='20' cy='80' r='5'/></svg>";
    ImportOptions options;
    options.overflow = false;
    EXPECT_EQ(ImportSvg(svg, options).shape.Paths.size(), 3u);
    EXPECT_EQ(ImportSvg(svg, options).shape.FixedPoints.size(), 1u);  // the dot

    options.circlesAsFixed = true;
    options.fixedBelow = 30;
    const LoadedShape shape = ImportSvg(svg, options).shape;
    EXPECT_EQ(shape.Paths.size(), 1u);
    ASSERT_EQ(shape.FixedPoints.size(), 3u);
    EXPECT_EQ(shape.FixedPoints[2], (ShapePoint{106, 394}));  // the circle's centre, scaled as the drawing
}

TEST(SvgImport_Import, RefusesDrawingsWithNothingToPlaceAndBadOptions) {
    EXPECT_THROW(ImportSvg("<svg><text>hi</text></svg>", {}), AuthoringError);
    EXPECT_THROW(ImportSvg("<svg><path d='M 5 5'/></svg>", {}), AuthoringError);
    ImportOptions bad;
    bad.spacing = 0;
    EXPECT_THROW(ImportSvg("<svg><rect width='5' height='5'/></svg>", bad), AuthoringError);
}

}  // namespace
}  // namespace orbilux::authoring
