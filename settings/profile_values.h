// How the settings file's texts become values and back. The rules are the
// ones the file has always been read with, so files written by earlier
// versions (or edited by hand) read the same:
//   integers: decimal with an optional sign, or hexadecimal after "0x", "0X"
//             or "$" (with an optional sign before the prefix); hexadecimal
//             takes up to 32 bits and reads them as a signed 32-bit number,
//             so "$FFFFFFFF" is -1. Anything else is not an integer.
//   booleans: an integer that is not 0 is true; "yes", "true" and the like
//             are not integers, so they read as the key's default.
// Integers are written in decimal, booleans as 1 or 0.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orbilux {

// The integer a whole text spells under the rules above; nullopt when it
// doesn't spell one (empty, trailing characters, out of the 32-bit range).
std::optional<int32_t> ParseProfileInteger(const std::wstring& text);

// An integer key's value: `fallback` when the text is empty or not an integer.
int32_t ProfileIntegerOr(const std::wstring& text, int32_t fallback);
// A boolean key's value: `fallback` when the text is empty or not an integer.
bool ProfileBoolOr(const std::wstring& text, bool fallback);

std::wstring FormatProfileInteger(int32_t value);
std::wstring FormatProfileBool(bool value);

}  // namespace orbilux
