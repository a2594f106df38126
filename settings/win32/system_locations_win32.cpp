#include "settings/win32/system_locations_win32.h"

#include <shlobj.h>
#include <windows.h>

#include "platform/win32/win32_error.h"

namespace orbilux::win32 {

std::optional<std::wstring> Win32SystemLocations::documentsFolder() {
    wchar_t path[MAX_PATH] = {};  // the function's documented buffer size
    if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE)) return std::nullopt;
    return std::wstring(path);
}

std::wstring Win32SystemLocations::programPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) ThrowLastError("GetModuleFileNameW");
        // A path that fills the buffer was cut: try again with more room.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool Win32SystemLocations::ensureFolder(const std::wstring& path) {
    if (CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace orbilux::win32
