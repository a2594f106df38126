// The class of standin-shellview.dll, and the shell's class it stands in for.
// The registration (tools/standin-desktop/shell_view_registration.h) writes
// both; the DLL answers only for its own.
#pragma once

#include <windows.h>

namespace orbilux::standin {

// {97E912D9-59DD-4F5E-8A6D-8F264A9B0160}
inline constexpr CLSID ShellViewClassId = {
    0x97e912d9, 0x59dd, 0x4f5e, {0x8a, 0x6d, 0x8f, 0x26, 0x4a, 0x9b, 0x01, 0x60}};
inline constexpr const wchar_t* ShellViewClassIdText = L"{97E912D9-59DD-4F5E-8A6D-8F264A9B0160}";

// CLSID_ShellWindows, whose TreatAs sends CoCreateInstance to our class.
inline constexpr const wchar_t* ShellWindowsClassIdText = L"{9BA05972-F6A8-11CF-A442-00A0C90A8F39}";

inline constexpr const wchar_t* ShellViewDllName = L"standin-shellview.dll";

}  // namespace orbilux::standin
