// The character filters of the window's fields and the calibration grid: which characters a
// person may type or paste. Texts the program writes are never filtered.
#pragma once

#include <string>
#include <string_view>

namespace quorvel {

enum class FilterKind {
    Digits,          // EditKeyPress: "0" … "9"
    DigitsAndPoint,  // EditKeyPressPoint: "0" … "9" and "." (more than once)
    SignedDecimal,   // a temperature of the window "油量计算": "0" … "9", "." and "-"
    OneLine          // a text field: anything but a line break (CR, LF) or NUL, which no line
                     // of the settings file holds; a line pasted with its break keeps its text
};

// Whether the filter takes the character with this code point. The number filters take a
// minus sign only for SignedDecimal, no control character and nothing beyond ASCII.
bool filterAccepts(FilterKind kind, char32_t c);

// `text` (UTF-8) without the characters the filter refuses: what a field shows of what was
// typed or pasted into it.
std::string filtered(FilterKind kind, std::string_view text);

}  // namespace quorvel
