// UTF-8 <-> wide-string conversion for the portable code. wchar_t is UTF-16
// on Windows and UTF-32 on Linux; both are handled, and invalid sequences
// become U+FFFD instead of failing.
#pragma once

#include <string>

namespace orbilux {

std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);

}  // namespace orbilux
