// Texts of the capacity table turned back into numbers for the sheet.
#pragma once

#include <string_view>

#include "tank/number_text.h"

namespace quorvel {

// A text that is not a number; what() is the message shown to the user, naming the text.
using NumberTextError = ConversionError;

// The whole text as a number in the general form the table's texts take ("." as the point,
// an exponent allowed), whatever the locale. Throws NumberTextError for an empty text,
// blanks, a "+", hex, an infinity or NaN.
double parseNumberText(std::string_view text);

struct LevelAndVolume {
    double level;
    double volume;
};

// A table row "level,volume": the parts before and after its first comma.
LevelAndVolume parseTableRow(std::string_view row);

}  // namespace quorvel
