// Where things are on this machine, as the settings need it: the user's
// documents folder, the running program's own path, and making a folder.
// The Win32 adapter asks the shell and the loader; tests use a fake.
#pragma once

#include <optional>
#include <string>

namespace orbilux {

class SystemLocations {
public:
    virtual ~SystemLocations() = default;

    // The current user's documents folder, without creating it; nullopt when
    // the shell can't resolve it.
    virtual std::optional<std::wstring> documentsFolder() = 0;

    // The full path of the running program's executable.
    virtual std::wstring programPath() = 0;

    // Creates the folder when it doesn't exist; true when it exists afterwards.
    virtual bool ensureFolder(const std::wstring& path) = 0;
};

}  // namespace orbilux
