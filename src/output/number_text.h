// Texts of the capacity table turned back into numbers for the sheet.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvel {

// A text that is not a number; what() is the message shown to the user, naming the text.
class NumberTextError : public std::runtime_error {
  public:
    explicit NumberTextError(const std::string& what) : std::runtime_error(what) {}
};

// The whole text as a decimal number with "." as the point, whatever the locale. Throws
// NumberTextError for an empty text, blanks, a "+", hex, an infinity or NaN.
double parseNumberText(std::string_view text);

struct LevelAndVolume {
    double level;
    double volume;
};

// A table row "level,volume": the parts before and after its first comma.
LevelAndVolume parseTableRow(std::string_view row);

}  // namespace quorvel
