// The text row of a capacity table, "level,litres": the level in general form (formatLevel),
// a comma, the litres with two decimals (FormatTwoDecimals). The one place a row is written
// and read back.
#pragma once

#include <string>
#include <string_view>

#include "units/units.h"

namespace quorvel {

// Appends the row of `level` (mm) and `litres` to `out`, in `units` (text/unit_number.h: the
// defaults as always).
void appendTableRow(std::string& out, double level, long double litres,
                    const units::OutputUnits& units = {});

// A number of a row as the table writes it: general form, "." as the point, an exponent
// allowed, whatever the locale. Throws ConversionError for anything else (the empty text,
// blanks, a "+", hex, an infinity or NaN).
double parseRowNumber(std::string_view text);

struct LevelAndVolume {
    double level;
    double volume;
};

// A row "level,volume": the parts before and after its first comma. Throws ConversionError,
// naming the row, when it has no comma or a part is not a number.
LevelAndVolume parseTableRow(std::string_view row);

}  // namespace quorvel
