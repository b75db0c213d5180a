#include "tank/density.h"

#include "tank/tank_messages.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel {

Outcome<double> MiDu(const FieldSource& form) {
    const std::string unit = form.text("ComboBox1");
    if (unit != "Kg/m^3" && unit != "g/cm^3") {
        return messageStop(std::string(tank_messages::kDensityUnitMissing));
    }
    const double value = textToNumber(form.text("Edit37"));
    return unit == "g/cm^3" ? value * 1000 : value;
}

bool densityLikely(double kgPerM3) {
    return kgPerM3 >= kLeastLikelyDensity && kgPerM3 <= kMostLikelyDensity;
}

std::string VtoEdit(long double totalM3, std::optional<double> densityKgPerM3) {
    return FormatTwoDecimals(shownQuantity(totalM3, densityKgPerM3));
}

}  // namespace quorvel
