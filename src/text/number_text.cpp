#include "text/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <system_error>

#include "text/blank.h"
#include "text/text_messages.h"

namespace quorvel {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The shape -?(digits[.digits?] | .digits), with an exponent [eE][+-]?digits after it where
// allowed; checked before from_chars, which would also take "inf" and "nan".
bool hasDecimalShape(std::string_view s, bool exponent) {
    std::size_t i = 0;
    if (i < s.size() && s[i] == '-') {
        ++i;
    }
    std::size_t digits = 0;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (i == s.size()) {
        return true;
    }
    if (!exponent || (s[i] != 'e' && s[i] != 'E')) {
        return false;
    }
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    const std::size_t start = i;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
    }
    return i > start && i == s.size();
}

// Whether a plain decimal that from_chars found out of range is tiny rather than huge: its
// first significant digit lies after the point.
bool isTiny(std::string_view s) {
    for (char c : s) {
        if (c == '.') {
            return true;
        }
        if (c >= '1' && c <= '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

ConversionError::ConversionError(std::string_view text)
    : std::runtime_error(text_messages::notANumber(text)) {}

std::optional<double> parseDecimal(std::string_view text) {
    if (!hasDecimalShape(text, false)) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range && isTiny(text)) {
        // Below the smallest double: as good as zero for a millimetre or a litre.
        return text.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> parseGeneralNumber(std::string_view text) {
    if (!hasDecimalShape(text, true)) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

double textToNumber(std::string_view text) {
    if (auto value = parseDecimal(text)) {
        return *value;
    }
    throw ConversionError(text);
}

std::optional<int> parseWholeNumber(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

int textToInteger(std::string_view text) {
    if (auto value = parseWholeNumber(text)) {
        return *value;
    }
    throw ConversionError(text);
}

bool isNumberText(std::string_view text) {
    return parseDecimal(trimBlanks(text)).has_value();
}

}  // namespace quorvel
