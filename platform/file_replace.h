// Renames a finished file over another one in a single step, on Windows as
// on Linux (where std::filesystem::rename may refuse an existing target).
#pragma once

#include <filesystem>
#include <string>

namespace orbilux {

// Moves `from` to `to`, replacing `to` when it exists. Empty when it
// worked, otherwise what failed.
std::string RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace orbilux
