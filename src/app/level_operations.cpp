#include "app/level_operations.h"

#include "form/output_units.h"
#include "text/unit_number.h"

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "form/fields.h"
#include "form/method_controls.h"
#include "form/request_fields.h"
#include "tank/density.h"
#include "tank/level_from_volume.h"
#include "tank/tank_messages.h"
#include "tank/tank_reader.h"
#include "text/blank.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "uncertainty/propagation.h"
#include "units/units.h"

namespace quorvel::app {
namespace {

using ld = long double;

std::string twoDecimals(ld value) {
    return FormatTwoDecimals(value);
}

}  // namespace

namespace {

// The quick calculation at the level of Edit35, or at `level` when one is given.
std::optional<QuickResult> quickAt(FieldSource& form, UiServices& ui, Method method,
                                   std::optional<double> level) {
    return guarded(ui, [&]() -> std::optional<QuickResult> {
        std::optional<QuickRequest> request =
            shownOutcome(ui, readQuickRequest(form, kQuickLevelField, level));
        if (!request) {
            return std::nullopt;
        }
        const long double total = quickTotal(*request, method);
        // The density is read once, so the value handed back is the one written.
        std::optional<double> density;
        if (form.checked(kWeightsSwitch)) {
            density = shownOutcome(ui, MiDu(form));
            if (!density) {
                return std::nullopt;
            }
        }
        QuickResult result = quickResult(*request, total, density);
        const std::optional<uncertainty::UncertaintyRequest> u =
            shownOutcome(ui, uncertainty::readUncertaintyRequest(form));
        if (!u) {
            return std::nullopt;
        }
        if (u->shown) {
            const uncertainty::Propagation propagation(request->config, method, u->inputs);
            const double litres = propagation.expanded(request->level);
            result.uncertaintyText = FormatTwoDecimals(
                density ? static_cast<long double>(litres) * *density / units::kLitresPerCubicMetre
                        : litres);
        }
        form.setText(kQuickResultField, result.text);
        return result;
    });
}

}  // namespace

std::optional<QuickResult> quick(FieldSource& form, UiServices& ui, Method method) {
    return quickAt(form, ui, method, std::nullopt);
}

std::optional<double> levelForQuantity(FieldSource& form, UiServices& ui, QuantityAsked asked,
                                       Method method) {
    const std::optional<LevelAnswer> answer = levelAnswer(form, ui, asked, method);
    return answer ? std::optional(answer->level) : std::nullopt;
}

std::optional<LevelAnswer> levelAnswer(FieldSource& form, UiServices& ui, QuantityAsked asked,
                                       Method method) {
    return guarded(ui, [&]() -> std::optional<LevelAnswer> {
        const std::optional<TankConfig> config = shownOutcome(ui, buildTankConfig(form));
        if (!config) {
            return std::nullopt;
        }
        // Litres, or kilograms with the density.
        double perM3 = static_cast<double>(units::kLitresPerCubicMetre);
        if (asked.weight) {
            if (!config->useDensity) {
                ui.showError(app_messages::kWeightNeedsDensity);
                return std::nullopt;
            }
            const std::optional<double> density = shownOutcome(ui, MiDu(form));
            if (!density) {
                return std::nullopt;
            }
            perM3 = *density;
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
                return LevelAnswer{*config, found.level,
                                   asked.weight ? std::optional(perM3) : std::nullopt};
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

bool ullageGiven(const FieldSource& form) {
    return !isBlankText(form.text(kUllageField));
}

std::optional<PrintedNumber> levelFromUllage(FieldSource& form, UiServices& ui,
                                             std::string_view ullageField) {
    return guarded(ui, [&]() -> std::optional<PrintedNumber> {
        const std::string ullage = form.text(ullageField);
        const std::string reference = form.text(kReferenceHeightField);
        if (isBlankText(ullage) || isBlankText(reference)) {
            ui.showMessage(app_messages::kUllageMissing);
            return std::nullopt;
        }
        const double down = textToNumber(ullage);
        const double datum = textToNumber(reference);
        if (down > datum) {
            ui.showError(app_messages::ullageAboveReference(formatLevel(down), formatLevel(datum)));
            return std::nullopt;
        }
        return printedLevel(datum - down);
    });
}

std::optional<QuickResult> quickAtUllage(FieldSource& form, UiServices& ui, Method method) {
    const std::optional<PrintedNumber> level = levelFromUllage(form, ui);
    if (!level) {
        return std::nullopt;
    }
    form.setText(kQuickLevelField, level->text);
    return quickAt(form, ui, method, level->value);
}

std::string levelAnswerText(const FieldSource& form, double level) {
    const units::Unit& length = *readOutputUnits(form).length;
    return &length == &units::kLengthUnits[0] ? FormatTwoDecimals(level)
                                              : formatLengthIn(level, length);
}

}  // namespace quorvel::app
