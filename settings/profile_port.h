// The settings file as the program needs it: one key of one section of an
// ini-style profile file read or written at a time, the way the system's
// profile functions do it. Section and key names match without regard to
// case; writing a key leaves every other key of the file as it was.
//
// The Win32 adapter uses the system's profile functions; unit tests use an
// in-memory fake that behaves like them.
#pragma once

#include <string>

namespace orbilux {

class ProfilePort {
public:
    virtual ~ProfilePort() = default;

    // The key's text, with surrounding blanks and one pair of surrounding
    // quotes removed as the system does; `fallback` when the file, the
    // section or the key is missing.
    virtual std::wstring readString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                                    const std::wstring& fallback) = 0;

    // Writes one key, creating the file and the section when missing. False
    // when the file can't be written (its folder is missing, access denied).
    virtual bool writeString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                             const std::wstring& value) = 0;
};

}  // namespace orbilux
