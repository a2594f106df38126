// Where the running program is: its full path, however long, and its folder.
#pragma once

#include <string>

namespace orbilux::win32 {

// GetModuleFileNameW of the executable, retried with more room when a long
// path fills the buffer. Throws Win32Error when the system can't tell.
std::wstring ExecutablePath();

// The executable's folder, with a trailing backslash (the Shapes folder and
// the sibling programs live here).
std::wstring ExecutableFolder();

}  // namespace orbilux::win32
