// A number as it is printed, rounded once: its text and the value the text stands for (the
// double nearest its decimal), made together, so that a number the program printed is never
// read back from a field or a text to be computed with.
#pragma once

#include <string>

namespace quorvel {

struct PrintedNumber {
    std::string text;
    double value = 0;
};

// With two decimals (FormatTwoDecimals): the litres and kilograms of a table, a quick result,
// a ticket's Vt. Throws ConversionError, naming the text, for a value beyond a double's range.
PrintedNumber printedTwoDecimals(long double value);

// A level in general form (formatLevel), as a level an ullage gives is shown.
PrintedNumber printedLevel(double level);

}  // namespace quorvel
