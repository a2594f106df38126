// The last authoring step: a shape drawn in design-box units (doubles) is
// rounded to whole units and written as .shp records, paths first, then the
// extra, fixed and overflow sections (the only order in which a file can
// use all of them).
#pragma once

#include <filesystem>
#include <vector>

#include "authoring/geometry.h"
#include "engine/shape_types.h"

namespace orbilux::authoring {

struct ShapeDraft {
    std::vector<std::vector<Vec2>> paths;
    std::vector<Vec2> extra;
    std::vector<Vec2> fixed;
    std::vector<Vec2> overflow;
};

// Rounds every point to the nearest unit. Throws AuthoringError for a point
// that a file cannot hold: a negative x would read back as a marker.
LoadedShape RoundDraft(const ShapeDraft& draft);

// The records of a shape; an absent OverflowPoints writes no overflow marker.
std::vector<unsigned char> EncodeShape(const LoadedShape& shape);

// Writes the records to a file, creating its folder. Throws AuthoringError.
void WriteShapeFile(const std::filesystem::path& file, const LoadedShape& shape);

}  // namespace orbilux::authoring
