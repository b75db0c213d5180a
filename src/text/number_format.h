// The number texts of the tables: volumes and weights with two decimals, levels in general
// form. Every text holds all the digits of its value, however large: the append* forms add
// to a caller's string so a table row is built in one reused buffer.
#pragma once

#include <string>

namespace quorvel {

// `value` in the form "0.00": at least one digit before the point, exactly two after it,
// every digit of the whole part (a 10^70 litre volume has 71 of them), an exact half rounded
// away from zero, a value that rounds to zero written "0.00" (never "-0.00"). Throws
// std::range_error for a value that is not finite.
std::string FormatTwoDecimals(long double value);
void appendTwoDecimals(std::string& out, long double value);

// A level in general form with up to 15 significant digits: 1250, 12.5, 0.3, 1e+70; never
// "-0".
std::string formatLevel(double level);
void appendLevel(std::string& out, double level);

// `value` rounded to a whole number (half away from zero), every digit: 1e30 is written
// 1000000000000000019884624838656. Throws std::range_error for a value that is not finite.
std::string formatWholeNumber(long double value);

}  // namespace quorvel
