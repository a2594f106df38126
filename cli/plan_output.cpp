#include "cli/plan_output.h"

#include <sstream>

#include "cli/command.h"

namespace orbilux::cli {

std::string PlanJson(const ShapePlan& plan) {
    std::ostringstream json;
    json << "{\"iconsPerPath\": " << plan.iconsPerPath << ", \"minIconsPerPath\": ";
    if (plan.minIconsPerPath)
        json << *plan.minIconsPerPath;
    else
        json << "null";
    json << ", \"origin\": [" << plan.originX << ", " << plan.originY << "], \"applied\": [";
    for (std::size_t i = 0; i < plan.applied.size(); ++i) {
        const IconTarget& t = plan.applied[i];
        json << (i ? ", " : "") << "[" << t.index << ", " << t.x << ", " << t.y << "]";
    }
    json << "]}";
    return json.str();
}

std::string PlanText(const ShapePlan& plan) {
    std::ostringstream text;
    text << "icons per path:     " << plan.iconsPerPath << "\n";
    text << "min icons per path: ";
    if (plan.minIconsPerPath)
        text << *plan.minIconsPerPath << "\n";
    else
        text << "none (division by zero)\n";
    text << "origin:             " << plan.originX << ", " << plan.originY << "\n";
    text << "targets applied:    " << plan.applied.size() << "\n";
    for (const IconTarget& t : plan.applied) text << "  item " << t.index << " -> " << t.x << ", " << t.y << "\n";
    return text.str();
}

int PlacementStatus(const std::string& command, const ShapePlan& plan, std::ostream& err) {
    const int32_t left = IconsWithoutPlace(plan);
    if (left == 0) return ExitOk;
    err << "orbiluxctl " << command << ": the shape does not fit: " << left << " of " << plan.itemCount
        << " icons were left without a place (try a larger gap or size)\n";
    return ExitPlacementFailed;
}

}  // namespace orbilux::cli
