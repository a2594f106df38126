#include "platform/win32/command_line.h"

#include <windows.h>

#include <shellapi.h>

namespace orbilux::win32 {

std::vector<std::wstring> CommandLineArguments() {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv) return {};
    std::vector<std::wstring> args(argv + (count > 0 ? 1 : 0), argv + count);
    LocalFree(argv);
    return args;
}

}  // namespace orbilux::win32
