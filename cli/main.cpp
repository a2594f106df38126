// orbiluxctl: the console companion. Arguments arrive as UTF-8 on every
// platform; on Windows they are read as UTF-16 and the console is switched to
// UTF-8 so that icon names in any language print intact.
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>

static std::string Utf8FromWide(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string result(std::size_t(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    return result;
}

int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    // Binary mode: what we write is already UTF-8 and lines end in "\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(Utf8FromWide(argv[i]));
    const int status = orbilux::cli::RunCommandLine(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = orbilux::cli::RunCommandLine(args, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
#endif
