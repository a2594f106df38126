// An SVG picture of a placement: the work area, the design box, the shape's
// paths and points, and one labelled square per placed icon, so a shape
// author can see the result without a Windows machine.
#pragma once

#include <cstddef>
#include <string>

#include "engine/shape_frame.h"
#include "engine/shape_plan.h"

namespace orbilux::cli {

struct PreviewOptions {
    std::string title;       // shown above the picture; empty for none
    int displayWidth = 960;  // width of the rendered picture in CSS pixels
    bool standalone = true;  // with the XML declaration (a file) or without (inline in HTML)
    bool labels = true;      // the item index on every icon
    // Draw each path through at most this many of its points (0: all), so a
    // page of many dense shapes stays small.
    std::size_t maxPathPoints = 0;
};

std::string PreviewSvg(const ShapePlan& plan, const ShapeFrame& frame, const PreviewOptions& options);

}  // namespace orbilux::cli
