#include "cli/output_file.h"

#include <system_error>

#include "desktop/layout_file_io.h"

namespace orbilux::cli {

std::string WriteWholeFile(const std::filesystem::path& target, const std::string& bytes) {
    // The layout files' writer: a temporary file of a fresh name beside the
    // target, so that no file of the user's is ever taken for the temporary.
    if (orbilux::WriteWholeFile(target, bytes).empty()) return {};
    return "cannot write \"" + target.u8string() + "\"";
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace orbilux::cli
