// How a placement plan is printed: one JSON object, or a readable listing.
#pragma once

#include <string>

#include "engine/shape_plan.h"

namespace orbilux::cli {

// {"iconsPerPath": G, "minIconsPerPath": M or null, "origin": [x, y],
//  "applied": [[index, x, y], ...]} on one line.
std::string PlanJson(const ShapePlan& plan);
std::string PlanText(const ShapePlan& plan);

}  // namespace orbilux::cli
