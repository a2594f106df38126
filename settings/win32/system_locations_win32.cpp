#include "settings/win32/system_locations_win32.h"

#include <shlobj.h>
#include <windows.h>

#include "platform/win32/module_path.h"

namespace orbilux::win32 {

std::optional<std::wstring> Win32SystemLocations::documentsFolder() {
    wchar_t path[MAX_PATH] = {};  // the function's documented buffer size
    if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_PERSONAL, FALSE)) return std::nullopt;
    return std::wstring(path);
}

std::wstring Win32SystemLocations::programPath() { return ExecutablePath(); }

bool Win32SystemLocations::ensureFolder(const std::wstring& path) {
    if (CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace orbilux::win32
