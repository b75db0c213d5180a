#include "output/number_text.h"

#include <charconv>
#include <cmath>

namespace quorvel {
namespace {

[[noreturn]] void notANumber(std::string_view text) {
    throw NumberTextError("“" + std::string(text) + "”不是有效的数字");
}

}  // namespace

double parseNumberText(std::string_view text) {
    // from_chars would also read "inf" and "nan": only digits, a point, a minus and an
    // exponent pass.
    for (char c : text) {
        const bool plain = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E';
        if (!plain)
            notANumber(text);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        notANumber(text);
    }
    return value;
}

LevelAndVolume parseTableRow(std::string_view row) {
    const std::size_t comma = row.find(',');
    if (comma == std::string_view::npos) {
        notANumber(row);
    }
    return {parseNumberText(row.substr(0, comma)), parseNumberText(row.substr(comma + 1))};
}

}  // namespace quorvel
