// How a placement plan is printed: one JSON object, or a readable listing.
#pragma once

#include <ostream>
#include <string>

#include "engine/shape_plan.h"

namespace orbilux::cli {

// {"iconsPerPath": G, "minIconsPerPath": M or null, "origin": [x, y],
//  "applied": [[index, x, y], ...]} on one line.
std::string PlanJson(const ShapePlan& plan);
std::string PlanText(const ShapePlan& plan);

// How a command that placed a shape ends: ExitOk when every icon got a
// place; when the shape didn't fit (the engine then moves only the fixed
// points' icons), a line on `err` saying how many icons were left where they
// were, and ExitPlacementFailed.
int PlacementStatus(const std::string& command, const ShapePlan& plan, std::ostream& err);

}  // namespace orbilux::cli
