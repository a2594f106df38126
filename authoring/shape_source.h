// The readable source of a bundled shape (a ".shape" file): one statement
// per line, '#' starts a comment, path data goes in double quotes and may
// span lines. Coordinates are design-box units (0..500, y down); angles are
// degrees clockwise from 12 o'clock. See docs/SHAPES.md for the statements.
//
//   # A circle that starts at the top, with overflow points where needed.
//   circle 250 250 240
//   overflow auto
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "authoring/geometry.h"

namespace orbilux::authoring {

// The lines one statement draws, in path order.
struct SourcePath {
    std::vector<Polyline> lines;
    std::optional<std::size_t> points;  // exact point count per line, else from the spacing
    int sourceLine = 0;
};

struct ShapeSource {
    std::vector<SourcePath> paths;
    std::vector<Vec2> extra;
    std::vector<Vec2> fixed;
    std::vector<Vec2> overflow;
    bool overflowAuto = false;     // work out the overflow points
    double spacing = 1.0;          // distance between path points, pixels at the default frame
    bool screenMetric = true;      // measure lengths as the default frame shows them
};

// Throws AuthoringError naming the line of the first problem.
ShapeSource ParseShapeSource(std::string_view text);

}  // namespace orbilux::authoring
