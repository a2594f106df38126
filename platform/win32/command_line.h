// The program's command-line arguments as the shell split them, without the
// program's own name.
#pragma once

#include <string>
#include <vector>

namespace orbilux::win32 {

std::vector<std::wstring> CommandLineArguments();

}  // namespace orbilux::win32
