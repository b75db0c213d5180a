// Density and weight: the density typed in Edit37 with its unit in ComboBox1, and the
// quantity a total shows — litres, or kilograms at a density — in its two-decimal text.
#pragma once

#include <optional>
#include <string>

#include "form/field_source.h"
#include "tank/outcome.h"
#include "units/units.h"

namespace quorvel {

// The density in kg/m^3: Edit37 as typed for "Kg/m^3", × 1000 for "g/cm^3". Any other unit
// text ("单位", a stored "0", anything typed) stops with "请选择密度单位": a density of 0.84
// taken as kg/m^3 when it was meant in g/cm^3 gives a weight a thousand times too small.
// Throws ConversionError when Edit37 is not a number (the empty text included).
Outcome<double> MiDu(const FieldSource& form);

// The density of liquids a tank holds lies between these (kg/m^3); a note questions one
// outside them (most likely a unit mixed up) without changing any number.
inline constexpr double kLeastLikelyDensity = 500;
inline constexpr double kMostLikelyDensity = 2000;
bool densityLikely(double kgPerM3);

// What a total of `totalM3` cubic metres shows: kilograms at a density (kg/m^3), litres
// without one; the product is formed in long double.
inline long double shownQuantity(long double totalM3, std::optional<double> densityKgPerM3) {
    return densityKgPerM3 ? totalM3 * static_cast<long double>(*densityKgPerM3)
                          : units::litres(totalM3);
}

// The text of that quantity, FormatTwoDecimals: the one route by which the table's weights,
// the quick result and the curve's marked value become text.
// In `units`: kilograms in its mass unit, litres in its volume unit; the defaults as always.
std::string VtoEdit(long double totalM3, std::optional<double> densityKgPerM3,
                    const units::OutputUnits& units = {});

}  // namespace quorvel
