// Turns a shape source into the shape that ships: each line becomes a path
// of evenly spaced points, the point counts are tuned so the engine's
// rounding leaves as few icons over as possible, and the overflow points
// that catch the rest are placed (when the source asks for "auto").
#pragma once

#include "authoring/shape_check.h"
#include "authoring/shape_source.h"
#include "engine/shape_types.h"

namespace orbilux::authoring {

// Throws AuthoringError when a line has no length or no overflow placement
// keeps the rules' distances.
LoadedShape CompileShape(const ShapeSource& source, const LibraryRules& rules = {});

}  // namespace orbilux::authoring
