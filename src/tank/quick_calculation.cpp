#include "tank/quick_calculation.h"

#include "form/output_units.h"
#include "form/request_fields.h"
#include "tank/density.h"
#include "tank/tank_messages.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel {

Outcome<QuickRequest> readQuickRequest(FieldSource& form, std::string_view levelField,
                                       std::optional<double> given) {
    QuickRequest request;
    TankConfig& config = request.config;
    if (auto stop = readShellFields(form, config)) {
        return *stop;
    }
    // The level, then the dead volume and the fitting, in the order they are checked.
    if (!given && form.text(levelField).empty()) {
        return messageStop(std::string(tank_messages::kQuickMissing));
    }
    if (auto stop = readCorrectionFields(form, config)) {
        return *stop;
    }
    const double level = given ? *given : textToNumber(form.text(levelField));
    if (level < 0) {
        return errorStop(
            tank_messages::negativeLevel(tank_messages::kLevelName, formatLevel(level)));
    }
    request.askedLevel = level;
    request.level = config.limitToTank(level);
    if (auto stop = readHeadFields(form, config)) {
        return *stop;
    }
    deriveDishedRatios(config);
    config.units = readOutputUnits(form);
    return request;
}

long double quickTotal(const QuickRequest& request, Method method) {
    // No table interval: a fitting is taken off whole above its band, as in the table.
    VolumeState fresh;
    return volumeAtLevel(request.config, request.level, 0, fresh, method);
}

QuickResult quickResult(const QuickRequest& request, long double totalM3,
                        std::optional<double> densityKgPerM3) {
    QuickResult result;
    result.config = request.config;
    result.level = request.level;
    result.askedLevel = request.askedLevel;
    result.densityKgPerM3 = densityKgPerM3;
    result.value = static_cast<double>(shownQuantity(totalM3, densityKgPerM3));
    result.text = VtoEdit(totalM3, densityKgPerM3, request.config.units);
    return result;
}

}  // namespace quorvel
