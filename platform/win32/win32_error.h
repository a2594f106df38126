// The error type Win32 adapters throw: the system error code plus what was
// being done. The program's error policy drops these without a message;
// orbiluxctl prints them.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace orbilux::win32 {

class Win32Error : public std::runtime_error {
public:
    Win32Error(const std::string& context, DWORD code);
    DWORD code() const { return code_; }

private:
    DWORD code_;
};

// Throws Win32Error with GetLastError() (read before anything else can change it).
[[noreturn]] void ThrowLastError(const std::string& context);

// The system's text for an error code, without the trailing line break.
std::string SystemMessage(DWORD code);

}  // namespace orbilux::win32
