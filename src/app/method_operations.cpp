#include "app/method_operations.h"

#include <cmath>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "exact/head_profile.h"
#include "form/controls.h"
#include "form/fields.h"
#include "form/method_controls.h"
#include "form/request_fields.h"
#include "tank/density.h"
#include "tank/volume.h"
#include "text/decimal_text.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "units/units.h"

namespace quorvel::app {
namespace {

using ld = long double;

constexpr ld kCent = 0.005L;                // of a litre or kilogram: the rows' two decimals agree
constexpr ld kAgreePercent = 0.01L;         // the methods agree to this
constexpr const char* kLineBreak = "\r\n";  // between the summary's lines

// The curve of `count` levels over the tank's height, by `method`, in the quantity the table
// shows (kilograms with its density), reaching on to `reach`. nullopt when it could not be
// formed (shown).
std::optional<CapacityCurve> tankCurve(const TankConfig& config, std::size_t count,
                                       std::optional<double> densityKgPerM3, Method method,
                                       UiServices& ui, double reach) {
    return guarded(ui, [&]() -> std::optional<CapacityCurve> {
        return capacityCurve(config, count, densityKgPerM3, method, reach);
    });
}

}  // namespace

std::optional<std::string> trueGeometryProblem(const TankConfig& config) {
    try {
        const VolumeModel model(config, Method::Exact);
    } catch (const exact::GeometryError& e) {
        return std::string(e.what());
    }
    return std::nullopt;
}

Method chosenMethod(const FieldSource& form) {
    return form.text(kMethodList) == kExactEntry ? Method::Exact : Method::Classic;
}

void Departure::add(double level, long double classic, long double exact) {
    const ld difference = exact - classic;
    if (exact == 0 || !(std::fabs(difference) >= kCent) || !std::isfinite(difference / exact)) {
        return;
    }
    const ld percent = difference / exact * 100;
    if (!found_ || std::fabs(percent) > std::fabs(percent_)) {
        found_ = true;
        level_ = level;
        percent_ = percent;
    }
}

bool Departure::significant() const {
    return found_ && std::fabs(percent_) > kAgreePercent;
}

std::string Departure::text(std::optional<int> levelDecimals) const {
    return app_messages::departure(
        levelDecimals ? formatFixed(level_, *levelDecimals) : formatLevel(level_), percent_ > 0,
        FormatTwoDecimals(std::fabs(percent_)));
}

int levelDecimals(const FieldSource& form) {
    std::string step = form.text(kIntervalField);
    const std::size_t point = step.find('.');
    if (!parseDecimal(step) || point == std::string::npos) {
        return 0;
    }
    step.erase(step.find_last_not_of('0') + 1);
    return static_cast<int>(step.size() - point - 1);
}

std::optional<WindowTable> makeWindowTable(FieldSource& form, UiServices& ui, Method method) {
    std::optional<TableJob> job = TableJob::read(form, ui, method, true);
    if (!job) {
        return std::nullopt;
    }
    const TankConfig& config = job->config();
    MethodComparison comparison;
    std::optional<std::string> problem;
    if (method == Method::Classic && config.trueGeometryDiffers()) {
        const std::optional<std::optional<std::string>> checked = job->trueGeometryProblem();
        if (!checked) {
            return std::nullopt;
        }
        problem = *checked;
    }
    bool walked = false;
    if (method == Method::Exact || !config.trueGeometryDiffers() || problem) {
        walked = job->walk(RowKeeping::Held);
        if (problem) {
            comparison.text = app_messages::noComparison(*problem);
        }
    } else {
        Departure departure;
        CapacityCurve exact;
        const std::optional<double> density = job->density();
        exact.weights = density.has_value();
        walked = job->walkCompared(RowKeeping::Held, [&](const TableRow& row, double exactM3) {
            departure.add(row.level, units::litres(row.totalM3), units::litres(exactM3));
            exact.points.push_back(
                {row.level, static_cast<double>(shownQuantity(exactM3, density))});
        });
        if (departure.significant()) {
            comparison.trueGeometry = std::move(exact);
            comparison.text = app_messages::tableDeparture(
                departure.text(), formatLevel(config.levelFrom), formatLevel(config.levelTo));
        }
    }
    if (!walked) {
        return std::nullopt;
    }
    return WindowTable{std::move(*job), std::move(comparison)};
}

std::optional<AnswerCurve> answerCurve(const TankConfig& config, std::size_t points,
                                       std::optional<double> densityKgPerM3, Method method,
                                       CurvePoint answer, UiServices& ui, int levelDecimals) {
    std::optional<CapacityCurve> curve =
        tankCurve(config, points, densityKgPerM3, method, ui, answer.level);
    if (!curve) {
        return std::nullopt;
    }
    AnswerCurve made{std::move(*curve), {}};
    if (method == Method::Exact || !config.trueGeometryDiffers()) {
        return made;
    }
    return guarded(ui, [&]() -> std::optional<AnswerCurve> {
        try {
            CapacityCurve exact = capacityCurve(config, points, densityKgPerM3, Method::Exact);
            Departure overall;
            for (std::size_t i = 0; i < exact.points.size(); ++i) {
                overall.add(exact.points[i].level, made.curve.points[i].value,
                            exact.points[i].value);
            }
            VolumeState state;
            const double exactM3 = VolumeModel(config, Method::Exact)(answer.level, 0, state);
            Departure here;
            here.add(answer.level, answer.value, shownQuantity(exactM3, densityKgPerM3));
            if (here.significant() || overall.significant()) {
                const bool elsewhere = overall.significant() &&
                                       (!here.significant() || overall.level() != answer.level);
                made.comparison.text = app_messages::quickDeparture(
                    here.significant() ? here.text() : std::string(), formatLevel(answer.level),
                    elsewhere ? overall.text(levelDecimals) : std::string(),
                    formatLevel(config.height()));
            }
            if (overall.significant()) {
                made.comparison.trueGeometry = std::move(exact);
            }
        } catch (const exact::GeometryError& e) {
            made.comparison.text = app_messages::noComparison(e.what());
        }
        return made;
    });
}

bool levelAnswerDependsOn(std::string_view control) {
    return (effectsOf(control) & kLevelAnswer) != 0;
}

void showQuantityUnit(WindowForm& form) {
    form.setLabel(kQuantityUnitLabel,
                  form.checked(kWeightsSwitch) ? app_messages::kKilograms : app_messages::kLitres);
}

void nameMethod(TableHead& table, Method method) {
    if (method == Method::Exact) {
        table.config.parameterSummary += kLineBreak;
        table.config.parameterSummary += app_messages::kExactSummaryLine;
    }
}

}  // namespace quorvel::app
