// GCC 12 at -O3 reports two false positives here: inside Boost.Multiprecision's inlined
// storage of small values (-Wmaybe-uninitialized) and in std::string's inlined copies
// (-Wrestrict, GCC bug 105329).
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wrestrict"

#include "text/number_format.h"

#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <system_error>

#include "text/text_messages.h"

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

// Longest fast-path text: "-" and 17 digits, the point and two decimals, with room to spare.
constexpr int kFastTextSize = 32;

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

void checkFinite(long double value) {
    if (!std::isfinite(value)) {
        throw std::range_error(text_messages::kResultNotFinite);
    }
}

// round-half-away(magnitude × 10^places) for any finite magnitude, in whole-number
// arithmetic: the magnitude is m × 2^e with a 64-bit m, so the scaled value is an integer
// shifted by e, and the bits shifted out decide the rounding.
boost::multiprecision::cpp_int exactlyRounded(ld magnitude, int places) {
    using boost::multiprecision::cpp_int;
    int exponent = 0;
    const ld fraction = std::frexp(magnitude, &exponent);  // in [0.5, 1), or 0
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int e = exponent - 64;
    cpp_int n = mantissa;
    for (int i = 0; i < places; ++i) {
        n *= 10;
    }
    if (e >= 0) {
        return n << e;
    }
    const auto shift = static_cast<unsigned>(-e);
    cpp_int rounded = n >> shift;
    const cpp_int rest = n - (rounded << shift);
    if ((rest << 1) >= (cpp_int(1) << shift)) {
        ++rounded;  // half or more of the unit: away from zero
    }
    return rounded;
}

// The general path: every digit of any finite value, however long.
void appendExactTwoDecimals(std::string& out, long double value) {
    std::string digits = exactlyRounded(std::fabs(value), 2).str();
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    if (std::signbit(value) && digits.find_first_not_of('0') != std::string::npos) {
        out += '-';
    }
    out.append(digits, 0, digits.size() - 2);
    out += '.';
    out.append(digits, digits.size() - 2, 2);
}

}  // namespace

void appendTwoDecimals(std::string& out, long double value) {
    checkFinite(value);
    const ld magnitude = std::fabs(value);
    if (magnitude < kIntegerLimit) {
        char text[kFastTextSize];
        const char* end = writeHundredths(text, std::signbit(value), roundedHundredths(magnitude));
        out.append(text, static_cast<std::size_t>(end - text));
        return;
    }
    appendExactTwoDecimals(out, value);
}

std::string FormatTwoDecimals(long double value) {
    std::string text;
    appendTwoDecimals(text, value);
    return text;
}

std::string formatWholeNumber(long double value) {
    checkFinite(value);
    std::string text = exactlyRounded(std::fabs(value), 0).str();
    if (std::signbit(value) && text != "0") {
        text.insert(0, 1, '-');
    }
    return text;
}

namespace {

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

// Longest level text: "-1.23456789012345e-308" and the short forms fit with room to spare.
constexpr int kLevelTextSize = 32;

}  // namespace

void appendLevel(std::string& out, double level) {
    if (level == 0) {
        out += '0';  // also for -0
        return;
    }
    if (!std::isfinite(level)) {
        throw std::range_error(text_messages::kLevelNotFinite);
    }
    char text[kLevelTextSize];
    const char* end = writeShortLevel(text, level);
    if (end == nullptr) {
        const auto result =
            std::to_chars(text, text + kLevelTextSize, level, std::chars_format::general, 15);
        if (result.ec != std::errc()) {
            throw std::range_error(text_messages::kLevelNotWritable);
        }
        end = result.ptr;
    }
    out.append(text, static_cast<std::size_t>(end - text));
}

std::string formatLevel(double level) {
    std::string text;
    appendLevel(text, level);
    return text;
}

}  // namespace quorvel
