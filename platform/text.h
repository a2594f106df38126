// UTF-8 <-> wide-string conversion for the portable code. wchar_t is UTF-16
// on Windows and UTF-32 on Linux; both are handled, and invalid sequences
// become U+FFFD instead of failing.
#pragma once

#include <string>

namespace orbilux {

std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);

// Appends one code point as UTF-8; a surrogate or a value beyond U+10FFFF
// becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

}  // namespace orbilux
