#include "tank/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace quorvel {
namespace {

using ld = long double;

// Below this the hundredths (and k + ½) fit the 64-bit mantissa and are rounded exactly.
constexpr ld kIntegerLimit = 9.0e16L;

// round-half-away(|value| × 100), exactly. The product in long double can be off by half an
// ulp; that matters only within a hair of a half, where the fused multiply-add gives the
// exact sign of |value| × 100 − (k + ½). Above 1e11 the ulp nears that hair: always exact.
std::uint64_t roundedHundredths(ld magnitude) {
    const ld scaled = magnitude * 100.0L;
    // Below 1e11 the whole part through double (a fast truncating conversion) is within one
    // of the true one; the long double difference puts it right.
    auto k = magnitude < 1e11L ? static_cast<std::int64_t>(static_cast<double>(scaled))
                               : static_cast<std::int64_t>(std::floor(scaled));
    ld fraction = scaled - static_cast<ld>(k);
    while (fraction < 0) {
        --k;
        fraction += 1;
    }
    while (fraction >= 1) {
        ++k;
        fraction -= 1;
    }
    if (magnitude < 1e11L && std::fabs(fraction - 0.5L) > 1e-6L) {
        return static_cast<std::uint64_t>(k + (fraction > 0.5L ? 1 : 0));
    }
    const ld exact = std::fma(magnitude, 100.0L, -(static_cast<ld>(k) + 0.5L));
    return static_cast<std::uint64_t>(k + (exact >= 0 ? 1 : 0));
}

char* writeHundredths(char* out, bool negative, std::uint64_t hundredths) {
    char digits[24];
    int n = 0;
    std::uint64_t whole = hundredths / 100;
    const auto cents = static_cast<unsigned>(hundredths % 100);
    do {
        digits[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative && hundredths != 0) {
        *out++ = '-';
    }
    while (n > 0) {
        *out++ = digits[--n];
    }
    *out++ = '.';
    *out++ = static_cast<char>('0' + cents / 10);
    *out++ = static_cast<char>('0' + cents % 10);
    return out;
}

}  // namespace

char* writeTwoDecimals(char* out, long double value) {
    if (!std::isfinite(value)) {
        throw std::range_error("计算结果不是有限的数值");
    }
    const ld magnitude = std::fabs(value);
    if (magnitude < kIntegerLimit) {
        return writeHundredths(out, std::signbit(value), roundedHundredths(magnitude));
    }
    // Far beyond any tank: the printer's rounding (ties to even) is good enough.
    return out + std::snprintf(out, kNumberTextSize, "%.2Lf", value);
}

std::string FormatTwoDecimals(long double value) {
    char text[kNumberTextSize];
    return std::string(text, writeTwoDecimals(text, value));
}

// The common level — a few decimals, far from the exponent forms — without the general
// printer: if some n / 10^d lies closer to the level than half a unit of its 15th
// significant digit, n / 10^d is what rounding to 15 digits gives. The test runs in double:
// level × 10^d is off by at most 0.12 of that unit, so accepting only remainders below a
// quarter of it is safe; anything else is left to the printer (nullptr).
char* writeShortLevel(char* out, double level) {
    constexpr int kMaxDecimals = 6;
    constexpr double kTens[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
    // A unit of the 15th digit for a leading digit at 10^E, E = -3 … 13.
    constexpr double kUnits[] = {1e-17, 1e-16, 1e-15, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9,
                                 1e-8,  1e-7,  1e-6,  1e-5,  1e-4,  1e-3,  1e-2,  1e-1};
    const double a = std::fabs(level);
    if (!(a >= 1e-3 && a < 1e14)) {
        return nullptr;
    }
    // The decade; 1e-1, 1e-2 and 1e-3 as doubles lie just above the powers, so no double
    // of the decade below compares as this one.
    int exponent = -3;
    for (double decade = 1e-2; exponent < 13 && a >= decade; decade *= 10) {
        ++exponent;
    }
    const int decimals = std::min(kMaxDecimals, 14 - exponent);
    for (int d = 0; d <= decimals; ++d) {
        const double scaled = a * kTens[d];
        const auto n = static_cast<std::int64_t>(scaled + 0.5);
        const double rest = scaled - static_cast<double>(n);
        if (std::fabs(rest) >= 0.25 * kUnits[exponent + 3] * kTens[d]) {
            continue;
        }
        // A case at the edge may pass one decimal late: general form has no trailing zeros.
        auto whole = static_cast<std::uint64_t>(n);
        int places = d;
        while (places > 0 && whole % 10 == 0) {
            whole /= 10;
            --places;
        }
        char digits[24];
        int count = 0;
        for (auto v = whole; v != 0 || count <= places; v /= 10) {
            digits[count++] = static_cast<char>('0' + v % 10);
        }
        if (level < 0) {
            *out++ = '-';
        }
        while (count > 0) {
            if (count == places) {
                *out++ = '.';
            }
            *out++ = digits[--count];
        }
        return out;
    }
    return nullptr;
}

char* writeLevel(char* out, double level) {
    if (level == 0) {
        *out++ = '0';  // also for -0
        return out;
    }
    if (char* end = writeShortLevel(out, level)) {
        return end;
    }
    return std::to_chars(out, out + kNumberTextSize, level, std::chars_format::general, 15).ptr;
}

std::string formatLevel(double level) {
    char text[kNumberTextSize];
    return std::string(text, writeLevel(text, level));
}

}  // namespace quorvel
