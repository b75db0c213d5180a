// FormatTwoDecimals over every long double: the text has the form "0.00" and, read back
// exactly, is the value rounded to the nearest hundredth, a half away from zero.
#include <algorithm>
#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include "fuzz_check.h"
#include "text/number_format.h"

namespace {

bool wellFormed(const std::string& t) {
    std::size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
    const std::size_t point = t.find('.');
    if (point == std::string::npos || point == i || point + 3 != t.size()) {
        return false;
    }
    if (t[i] == '0' && point != i + 1) {
        return false;  // a leading zero
    }
    for (std::size_t k = i; k < t.size(); ++k) {
        if (k != point && (t[k] < '0' || t[k] > '9')) {
            return false;
        }
    }
    return t != "-0.00";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using boost::multiprecision::cpp_int;
    if (size < 10) {
        return 0;
    }
    std::uint64_t mantissa = 0;
    std::memcpy(&mantissa, data, 8);
    const bool negative = (data[9] & 0x80) != 0;
    int exponent = (data[8] | data[9] << 8) & 0x7FFF;
    if ((data[9] & 0x40) != 0) {
        exponent = 16383 - 20 + exponent % 90;  // around the fast path's limit: 2^-20 … 2^70
    }
    if (exponent == 0x7FFF) {
        for (long double v : {HUGE_VALL, -HUGE_VALL, static_cast<long double>(NAN)}) {
            bool thrown = false;
            try {
                (void)quorvel::FormatTwoDecimals(v);
            } catch (const std::range_error&) {
                thrown = true;
            }
            FUZZ_CHECK(thrown, "a value that is not finite was written");
        }
        return 0;
    }
    // The x87 format: an explicit integer bit, set for every exponent but the subnormal 0.
    mantissa = exponent == 0 ? mantissa & ~(1ULL << 63) : mantissa | 1ULL << 63;
    long double value =
        std::ldexp(static_cast<long double>(mantissa), (exponent == 0 ? 1 : exponent) - 16383 - 63);
    value = negative ? -value : value;

    const std::string text = quorvel::FormatTwoDecimals(value);
    FUZZ_CHECK(wellFormed(text), text);
    // Exactly, in whole numbers: with |value| = mantissa × 2^e and the text's digits d (the
    // hundredths), d is the nearest whole number to |value| × 100, a half going up:
    // (2d − 1) × 2^−e ≤ 200 × mantissa < (2d + 1) × 2^−e, or d = 100 × mantissa × 2^e.
    std::string digits = text.substr(text[0] == '-' ? 1 : 0);
    digits.erase(digits.find('.'), 1);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));  // not octal
    const cpp_int d(digits);
    int e = 0;
    const cpp_int m(static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(value), &e), 64)));
    e -= 64;
    if (e >= 0) {
        FUZZ_CHECK(d == (m * 100) << e, text);
    } else {
        const auto s = static_cast<unsigned>(-e);
        const cpp_int scaled = m * 200;
        FUZZ_CHECK(((2 * d - 1) << s) <= scaled && scaled < ((2 * d + 1) << s), text);
    }
    FUZZ_CHECK((text[0] == '-') == (value < 0 && d != 0), text);
    return 0;
}
