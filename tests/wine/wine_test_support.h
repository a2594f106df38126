// Helpers for the Wine integration tests: where the sibling executables are,
// and running one of them with its output captured.
#pragma once

#include <windows.h>

#include <string>

namespace orbilux::wine_test {

// The folder that holds this test binary (and orbiluxctl.exe,
// standin-desktop.exe and the Shapes folder), with a trailing backslash.
std::wstring BinaryFolder();

struct ProcessResult {
    DWORD exitCode = 0;
    std::string out;  // UTF-8 as the program wrote it
    std::string err;
};

// Runs `commandLine` (program path quoted as needed), waits for it and
// returns its exit code and output. Fails the test on a timeout.
ProcessResult RunProcess(const std::wstring& commandLine, DWORD timeoutMs = 60000);

// Quotes one argument for a command line.
std::wstring Quote(const std::wstring& argument);

// A registry key path unique to this test run, under Software\OrbiluxTests.
std::wstring ScratchRegistryPath(const std::wstring& leaf);

}  // namespace orbilux::wine_test
