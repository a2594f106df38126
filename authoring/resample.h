// Even spacing along a polyline. Lengths are measured in a metric that can
// weigh x and y differently, so that points can be spread evenly as they
// will appear on a screen whose frame stretches the design box unequally.
#pragma once

#include <cstddef>
#include <vector>

#include "authoring/geometry.h"

namespace orbilux::authoring {

// Length of a step (dx, dy) is hypot(sx * dx, sy * dy).
struct Metric {
    double sx = 1;
    double sy = 1;
    double length(Vec2 step) const { return std::hypot(sx * step.x, sy * step.y); }
};

// Total length, including the closing segment of a closed polyline.
double PolylineLength(const Polyline& line, const Metric& metric = {});

// `count` points at equal steps of length along the polyline. An open
// polyline keeps both of its ends (count >= 2); a closed one starts at its
// first point and stops one step short of coming back to it (count >= 1).
// Throws AuthoringError for a polyline of zero length or a bad count.
std::vector<Vec2> ResampleEvenly(const Polyline& line, std::size_t count, const Metric& metric = {});

}  // namespace orbilux::authoring
