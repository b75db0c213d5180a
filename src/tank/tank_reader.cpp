#include "tank/tank_reader.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "form/head_kinds.h"
#include "form/request_fields.h"
#include "tank/head_model.h"
#include "tank/shell_kinds.h"
#include "tank/tank_messages.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

namespace msg = tank_messages;

constexpr std::string_view kLineBreak = "\r\n";

// The group's stop when a field of it is empty.
std::optional<Stop> missing(const FieldSource& form, std::initializer_list<std::string_view> fields,
                            std::string_view message) {
    for (std::string_view name : fields) {
        if (form.text(name).empty()) {
            return messageStop(std::string(message));
        }
    }
    return std::nullopt;
}

double number(const FieldSource& form, std::string_view name) {
    return textToNumber(form.text(name));
}

// Reads the n + 1 points (origin row and n point rows) column by column, levels first.
std::optional<Stop> readCalibrationPoints(const FieldSource& form, TankConfig& config) {
    const int n = textToInteger(form.text("ComboBox2"));
    if (n < 1) {
        // The list offers 2 … 999; fewer than two points cannot be interpolated.
        return errorStop(msg::badPointCount(form.text("ComboBox2")));
    }
    CalibrationPoints points;
    for (auto [column, values] : {std::pair{1, &points.levels}, std::pair{2, &points.volumes}}) {
        values->reserve(static_cast<std::size_t>(n) + 1);
        for (int row = 1; row <= n + 1; ++row) {
            const std::string text = form.cell(column, row);
            if (text.empty()) {
                return messageStop(std::string(msg::kPointsMissing));
            }
            values->push_back(textToNumber(text));
        }
    }
    points.ascending = std::is_sorted(points.levels.begin(), points.levels.end());
    config.calibrationPoints = std::move(points);
    return std::nullopt;
}

double standardFlange(double referenceDiameter) {
    return referenceDiameter <= 2000 ? 25 : 40;
}

// Where each dimension field of a head goes.
constexpr double HeadSpec::*kDimensionMembers[] = {
    &HeadSpec::flangeHeight,   // HeadDimension::Flange
    &HeadSpec::depth,          // HeadDimension::Depth
    &HeadSpec::coneHeight,     // HeadDimension::ConeHeight
    &HeadSpec::smallDiameter,  // HeadDimension::SmallDiameter
    &HeadSpec::sphereRadius,   // HeadDimension::SphereRadius
};

std::optional<Stop> readHead(const FieldSource& form, HeadSide side, const TankConfig& config,
                             HeadSpec& head) {
    const Stop stop =
        messageStop(std::string(side == HeadSide::Left ? msg::kLeftMissing : msg::kRightMissing));
    const HeadKindInfo* info = chosenHeadKind(form, side);
    if (info == nullptr) {
        // Nothing may be computed from a kind nobody chose.
        return stop;
    }
    head = HeadSpec{};
    head.kind = info->kind;
    if (info->standardFlange) {
        head.flangeHeight = standardFlange(config.rimDiameter());
    }
    for (const HeadField& field : info->fields) {
        const std::string text = form.text(fieldOn(field, side));
        if (text.empty()) {
            return stop;
        }
        head.*kDimensionMembers[static_cast<std::size_t>(field.dimension)] = textToNumber(text);
    }
    head.subtract = form.itemIndex(volumeListOn(side)) == 1;
    return std::nullopt;
}

// The workbook's block size: Edit9 must be a number; a positive whole number is the size,
// anything else (a fraction, zero, a negative number, one too large) the default.
int rowsPerBlock(const std::string& text) {
    textToNumber(text);
    const std::optional<int> n = parseWholeNumber(text);
    return n && *n > 0 ? *n : kDefaultRowsPerBlock;
}

std::optional<Stop> readTableFields(const FieldSource& form, TankConfig& config) {
    const bool corrections = config.correctionsApply();
    for (const RequestField& field : kTableRequestFields) {
        const bool correction = &field >= kCorrectionFields.data();
        if ((corrections || !correction) && form.text(field.name).empty()) {
            return messageStop(std::string(msg::kTableMissing));
        }
    }
    config.levelFrom = number(form, "Edit6");
    if (config.levelFrom < 0) {
        return errorStop(msg::negativeLevel(msg::kFirstLevelName, formatLevel(config.levelFrom)));
    }
    const double levelTo = number(form, "Edit7");
    if (levelTo < 0) {
        return errorStop(msg::negativeLevel(msg::kLastLevelName, formatLevel(levelTo)));
    }
    config.levelTo = config.limitToTank(levelTo);
    config.levelStep = number(form, "Edit8");
    config.rowsPerBlock = rowsPerBlock(form.text("Edit9"));
    return corrections ? readCorrectionFields(form, config) : std::nullopt;
}

// The kind chosen on a side when each of its fields holds something; nullptr otherwise.
const HeadKindInfo* completeHeadChoice(const FieldSource& form, HeadSide side) {
    const HeadKindInfo* info = chosenHeadKind(form, side);
    if (info == nullptr) {
        return nullptr;
    }
    for (const HeadField& field : info->fields) {
        if (form.text(fieldOn(field, side)).empty()) {
            return nullptr;
        }
    }
    return info;
}

std::string headLine(const FieldSource& form, HeadSide side, HeadKind kind) {
    const HeadKindInfo& info = headKindInfo(kind);
    std::string line(side == HeadSide::Left ? msg::kLeftHeadLine : msg::kRightHeadLine);
    line += info.name;
    for (const HeadField& field : info.fields) {
        line += msg::headFieldPart(field.label, form.text(fieldOn(field, side)));
    }
    return line;
}

std::string shellLine(const FieldSource& form, const TankConfig& config) {
    switch (config.shellKind) {
        case ShellKind::Horizontal:
            if (config.sectionKind == SectionKind::Circular) {
                return msg::circularShellLine(form.text("Edit1"), form.text("Edit2"));
            }
            return msg::ellipticalShellLine(form.text("Edit3"), form.text("Edit4"),
                                            form.text("Edit5"));
        case ShellKind::Tilted:
            return msg::tiltedShellLine(form.text("Edit40"), form.text("Edit41"),
                                        form.text("Edit42"));
        case ShellKind::Spherical:
            return msg::sphereLine(form.text("Edit34"));
        case ShellKind::Calibrated:
            break;
    }
    return {};
}

}  // namespace

ShellKind Jgxs(const FieldSource& form) {
    return shellOfPage(form.activePage());
}

SectionKind sectionOf(const FieldSource& form) {
    return form.checked("RadioButton2") && !form.checked("RadioButton1") ? SectionKind::Elliptical
                                                                         : SectionKind::Circular;
}

namespace {

// A diameter that is not a positive number (0, or a negative one loaded from a settings file)
// describes no tank.
std::optional<Stop> diametersProblem(std::initializer_list<double> diameters) {
    for (double d : diameters) {
        if (!(d > 0)) {
            return messageStop(std::string(msg::kDiameterNotPositive));
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Stop> readShellFields(const FieldSource& form, TankConfig& config) {
    config.shellKind = Jgxs(form);
    config.sectionKind = sectionOf(form);
    switch (config.shellKind) {
        case ShellKind::Horizontal:
            if (form.checked("RadioButton1")) {
                if (auto stop = missing(form, {"Edit1", "Edit2"}, msg::kShellMissing)) {
                    return stop;
                }
                config.diameter = number(form, "Edit1");
                config.length = number(form, "Edit2");
                return diametersProblem({config.diameter});
            } else if (form.checked("RadioButton2")) {
                if (auto stop = missing(form, {"Edit3", "Edit4", "Edit5"}, msg::kShellMissing)) {
                    return stop;
                }
                config.horizontalDiameter = number(form, "Edit3");
                config.verticalDiameter = number(form, "Edit4");
                config.length = number(form, "Edit5");
                return diametersProblem({config.horizontalDiameter, config.verticalDiameter});
            } else {
                // Neither section chosen (a first start without settings): nothing to compute.
                return messageStop(std::string(msg::kShellMissing));
            }
        case ShellKind::Tilted:
            if (auto stop =
                    missing(form, {"Edit29", "Edit30", "Edit39", "Edit40", "Edit41", "Edit42"},
                            msg::kTiltedMissing)) {
                return stop;
            }
            config.tiltAlpha = number(form, "Edit29");
            if (config.tiltAlpha == 0) {
                config.tiltAlpha = 0.001;  // the level transform divides by tan α
            }
            config.tiltBeta = number(form, "Edit30");
            config.tiltOffset = number(form, "Edit39");
            config.lowEndRight = form.checked("RadioButton4") && !form.checked("RadioButton3");
            config.horizontalDiameter = number(form, "Edit40");
            config.verticalDiameter = number(form, "Edit41");
            config.length = number(form, "Edit42");
            return diametersProblem({config.horizontalDiameter, config.verticalDiameter});
        case ShellKind::Spherical:
            if (auto stop = missing(form, {"Edit34"}, msg::kSphereMissing)) {
                return stop;
            }
            config.diameter = number(form, "Edit34");
            return diametersProblem({config.diameter});
        case ShellKind::Calibrated:
            return readCalibrationPoints(form, config);
    }
    return std::nullopt;
}

std::optional<Stop> readCorrectionFields(const FieldSource& form, TankConfig& config) {
    if (!config.correctionsApply()) {
        return std::nullopt;
    }
    for (const RequestField& field : kCorrectionFields) {
        if (form.text(field.name).empty()) {
            return messageStop(std::string(msg::kQuickMissing));
        }
    }
    config.deadVolume = number(form, "Edit13");
    config.fittingVolume = number(form, "Edit31");
    config.fittingBottom = number(form, "Edit32");
    config.fittingHeight = number(form, "Edit33");
    return std::nullopt;
}

std::optional<Stop> readHeadFields(const FieldSource& form, TankConfig& config) {
    if (!config.headsApply()) {
        return std::nullopt;
    }
    if (auto stop = readHead(form, HeadSide::Left, config, config.leftHead)) {
        return stop;
    }
    return readHead(form, HeadSide::Right, config, config.rightHead);
}

void deriveDishedRatios(TankConfig& config) {
    if (!config.circularSection()) {
        return;
    }
    for (HeadSpec* head : {&config.leftHead, &config.rightHead}) {
        heads::prepare(*head, config.diameter);
    }
}

std::string parameterSummary(const FieldSource& form, const TankConfig& config) {
    std::string summary(msg::kSummaryHeading);
    auto append = [&summary](const std::string& line) {
        summary += kLineBreak;
        summary += line;
    };
    if (config.shellKind != ShellKind::Calibrated) {
        append(shellLine(form, config));
    }
    for (const auto& [side, head] : {std::pair{HeadSide::Left, &config.leftHead},
                                     std::pair{HeadSide::Right, &config.rightHead}}) {
        if (config.headsApply()) {
            append(headLine(form, side, head->kind));
        } else if (const HeadKindInfo* chosen = completeHeadChoice(form, side)) {
            // A tank without heads still lists the heads its greyed groups hold, as far as
            // they are complete.
            append(headLine(form, side, chosen->kind));
        }
    }
    append(msg::volumeLine(form.text("ComboBox3"), form.text("ComboBox4")));
    if (config.useDensity) {
        append(msg::densityLine(form.text("Edit37"), form.text("ComboBox1")));
    }
    return summary;
}

Outcome<TankConfig> buildTankConfig(const FieldSource& form) {
    TankConfig config;
    if (auto stop = readShellFields(form, config)) {
        return *stop;
    }
    if (auto stop = readTableFields(form, config)) {
        return *stop;
    }
    if (auto stop = readHeadFields(form, config)) {
        return *stop;
    }
    config.useDensity = form.checked("CheckBox1");
    config.densityText = form.text("Edit37");
    config.densityUnit = form.text("ComboBox1");
    deriveDishedRatios(config);
    config.parameterSummary = parameterSummary(form, config);
    return config;
}

}  // namespace quorvel
