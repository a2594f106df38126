// Where things are, asked of the shell and the loader.
#pragma once

#include "settings/system_locations.h"

namespace orbilux::win32 {

class Win32SystemLocations : public SystemLocations {
public:
    // SHGetSpecialFolderPathW with CSIDL_PERSONAL, not creating the folder.
    std::optional<std::wstring> documentsFolder() override;
    // GetModuleFileNameW of the running executable, however long.
    std::wstring programPath() override;
    bool ensureFolder(const std::wstring& path) override;
};

}  // namespace orbilux::win32
