// Overflow points for a shape: the engine's rounding leaves a few icons
// without a place on the paths at many icon counts, and those icons go to
// the overflow points in order. These functions work out how many points a
// shape needs over the counts of the rules and where each one should stand.
#pragma once

#include <cstdint>
#include <vector>

#include "authoring/shape_check.h"
#include "engine/shape_types.h"

namespace orbilux::authoring {

// The largest number of icons the paths leave over at any count of the
// rules when the shape has `overflowCount` overflow points (their number
// changes the suggested gap, their places don't). Throws the engine's errors.
std::size_t LeftoverIcons(const LoadedShape& shape, std::size_t overflowCount, const LibraryRules& rules);

// The fewest overflow points with which every count fits: the count that
// covers the leftovers it itself causes. Throws AuthoringError past `limit`.
std::size_t OverflowPointsNeeded(const LoadedShape& shape, const LibraryRules& rules, std::size_t limit = 64);

// Gives the shape `count` overflow points chosen among `candidates`, one at
// a time in the order the engine serves them: each goes where it keeps the
// icons it receives farthest from the others, relative to the spacing at
// that count, and at least the rules' minimum distance up to their count.
// Throws AuthoringError when no candidate keeps that distance.
void PlaceOverflowPoints(LoadedShape& shape, std::size_t count, const std::vector<ShapePoint>& candidates,
                         const LibraryRules& rules);

}  // namespace orbilux::authoring
