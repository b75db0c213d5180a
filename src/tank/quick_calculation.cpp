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
    try {
        TankConfig config;
        double level = 0;
        if (!readShellFields(form, ui, config) || !readCommonFields(form, ui, config, level) ||
            !readHeadFields(form, ui, config)) {
            return false;
        }
        deriveDishedRatios(config);
        // No table interval: a fitting is taken off whole above its band, as in the table.
        VolumeState fresh;
        const long double total = volumeAtLevel(config, level, 0, fresh, method);
        const bool weight = form.checked("CheckBox1");
        const std::string result = VtoEdit(form, weight ? total : total * 1000);
        form.setText("Edit36", result);
        return true;
    } catch (const std::exception& e) {
        ui.showError(e.what());
        return false;
    }
}

}  // namespace quorvel
