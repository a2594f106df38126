#include "engine/numeric.h"

#include "engine/engine_errors.h"

#if !(defined(__x86_64__) || defined(__i386__))
#error "the shape engine relies on the x87 extended format"
#endif

namespace orbilux {

namespace {

// x87 control word: bits 8-9 precision control (11 = 64-bit significand),
// bits 10-11 rounding control (00 = nearest, ties to even).
constexpr unsigned short PrecisionAndRoundingMask = 0x0F00;
constexpr unsigned short ExtendedNearest = 0x0300;

unsigned short ReadControlWord() {
    unsigned short word;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}

void WriteControlWord(unsigned short word) { __asm__ volatile("fldcw %0" : : "m"(word)); }

}  // namespace

ExtendedPrecisionScope::ExtendedPrecisionScope() : saved_(ReadControlWord()) {
    const unsigned short wanted = static_cast<unsigned short>((saved_ & ~PrecisionAndRoundingMask) | ExtendedNearest);
    if (wanted != saved_) WriteControlWord(wanted);
}

ExtendedPrecisionScope::~ExtendedPrecisionScope() {
    if (ReadControlWord() != saved_) WriteControlWord(saved_);
}

int64_t RoundTiesEven(Extended value) {
    // Adding 2^63 moves the value to where the spacing of extended numbers is
    // exactly 1, so the addition itself rounds to an integer, ties to even
    // (2^63 is even); subtracting it again is exact. This is what
    // nearbyintl does, without its costly save and restore of the FPU state.
    constexpr Extended shift = 9223372036854775808.0L;  // 2^63
    constexpr Extended limit = 4611686018427387904.0L;  // 2^62
    if (!(value > -limit && value < limit)) throw NumericRangeError("value out of range for rounding");
    const Extended rounded = value >= 0 ? (value + shift) - shift : (value - shift) + shift;
    return static_cast<int64_t>(rounded);
}

int64_t CheckedDiv(int64_t dividend, int64_t divisor) {
    if (divisor == 0) throw DivisionByZeroError("division by zero");
    if (divisor == -1) return static_cast<int64_t>(0ull - static_cast<uint64_t>(dividend));  // INT64_MIN / -1 wraps
    return dividend / divisor;
}

int64_t CheckedMod(int64_t dividend, int64_t divisor) {
    if (divisor == 0) throw DivisionByZeroError("division by zero");
    if (divisor == -1) return 0;
    return dividend % divisor;
}

}  // namespace orbilux
