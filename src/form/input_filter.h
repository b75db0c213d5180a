// The two character filters of the window's fields and the calibration grid: which characters
// a person may type or paste. Texts the program writes are never filtered.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

enum class FilterKind {
    Digits,          // EditKeyPress: "0" … "9"
    DigitsAndPoint,  // EditKeyPressPoint: "0" … "9" and "." (more than once)
    SignedDecimal    // a temperature of the window "油量计算": "0" … "9", "." and "-"
};

// Whether the filter takes the character with this code point; a minus sign only for
// SignedDecimal, no control character, nothing beyond ASCII.
bool filterAccepts(FilterKind kind, char32_t c);

// `text` (UTF-8) without the characters the filter refuses.
std::string filtered(FilterKind kind, std::string_view text);

}  // namespace quorvel
