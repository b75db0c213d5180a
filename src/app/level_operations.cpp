#include "app/level_operations.h"

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "form/request_fields.h"
#include "tank/density.h"
#include "tank/level_from_volume.h"
#include "tank/tank_reader.h"
#include "text/number_format.h"

namespace quorvel::app {
namespace {

using ld = long double;

std::string twoDecimals(ld value) {
    return FormatTwoDecimals(value);
}

}  // namespace

std::optional<QuickResult> quick(FieldSource& form, UiServices& ui, Method method) {
    return guarded(ui, [&]() -> std::optional<QuickResult> {
        std::optional<QuickRequest> request = shownOutcome(ui, readQuickRequest(form));
        if (!request) {
            return std::nullopt;
        }
        const long double total = quickTotal(*request, method);
        // The density is read once, so the value handed back is the one written.
        std::optional<double> density;
        if (form.checked("CheckBox1")) {
            density = MiDu(form);
        }
        QuickResult result = quickResult(*request, total, density);
        form.setText(kQuickResultField, result.text);
        return result;
    });
}

std::optional<double> levelForQuantity(FieldSource& form, UiServices& ui, QuantityAsked asked,
                                       Method method) {
    return guarded(ui, [&]() -> std::optional<double> {
        const std::optional<TankConfig> config = shownOutcome(ui, buildTankConfig(form));
        if (!config) {
            return std::nullopt;
        }
        double perM3 = 1000;  // litres, or kilograms with the density
        if (asked.weight) {
            if (!config->useDensity) {
                ui.showError(app_messages::kWeightNeedsDensity);
                return std::nullopt;
            }
            perM3 = MiDu(form);
            if (!(perM3 > 0)) {
                ui.showError(app_messages::kDensityNotPositive);
                return std::nullopt;
            }
        }
        LevelSearch found = levelForVolume(
            *config, static_cast<double>(static_cast<ld>(asked.value) / perM3), method);
        // The full tank as its two-decimal text: a table's last row typed back is that level.
        if (found.result == LevelSearch::Result::AboveFull &&
            twoDecimals(asked.value) == twoDecimals(static_cast<ld>(found.highest) * perM3)) {
            found = levelForVolume(*config, found.highest, method);
        }
        const LevelRange range = config->levelRange();
        switch (found.result) {
            case LevelSearch::Result::Found:
                return found.level;
            case LevelSearch::Result::AboveFull:
                ui.showError(app_messages::aboveFull(
                    asked.weight, twoDecimals(asked.value), twoDecimals(range.to),
                    twoDecimals(static_cast<ld>(found.highest) * perM3)));
                return std::nullopt;
            case LevelSearch::Result::NoConvergence:
                ui.showError(app_messages::kLevelNotConverged);
                return std::nullopt;
            case LevelSearch::Result::BelowEmpty:
                ui.showError(app_messages::belowEmpty(
                    asked.weight, twoDecimals(asked.value), twoDecimals(range.from),
                    twoDecimals(static_cast<ld>(found.lowest) * perM3)));
                return std::nullopt;
        }
        return std::nullopt;
    });
}

}  // namespace quorvel::app
