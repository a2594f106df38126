#include "platform/win32/win32_error.h"

#include "platform/text.h"

namespace orbilux::win32 {

std::string SystemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length && buffer ? std::wstring(buffer, length) : std::wstring();
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text.empty() ? "system error" : Utf8FromWide(text);
}

Win32Error::Win32Error(const std::string& context, DWORD code)
    : std::runtime_error(context + ": " + SystemMessage(code) + " (error " + std::to_string(code) + ")"),
      code_(code) {}

void ThrowLastError(const std::string& context) {
    const DWORD code = GetLastError();
    throw Win32Error(context, code);
}

}  // namespace orbilux::win32
