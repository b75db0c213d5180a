#include "text/integer_text.h"

#include "text/blank.h"

namespace quorvel {
namespace {

int digitValue(char c, int base) {
    int v = c >= '0' && c <= '9'   ? c - '0'
            : c >= 'a' && c <= 'f' ? c - 'a' + 10
            : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                   : 99;
    return v < base ? v : -1;
}

}  // namespace

std::optional<std::int32_t> parseIntegerText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isSpaceOrTab(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        i += 1;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    std::string_view digits = text.substr(i);
    if (digits.empty())
        return std::nullopt;
    // Accumulate the magnitude in 64 bits; 11 significant decimal or 9 hex digits already
    // exceed every accepted value, so leading zeros are skipped first.
    std::size_t first = digits.find_first_not_of('0');
    std::string_view significant = first == std::string_view::npos ? "" : digits.substr(first);
    for (char c : digits) {
        if (digitValue(c, base) < 0)
            return std::nullopt;
    }
    if (significant.size() > (base == 10 ? 10u : 8u))
        return std::nullopt;
    std::uint64_t magnitude = 0;
    for (char c : significant) {
        magnitude =
            magnitude * static_cast<unsigned>(base) + static_cast<unsigned>(digitValue(c, base));
    }
    if (base == 16) {
        auto pattern = static_cast<std::uint32_t>(magnitude);
        if (negative)
            pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }
    std::int64_t value =
        negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace quorvel
