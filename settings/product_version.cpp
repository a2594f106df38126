#include "settings/product_version.h"

namespace orbilux {

namespace {

// Versions are written out in full ("0.9.1.5"); anything shorter is not one.
constexpr std::size_t MinimumVersionLength = 7;

}  // namespace

std::wstring ProductVersion(RegistryPort& registry) {
    const auto key = registry.openKey(ProgramRegistryPath, /*create=*/true);
    if (!key) return BaseProductVersion;
    const auto version = key->readString(L"Version");
    if (!version || version->size() < MinimumVersionLength) return BaseProductVersion;
    return *version;
}

}  // namespace orbilux
