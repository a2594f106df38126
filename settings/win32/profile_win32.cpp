#include "settings/win32/profile_win32.h"

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/win32/unique_handle.h"

namespace orbilux::win32 {

namespace {

// Far beyond any value the program writes; stops the growing loop below on
// a pathological file.
constexpr DWORD MaxValueLength = 1 << 20;
// A settings file is a few hundred bytes; a far bigger one is left alone.
constexpr LONGLONG MaxRewrittenFileSize = 16 << 20;

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

bool StartsWithByteOrderMark(const std::vector<char>& bytes) {
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    if (bytes.size() >= 2 && ((at(0) == 0xFF && at(1) == 0xFE) || (at(0) == 0xFE && at(1) == 0xFF))) return true;
    return bytes.size() >= 3 && at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF;
}

// Whether the profile functions can write `text` into a file in the ANSI
// code page without turning characters into question marks.
bool FitsAnsiCodePage(const std::wstring& text) {
    if (text.empty() || GetACP() == CP_UTF8) return true;
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, &usedDefault);
    return length > 0 && !usedDefault;
}

std::optional<std::vector<char>> ReadWholeFile(const std::wstring& file) {
    UniqueHandle handle(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle.get(), &size) || size.QuadPart > MaxRewrittenFileSize) return std::nullopt;
    std::vector<char> bytes(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(handle.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return std::nullopt;
    return bytes;
}

// An existing file in the ANSI code page written again as UTF-16 with the
// same text, through a file beside it that then takes its place, so a
// failure on the way leaves the old file as it was.
void RewriteAnsiFileAsUnicode(const std::wstring& file) {
    const std::optional<std::vector<char>> bytes = ReadWholeFile(file);
    if (!bytes || StartsWithByteOrderMark(*bytes)) return;
    std::wstring text;
    if (!bytes->empty()) {
        const int length = MultiByteToWideChar(CP_ACP, 0, bytes->data(), static_cast<int>(bytes->size()), nullptr, 0);
        if (length <= 0) return;
        text.resize(static_cast<std::size_t>(length));
        MultiByteToWideChar(CP_ACP, 0, bytes->data(), static_cast<int>(bytes->size()), text.data(), length);
    }
    text.insert(text.begin(), L'\xFEFF');
    const std::wstring temporary = file + L".new";
    {
        UniqueHandle handle(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!handle) return;
        const DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        DWORD written = 0;
        if (!WriteFile(handle.get(), text.data(), size, &written, nullptr) || written != size) {
            handle.reset();
            DeleteFileW(temporary.c_str());
            return;
        }
    }
    if (!MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        DeleteFileW(temporary.c_str());
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
    // A file written by hand or by an older version may be in the ANSI code
    // page, where a shape path in another script would be stored as question
    // marks and found nowhere at the next start.
    if (!FitsAnsiCodePage(section) || !FitsAnsiCodePage(key) || !FitsAnsiCodePage(value))
        RewriteAnsiFileAsUnicode(file);
    return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

}  // namespace orbilux::win32
