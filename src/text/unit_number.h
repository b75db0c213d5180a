// A number printed in an output unit (units/units.h): the default unit's number divided by the
// unit's exact factor, with the unit's decimals. The default units print as they always did:
// a level in general form (formatLevel), litres and kilograms with two decimals
// (FormatTwoDecimals), the same bytes.
#pragma once

#include <string>

#include "units/units.h"

namespace quorvel {

// Appends `millimetres` as a length in `unit`.
void appendLengthIn(std::string& out, double millimetres, const units::Unit& unit);
std::string formatLengthIn(double millimetres, const units::Unit& unit);

// Appends `amount`, in the default unit of its quantity (litres, kilograms), in `unit`.
// Throws what FormatTwoDecimals throws for a value that is not finite.
void appendAmountIn(std::string& out, long double amount, const units::Unit& unit);
std::string formatAmountIn(long double amount, const units::Unit& unit);

}  // namespace quorvel
