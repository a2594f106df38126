// What every bundled shape must do with the engine's suggested gap, the
// value a user gets by clicking a shape: at the frame a first shape gets,
// every icon count in a range places every icon (the shape fits), and up to
// a smaller count no two icons come closer than a minimum distance.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/shape_frame.h"
#include "engine/shape_types.h"

namespace orbilux::authoring {

struct LibraryRules {
    int32_t minIcons = 10;
    int32_t maxIcons = 200;
    int32_t spacedUpTo = 60;     // the distance rule holds for counts up to this
    double minDistance = 40;     // pixels between icon positions
    ShapeFrame frame = DefaultShapeFrame(1920, 1040, 0);
};

// What the engine does with a shape for one icon count, computed in memory
// with the engine's own placement steps (as the shape browser's load does).
struct Simulation {
    int32_t iconsPerPath = 0;
    bool fits = false;
    IconTargets fixed;     // one per fixed point, while numbers last
    IconTargets paths;     // the path targets (applied only when it fits)
    IconTargets overflow;  // the overflow targets (when it fits and some are needed)
    std::size_t leftovers = 0;  // items the paths did not take
};
// Throws the engine's errors (a shape without paths, a step that rounds to 0).
Simulation SimulateLoad(const LoadedShape& shape, int32_t icons, const ShapeFrame& frame);

// The smallest distance between two of the targets that name an item
// (index below `icons`); infinity for fewer than two.
double ClosestPair(const IconTargets& targets, int32_t icons);

// Loads the file with the real engine (PlanShape) at every count of the
// rules and returns one line per problem found; empty when the shape passes.
std::vector<std::string> CheckShapeFile(const std::filesystem::path& file, const LibraryRules& rules = {});

}  // namespace orbilux::authoring
