// Numbers as the petroleum measurement tables and a delivery note write them: a double taken
// as the decimal its shortest text gives, rounded half away from zero to a fixed number of
// places. (The capacity table's texts round the double's exact binary value instead:
// text/number_format.h.)
#pragma once

#include <string>

namespace quorvel {

// `value` with `decimals` (0–20) places, rounded half away from zero on its shortest decimal
// form (the digits std::to_chars gives, which read back to the same double): 2.675 → "2.68",
// −2.675 → "-2.68". A result that rounds to zero has no sign ("0.00", never "-0.00").
// Non-finite values read "nan", "inf", "-inf".
std::string formatFixed(double value, int decimals);

// The shortest decimal text that reads back to `value` (803.5 → "803.5", 1080 → "1080").
std::string formatShortest(double value);

namespace decimal {

__extension__ typedef __int128 Int128;

// A finite double, |value| < 10²⁰, as the exact decimal of its shortest form:
// value = digits · 10^−scale, scale ≥ 0.
struct Decimal {
    Int128 digits = 0;
    int scale = 0;
};
Decimal decimalOf(double value);

// n / d rounded half away from zero (d > 0).
Int128 divideRounded(Int128 n, Int128 d);
// n · 10^−power rounded half away from zero; a negative power multiplies. |n| < 10^36.
Int128 shiftRounded(Int128 n, int power);

}  // namespace decimal
}  // namespace quorvel
