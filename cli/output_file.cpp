#include "cli/output_file.h"

#include <fstream>
#include <system_error>

namespace orbilux::cli {

std::string WriteWholeFile(const std::filesystem::path& target, const std::string& bytes) {
    std::filesystem::path partial = target;
    partial += ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), std::streamsize(bytes.size()));
        file.close();
        if (file) {
            std::error_code ec;
            std::filesystem::rename(partial, target, ec);
            if (!ec) return {};
        }
    }
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    return "cannot write \"" + target.u8string() + "\"";
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace orbilux::cli
