// SVG path data ("d" attribute): all commands (M L H V C S Q T A Z, absolute
// and relative) read into subpaths of straight and cubic segments, then
// flattened into polylines. Quadratic curves become exact cubics and
// elliptical arcs become cubics of at most a quarter turn each.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "authoring/authoring_error.h"
#include "authoring/geometry.h"

namespace orbilux::authoring {

// Bad path data. `offset` is the position in the text where reading stopped.
class SvgPathError : public AuthoringError {
public:
    SvgPathError(const std::string& message, std::size_t offset)
        : AuthoringError(message + " at character " + std::to_string(offset + 1)), offset_(offset) {}
    std::size_t offset() const { return offset_; }

private:
    std::size_t offset_;
};

// One segment from the previous end point: a line (controls unused) or a
// cubic Bezier curve.
struct PathSegment {
    bool line = true;
    Vec2 c1, c2, end;
};

struct Subpath {
    Vec2 start;
    std::vector<PathSegment> segments;
    bool closed = false;
};

using PathData = std::vector<Subpath>;

// Limits that keep hostile input from taking unbounded time or memory.
constexpr std::size_t MaxPathSegments = 1000000;
constexpr double MaxPathCoordinate = 1e12;
constexpr std::size_t MaxFlattenedPoints = 4000000;

// Reads path data; throws SvgPathError for anything that isn't valid path
// data (an empty string reads as no subpaths).
PathData ParseSvgPathData(std::string_view text);

// Applies an affine map to every point and control point (exact for Beziers).
void TransformPathData(PathData& data, const Affine& map);

// The box of all end and control points (it contains the curves).
Box ControlBounds(const PathData& data);

// Replaces curves by straight pieces that stay within `tolerance` of them.
// Throws AuthoringError past MaxFlattenedPoints points.
std::vector<Polyline> FlattenPathData(const PathData& data, double tolerance);

// Appends the cubic segments of an SVG elliptical arc from `from` to `to`
// (the endpoint parameterisation of the SVG arc command). Zero radii give a
// straight line; equal end points give nothing.
void AppendArc(std::vector<PathSegment>& out, Vec2 from, double rx, double ry, double rotationDegrees, bool largeArc,
               bool sweep, Vec2 to);

}  // namespace orbilux::authoring
