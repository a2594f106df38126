// The profile port on the system's profile functions
// (GetPrivateProfileStringW / WritePrivateProfileStringW).
#pragma once

#include "settings/profile_port.h"

namespace orbilux::win32 {

class Win32Profile : public ProfilePort {
public:
    std::wstring readString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                            const std::wstring& fallback) override;
    // A file that doesn't exist yet is first created as UTF-16 (an empty
    // file with a byte-order mark): the profile functions write a new file
    // in the ANSI code page, which would turn a shape path in another
    // script into question marks. Existing files keep their encoding, except
    // that an ANSI file is first rewritten as UTF-16, text unchanged, when
    // the section, the key or the value can't be written in the ANSI code
    // page.
    bool writeString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override;
};

}  // namespace orbilux::win32
