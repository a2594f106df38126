// Reading and writing whole files for layout files: a bounded read that
// refuses what isn't a regular file, and a write that leaves either the old
// file or the complete new one, never a part.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace orbilux {

struct FileRead {
    bool ok = false;
    std::string bytes;
    std::string error;  // why nothing was read, when !ok
};

// The file's bytes; refused when the path is not a regular file (a folder,
// a device, missing) or holds more than `maxBytes`.
FileRead ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

// Writes `bytes` to a new temporary file beside `target` and renames it over
// `target` once everything is written and flushed; on any failure the
// temporary file is removed, `target` is left as it was, and the message
// says what failed. Empty when it worked.
std::string WriteWholeFile(const std::filesystem::path& target, const std::string& bytes);

}  // namespace orbilux
