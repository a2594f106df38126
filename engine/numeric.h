// The engine's arithmetic rules in one place:
//  - integer div and mod truncate toward zero (C++ / and % already do);
//  - Round goes to the nearest integer with ties to even;
//  - floating-point intermediates are x87 80-bit extended (long double in g++
//    on x86-64, for both Linux and mingw-w64), evaluated in the written order;
//  - 32-bit results wrap as two's complement instead of overflowing.
#pragma once

#include <cstdint>

namespace orbilux {

using Extended = long double;
static_assert(sizeof(Extended) >= 10, "the shape engine needs an 80-bit long double (g++ on x86-64)");

// Sets the x87 unit to a 64-bit significand and round-to-nearest-even for
// the lifetime of the object and restores the caller's setting afterwards.
// Linux starts processes that way, but the Windows x64 convention is a 53-bit
// significand, which would round the engine's halves differently.
class ExtendedPrecisionScope {
public:
    ExtendedPrecisionScope();
    ~ExtendedPrecisionScope();
    ExtendedPrecisionScope(const ExtendedPrecisionScope&) = delete;
    ExtendedPrecisionScope& operator=(const ExtendedPrecisionScope&) = delete;

private:
    unsigned short saved_ = 0;
};

// Nearest integer, ties to even, for |value| < 2^62 (far beyond anything two
// 32-bit factors produce). Throws NumericRangeError for NaN, infinity and
// larger values, so no conversion is ever undefined. Needs the x87 unit in
// the state ExtendedPrecisionScope sets.
int64_t RoundTiesEven(Extended value);

// Keeps the low 32 bits, as a 32-bit integer variable receiving a wider
// result would.
constexpr int32_t Wrap32(int64_t value) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

// Truncating integer division and remainder; a zero divisor throws
// DivisionByZeroError instead of trapping.
int64_t CheckedDiv(int64_t dividend, int64_t divisor);
int64_t CheckedMod(int64_t dividend, int64_t divisor);

}  // namespace orbilux
