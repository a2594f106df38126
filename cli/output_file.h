// Writing an output file of orbiluxctl whole or not at all.
#pragma once

#include <filesystem>
#include <string>

namespace orbilux::cli {

// Writes `bytes` into a temporary file beside `target` and renames it over
// the target only once it is complete, so that a full disk or a failed
// write leaves the old file as it was and no fragment behind. Returns what
// went wrong, or an empty text.
std::string WriteWholeFile(const std::filesystem::path& target, const std::string& bytes);

// Whether both names lead to one existing file (another spelling, a link).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace orbilux::cli
