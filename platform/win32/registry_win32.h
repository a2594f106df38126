// The registry port on the real registry: keys under HKEY_CURRENT_USER,
// wide-character APIs throughout.
#pragma once

#include "platform/registry_port.h"

namespace orbilux::win32 {

class Win32Registry : public RegistryPort {
public:
    std::unique_ptr<RegistryKey> openKey(const std::wstring& path, bool create) override;
    std::unique_ptr<RegistryKey> openKeyForReading(const std::wstring& path) override;
    bool keyExists(const std::wstring& path) override;
    bool deleteKeyTree(const std::wstring& path) override;
};

}  // namespace orbilux::win32
