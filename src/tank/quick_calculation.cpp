#include "tank/quick_calculation.h"

#include <array>
#include <exception>

#include "tank/density.h"
#include "tank/number_text.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"

namespace quorvel {
namespace {

// The level, then the dead volume and the fitting, in the order they are checked.
constexpr std::array<std::string_view, 5> kCommonFields{"Edit35", "Edit13", "Edit31", "Edit32",
                                                        "Edit33"};

bool readCommonFields(const FieldSource& form, UiServices& ui, TankConfig& config, double& level) {
    for (std::string_view name : kCommonFields) {
        if (form.text(name).empty()) {
            ui.showMessage(kQuickMissing);
            return false;
        }
    }
    level = clampToTank(config, textToNumber(form.text("Edit35")));
    config.deadVolume = textToNumber(form.text("Edit13"));
    config.fittingVolume = textToNumber(form.text("Edit31"));
    config.fittingBottom = textToNumber(form.text("Edit32"));
    config.fittingHeight = textToNumber(form.text("Edit33"));
    return true;
}

}  // namespace

bool quickCalculation(FieldSource& form, UiServices& ui, Method method) {
    return quickCalculate(form, ui, method).has_value();
}

std::optional<QuickResult> quickCalculate(FieldSource& form, UiServices& ui, Method method) {
    try {
        QuickResult result;
        TankConfig& config = result.config;
        if (!readShellFields(form, ui, config) ||
            !readCommonFields(form, ui, config, result.level) ||
            !readHeadFields(form, ui, config)) {
            return std::nullopt;
        }
        deriveDishedRatios(config);
        // No table interval: a fitting is taken off whole above its band, as in the table.
        VolumeState fresh;
        const long double total = volumeAtLevel(config, result.level, 0, fresh, method);
        // The density is read once, so the value handed back is the one written (VtoEdit's
        // product, formed in long double).
        if (form.checked("CheckBox1")) {
            result.densityKgPerM3 = MiDu(form);
        }
        const long double value = shownQuantity(total, result.densityKgPerM3);
        form.setText("Edit36", FormatTwoDecimals(value));
        result.value = static_cast<double>(value);
        return result;
    } catch (const std::exception& e) {
        ui.showError(e.what());
        return std::nullopt;
    }
}

}  // namespace quorvel
