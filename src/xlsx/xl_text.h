// Checks and escapes for the texts a book stores.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// Whether `text` is well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view text);

// The number of characters of well-formed UTF-8 `text`.
std::size_t utf8Length(std::string_view text);

// A spreadsheet file spells control characters as _xHHHH_, so a text that itself contains
// such a sequence must have its underscore spelt _x005F_ to be read back unchanged.
std::string escapeLiteralCharacterCodes(std::string_view text);

}  // namespace quorvel
