#include "settings/profile_values.h"

namespace orbilux {

namespace {

int DigitValue(wchar_t c, int base) {
    int value = -1;
    if (c >= L'0' && c <= L'9')
        value = c - L'0';
    else if (c >= L'a' && c <= L'f')
        value = c - L'a' + 10;
    else if (c >= L'A' && c <= L'F')
        value = c - L'A' + 10;
    return value < base ? value : -1;
}

}  // namespace

std::optional<int32_t> ParseProfileInteger(const std::wstring& text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        negative = text[i] == L'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == L'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == L'0' && (text[i + 1] == L'x' || text[i + 1] == L'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;  // no digits at all

    // Accumulate the magnitude in 64 bits, stopping as soon as it can't fit.
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * uint64_t(base) + uint64_t(digit);
        if (magnitude > limit) return std::nullopt;
    }

    // Work in unsigned 32-bit arithmetic (defined wrap-around), then read the
    // bits as two's complement: that is how hexadecimal reaches negative numbers.
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    if (bits <= 0x7FFFFFFFu) return static_cast<int32_t>(bits);
    return static_cast<int32_t>(-static_cast<int64_t>(0u - bits));
}

int32_t ProfileIntegerOr(const std::wstring& text, int32_t fallback) {
    return ParseProfileInteger(text).value_or(fallback);
}

bool ProfileBoolOr(const std::wstring& text, bool fallback) {
    const auto value = ParseProfileInteger(text);
    return value ? *value != 0 : fallback;
}

std::wstring FormatProfileInteger(int32_t value) {
    return std::to_wstring(value);
}

std::wstring FormatProfileBool(bool value) {
    return value ? L"1" : L"0";
}

}  // namespace orbilux
