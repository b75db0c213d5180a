#include "text/decimal_text.h"

#include <charconv>
#include <cmath>

namespace quorvel {
namespace {

// The significant digits of |value| (no leading zero) and the power of ten of the first.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits digitsOf(double value) {
    char buf[64];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific).ptr;
    Digits d;
    const char* p = buf;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.') {
            d.digits += *p;
        }
    }
    const char* exponent = p + 1 + (p[1] == '+');  // from_chars takes no '+'
    std::from_chars(exponent, end, d.exponent);
    return d;
}

}  // namespace

std::string formatShortest(double value) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
}

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) {
        return formatShortest(value);
    }
    const Digits d = digitsOf(value);
    // The digits of round(|value| · 10^decimals), most significant first.
    const int keep = d.exponent + 1 + decimals;
    std::string units;
    if (keep <= 0) {
        units.assign(1, keep == 0 && d.digits[0] >= '5' ? '1' : '0');
    } else {
        units = d.digits.substr(0, static_cast<std::size_t>(keep));
        units.resize(static_cast<std::size_t>(keep), '0');
        if (static_cast<std::size_t>(keep) < d.digits.size() &&
            d.digits[static_cast<std::size_t>(keep)] >= '5') {
            std::size_t i = units.size();
            while (i > 0 && units[i - 1] == '9') {
                units[--i] = '0';
            }
            if (i == 0) {
                units.insert(units.begin(), '1');
            } else {
                ++units[i - 1];
            }
        }
    }
    if (units.size() <= static_cast<std::size_t>(decimals)) {
        units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
    }
    const bool zero = units.find_first_not_of('0') == std::string::npos;
    std::string text = value < 0 && !zero ? "-" : "";
    text += units.substr(0, units.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        text += '.';
        text += units.substr(units.size() - static_cast<std::size_t>(decimals));
    }
    return text;
}

namespace decimal {

Decimal decimalOf(double value) {
    const Digits d = digitsOf(value);
    Decimal r;
    for (char c : d.digits) {
        r.digits = r.digits * 10 + (c - '0');
    }
    if (value < 0) {
        r.digits = -r.digits;
    }
    for (r.scale = static_cast<int>(d.digits.size()) - 1 - d.exponent; r.scale < 0; ++r.scale) {
        r.digits *= 10;
    }
    return r;
}

Int128 divideRounded(Int128 n, Int128 d) {
    const Int128 magnitude = ((n < 0 ? -n : n) * 2 + d) / (2 * d);
    return n < 0 ? -magnitude : magnitude;
}

Int128 shiftRounded(Int128 n, int power) {
    Int128 scale = 1;
    for (int i = 0; i < (power < 0 ? -power : power); ++i) {
        if (power > 0 && scale > n && scale > -n) {
            return 0;  // |n| < 10^i ≤ half of 10^power
        }
        scale *= 10;
    }
    return power < 0 ? n * scale : divideRounded(n, scale);
}

}  // namespace decimal
}  // namespace quorvel
