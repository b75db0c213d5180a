// Exact reference values for the formatter harnesses: a binary floating-point value and a
// decimal text both as exact rationals, so a text can be checked against the value it
// stands for without trusting any printer.
#pragma once

#include <boost/multiprecision/cpp_int.hpp>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel::fuzz {

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;

inline cpp_rational powerOf(unsigned base, int exponent) {
    cpp_int p =
        boost::multiprecision::pow(cpp_int(base), static_cast<unsigned>(std::abs(exponent)));
    return exponent >= 0 ? cpp_rational(p) : cpp_rational(cpp_int(1), p);
}

// A finite value exactly: its 64-bit mantissa times a power of two.
inline cpp_rational exactValue(long double value) {
    int exponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    cpp_rational r = cpp_rational(cpp_int(mantissa)) * powerOf(2, exponent - 64);
    return std::signbit(value) ? cpp_rational(-r) : r;
}

// The exact value of -?digits[.digits][e[+-]digits]; nothing when the text is not of that form.
inline std::optional<cpp_rational> exactDecimal(std::string_view text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    i += negative ? 1 : 0;
    cpp_int digits = 0;
    int scale = 0;
    int count = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + (c - '0');
            scale -= point ? 1 : 0;
            ++count;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    if (i < text.size()) {
        if (text[i] != 'e' || i + 2 >= text.size() || (text[i + 1] != '+' && text[i + 1] != '-')) {
            return std::nullopt;
        }
        const bool down = text[i + 1] == '-';
        int exponent = 0;
        for (i += 2; i < text.size(); ++i) {
            if (text[i] < '0' || text[i] > '9' || exponent > 100000) {
                return std::nullopt;
            }
            exponent = exponent * 10 + (text[i] - '0');
        }
        scale += down ? -exponent : exponent;
    }
    cpp_rational r = cpp_rational(digits) * powerOf(10, scale);
    return negative ? cpp_rational(-r) : r;
}

inline cpp_rational magnitude(const cpp_rational& r) {
    return r < 0 ? cpp_rational(-r) : r;
}

}  // namespace quorvel::fuzz
