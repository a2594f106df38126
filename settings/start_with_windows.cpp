#include "settings/start_with_windows.h"

namespace orbilux {

bool RunValuePresent(RegistryPort& registry, const std::wstring& name, bool remove) {
    const auto key = registry.openKey(RunKeyPath, /*create=*/false);
    if (!key) return false;
    const bool present = key->hasValue(name);
    if (present && remove) key->deleteValue(name);
    return present;
}

bool WriteRunValue(RegistryPort& registry, const std::wstring& name, const std::wstring& programPath) {
    const auto key = registry.openKey(RunKeyPath, /*create=*/true);
    if (!key) return false;
    return key->writeString(name, L"\"" + programPath + L"\"");
}

}  // namespace orbilux
