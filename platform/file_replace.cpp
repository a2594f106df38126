#include "platform/file_replace.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace orbilux {

std::string RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    // MoveFileExW replaces atomically on one volume; std::filesystem::rename
    // of some runtimes refuses an existing target on Windows.
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return "the file could not be replaced (error " + std::to_string(GetLastError()) + ")";
    return std::string();
#else
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (error) return "the file could not be replaced (" + error.message() + ")";
    return std::string();
#endif
}

}  // namespace orbilux
