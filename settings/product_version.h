// The product version shown in the About information: the "Version" text
// another component keeps under the program's registry key, or "0.9" when
// there is none worth showing.
#pragma once

#include <string>

#include "platform/registry_port.h"

namespace orbilux {

inline constexpr const wchar_t* ProgramRegistryPath = L"Software\\Orbilux";
inline constexpr const wchar_t* BaseProductVersion = L"0.9";

// Opens (creating when missing) the program's key and returns its "Version"
// string; "0.9" when the key can't be opened, the value is missing or not a
// string, or its text is shorter than 7 characters.
std::wstring ProductVersion(RegistryPort& registry);

}  // namespace orbilux
