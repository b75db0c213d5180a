#include "tank/density.h"

#include "form/fields.h"
#include "tank/tank_messages.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "text/unit_number.h"

namespace quorvel {

Outcome<double> MiDu(const FieldSource& form) {
    const std::optional<units::DensityUnit> unit =
        units::densityUnitOf(form.text(kDensityUnitList));
    if (!unit) {
        return messageStop(std::string(tank_messages::kDensityUnitMissing));
    }
    return textToNumber(form.text(kDensityField)) * unit->kgPerCubicMetre;
}

bool densityLikely(double kgPerM3) {
    return kgPerM3 >= kLeastLikelyDensity && kgPerM3 <= kMostLikelyDensity;
}

std::string VtoEdit(long double totalM3, std::optional<double> densityKgPerM3,
                    const units::OutputUnits& units) {
    return formatAmountIn(shownQuantity(totalM3, densityKgPerM3),
                          densityKgPerM3 ? *units.mass : *units.volume);
}

}  // namespace quorvel
