// Building the shape library: every "*.shape" source under a folder becomes
// a ".shp" file at the same relative place under the output folder, which
// is then checked with the real engine.
#pragma once

#include <filesystem>
#include <ostream>

#include "authoring/shape_check.h"

namespace orbilux::shapegen {

// Returns the number of shapes that failed (0 when all were written and passed).
int BuildLibrary(const std::filesystem::path& sources, const std::filesystem::path& output,
                 const authoring::LibraryRules& rules, std::ostream& log);

}  // namespace orbilux::shapegen
