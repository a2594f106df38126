#include "desktop/layout_id.h"

#include <limits>
#include <random>

namespace orbilux {

std::wstring LayoutIdFromSeed(uint64_t seed) {
    // The 64-bit Mersenne Twister's output is fixed by the language standard,
    // so an id depends on the seed alone, on every platform. Draws at or
    // above the largest multiple of 10 are thrown away so that no digit is
    // more likely than another.
    std::mt19937_64 generator(seed);
    constexpr uint64_t Max = std::numeric_limits<uint64_t>::max();
    constexpr uint64_t Limit = Max - Max % 10;  // 2^64 - 6: a multiple of 10
    std::wstring id;
    while (id.size() < LayoutIdDigits) {
        const uint64_t draw = generator();
        if (draw >= Limit) continue;
        id += static_cast<wchar_t>(L'0' + draw % 10);
    }
    return id;
}

bool IsUsableLayoutId(const std::wstring& id) {
    return !id.empty() && id.find(L'\\') == std::wstring::npos && id.find(L'\0') == std::wstring::npos;
}

}  // namespace orbilux
