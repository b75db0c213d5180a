// The number texts of the tables: volumes and weights with two decimals, levels in general
// form. The write* forms fill a caller's buffer so a table row is built without temporaries.
#pragma once

#include <string>

namespace quorvel {

// Room enough for any text below.
inline constexpr int kNumberTextSize = 64;

// `value` in the form "0.00": at least one digit before the point, exactly two after it,
// an exact half rounded away from zero, a value that rounds to zero written "0.00" (never
// "-0.00"). Throws std::range_error for a value that is not finite.
std::string FormatTwoDecimals(long double value);
char* writeTwoDecimals(char* out, long double value);

// A level in general form with up to 15 significant digits: 1250, 12.5, 0.3; never "-0".
std::string formatLevel(double level);
char* writeLevel(char* out, double level);

}  // namespace quorvel
