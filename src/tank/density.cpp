#include "tank/density.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "tank/number_text.h"

namespace quorvel {
namespace {

using ld = long double;

// Below this the hundredths (and k + ½) fit the 64-bit mantissa and are rounded exactly.
constexpr ld kIntegerLimit = 9.0e16L;

void appendTwoDecimals(std::string& out, bool negative, std::uint64_t hundredths) {
    char digits[24];
    int n = 0;
    std::uint64_t whole = hundredths / 100;
    const unsigned cents = static_cast<unsigned>(hundredths % 100);
    do {
        digits[n++] = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (negative && hundredths != 0) {
        out += '-';
    }
    while (n > 0) {
        out += digits[--n];
    }
    out += '.';
    out += static_cast<char>('0' + cents / 10);
    out += static_cast<char>('0' + cents % 10);
}

// round-half-away(|value| × 100), exactly. The product in long double can be off by half an
// ulp; that matters only within a hair of a half, where the fused multiply-add gives the
// exact sign of |value| × 100 − (k + ½). Above 1e11 the ulp nears that hair: always exact.
std::uint64_t roundedHundredths(ld magnitude) {
    const ld scaled = magnitude * 100.0L;
    const ld k = std::floor(scaled);
    const ld fraction = scaled - k;
    if (magnitude < 1e11L && std::fabs(fraction - 0.5L) > 1e-6L) {
        return static_cast<std::uint64_t>(k) + (fraction > 0.5L ? 1 : 0);
    }
    const ld exact = std::fma(magnitude, 100.0L, -(k + 0.5L));
    return static_cast<std::uint64_t>(k) + (exact >= 0 ? 1 : 0);
}

}  // namespace

double MiDu(FieldSource& form) {
    const std::string unit = form.text("ComboBox1");
    const double value = textToNumber(form.text("Edit37"));
    if (unit == "Kg/m^3") {
        return value;
    }
    if (unit == "g/cm^3") {
        return value * 1000;
    }
    form.setText("ComboBox1", "Kg/m^3");
    return value;
}

std::string VtoEdit(FieldSource& form, long double value) {
    if (form.checked("CheckBox1")) {
        return FormatTwoDecimals(value * static_cast<ld>(MiDu(form)));
    }
    return FormatTwoDecimals(value);
}

std::string FormatTwoDecimals(long double value) {
    if (!std::isfinite(value)) {
        throw std::range_error("计算结果不是有限的数值");
    }
    const bool negative = std::signbit(value);
    const ld magnitude = std::fabs(value);
    std::string out;
    if (magnitude < kIntegerLimit) {
        out.reserve(24);
        appendTwoDecimals(out, negative, roundedHundredths(magnitude));
        return out;
    }
    // Far beyond any tank: the printer's rounding (ties to even) is good enough.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2Lf", value);
    return buffer;
}

bool CheckNumberText(std::string_view text, UiServices& ui) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (parseDecimal(text)) {
        return true;
    }
    ui.showMessage("输入内容不是数字");
    return false;
}

}  // namespace quorvel
