// The start-with-Windows entry: a string value under the current user's Run
// key whose data is the program's full path in double quotes, so that
// Windows starts the program at logon. Whether the entry exists is what
// RunAtStartup means, whatever path it holds.
#pragma once

#include <string>

#include "platform/registry_port.h"

namespace orbilux {

inline constexpr const wchar_t* RunKeyPath = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const wchar_t* RunValueName = L"Orbilux";

// Whether the Run key holds a value `name`; with `remove`, the value is
// deleted when it exists. The key is never created: false when it can't be
// opened. After a removal the answer is still whether the value existed.
bool RunValuePresent(RegistryPort& registry, const std::wstring& name, bool remove);

// Writes `name` = "\"" + programPath + "\"" under the Run key, creating the
// key when missing. False when the key can't be opened or the value can't
// be written.
bool WriteRunValue(RegistryPort& registry, const std::wstring& name, const std::wstring& programPath);

}  // namespace orbilux
