#include "authoring/shape_check.h"

#include <cmath>
#include <limits>
#include <sstream>

#include "engine/engine_errors.h"
#include "engine/placement.h"
#include "engine/shape_plan.h"

namespace orbilux::authoring {

Simulation SimulateLoad(const LoadedShape& shape, int32_t icons, const ShapeFrame& frame) {
    Simulation sim;
    sim.iconsPerPath = SuggestIconsPerPath(icons, shape);
    const Origin origin =
        ComputeOrigin(frame.width, frame.height, frame.areaWidth, frame.areaHeight, frame.shiftX, frame.shiftY);
    const PointScaler scaler(frame.width, frame.height, origin);
    IndexList numbers = MakeIndexList(icons + 2);
    sim.fixed = PlaceOnPoints(numbers, shape.FixedPoints, scaler);
    Distribution distribution = DistributeOnPaths(numbers, shape.Paths, sim.iconsPerPath, scaler);
    sim.leftovers = distribution.overflow ? distribution.overflow->size() - 1 : 0;
    sim.fits = ShapeFits(distribution, shape);
    sim.paths = std::move(distribution.targets);
    if (sim.fits && distribution.overflow && shape.OverflowPoints)
        sim.overflow = PlaceOnPoints(*distribution.overflow, *shape.OverflowPoints, scaler);
    return sim;
}

double ClosestPair(const IconTargets& targets, int32_t icons) {
    double closest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (targets[i].index >= icons) continue;
        for (std::size_t j = i + 1; j < targets.size(); ++j) {
            if (targets[j].index >= icons) continue;
            const double dx = double(targets[i].x) - targets[j].x, dy = double(targets[i].y) - targets[j].y;
            closest = std::fmin(closest, std::sqrt(dx * dx + dy * dy));
        }
    }
    return closest;
}

std::vector<std::string> CheckShapeFile(const std::filesystem::path& file, const LibraryRules& rules) {
    std::vector<std::string> problems;
    for (int32_t icons = rules.minIcons; icons <= rules.maxIcons; ++icons) {
        std::ostringstream problem;
        problem << icons << " icons: ";
        ShapePlan plan;
        try {
            plan = PlanShape(file, icons, rules.frame, 0);
        } catch (const EngineError& e) {
            problem << "the engine fails: " << e.what();
            problems.push_back(problem.str());
            continue;
        }
        std::vector<bool> placed(std::size_t(icons), false);
        for (const IconTarget& t : plan.applied)
            if (t.index >= 0 && t.index < icons) placed[std::size_t(t.index)] = true;
        std::size_t missing = 0;
        for (const bool p : placed) missing += p ? 0 : 1;
        if (missing > 0) {
            problem << missing << " icons get no place (gap " << plan.iconsPerPath << ")";
            problems.push_back(problem.str());
            continue;
        }
        if (icons <= rules.spacedUpTo) {
            const double closest = ClosestPair(plan.applied, icons);
            if (closest < rules.minDistance) {
                problem << "two icons only " << closest << " px apart (gap " << plan.iconsPerPath << ")";
                problems.push_back(problem.str());
            }
        }
    }
    return problems;
}

}  // namespace orbilux::authoring
