#include "settings/win32/profile_win32.h"

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"

namespace orbilux::win32 {

namespace {

// Far beyond any value the program writes; stops the growing loop below on
// a pathological file.
constexpr DWORD MaxValueLength = 1 << 20;

void CreateUnicodeFileIfMissing(const std::wstring& file) {
    // CREATE_NEW: an existing file is never touched. Any failure here (the
    // folder is missing, access denied) shows again in the write itself.
    UniqueHandle handle(
        CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return;
    static const BYTE byteOrderMark[2] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(handle.get(), byteOrderMark, sizeof byteOrderMark, &written, nullptr);
}

}  // namespace

std::wstring Win32Profile::readString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                      const std::wstring& fallback) {
    std::vector<wchar_t> buffer(256);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length =
            GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(), size, file.c_str());
        // A value that fills the buffer to the last character may have been
        // cut: read again with more room.
        if (length + 1 < size || size >= MaxValueLength) return std::wstring(buffer.data(), length);
        buffer.resize(std::size_t(size) * 4);
    }
}

bool Win32Profile::writeString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                               const std::wstring& value) {
    CreateUnicodeFileIfMissing(file);
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

}  // namespace orbilux::win32
