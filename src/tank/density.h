// Density and weight: the density typed in Edit37 with its unit in ComboBox1, and the
// two-decimal texts of every volume (litres) and weight (kilograms), FormatTwoDecimals.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ui_services.h"
#include "tank/field_source.h"
#include "tank/number_format.h"

namespace quorvel {

// The density in kg/m^3: Edit37 as typed for "Kg/m^3", × 1000 for "g/cm^3". Any other unit
// text is taken as kg/m^3 and ComboBox1 is set to "Kg/m^3" so the window shows that
// choice. Throws ConversionError when Edit37 is not a number (the empty text included).
double MiDu(FieldSource& form);

// The text a volume or weight shows: with CheckBox1 set, `value` is cubic metres and the
// text is the weight, value × MiDu(); otherwise `value` is already what is shown (callers
// pass cubic metres × 1000 for litres). The product is formed in long double.
std::string VtoEdit(FieldSource& form, long double value);

// What a total of `totalM3` cubic metres shows: kilograms at a density (kg/m^3), litres
// without one; the product is formed in long double, as VtoEdit forms it.
inline long double shownQuantity(long double totalM3, std::optional<double> densityKgPerM3) {
    return densityKgPerM3 ? totalM3 * static_cast<long double>(*densityKgPerM3) : totalM3 * 1000;
}

// Whether `text`, without its leading and trailing blanks and control characters, is a
// number; shows "输入内容不是数字" when it is not.
bool CheckNumberText(std::string_view text, UiServices& ui);

}  // namespace quorvel
