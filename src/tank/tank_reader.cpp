#include "tank/tank_reader.h"

#include "form/output_units.h"

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string_view>

#include "form/fields.h"
#include "form/head_kinds.h"
#include "form/request_fields.h"
#include "tank/head_model.h"
#include "tank/shell_kinds.h"
#include "tank/tank_messages.h"
#include "tank/upright_reader.h"
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
    const int n = textToInteger(form.text(kPointCountList));
    if (n < 1) {
        // The list offers 2 … 999; fewer than two points cannot be interpolated.
        return errorStop(msg::badPointCount(form.text(kPointCountList)));
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
    if (form.itemIndex(kInterpolationList) == static_cast<int>(Interpolation::MonotoneCubic) &&
        points.size() >= kLeastCubicPoints) {
        // A cubic through the points needs levels that rise; the straight line takes any.
        const auto& x = points.levels;
        const auto stall = std::adjacent_find(x.begin(), x.end(), std::greater_equal<double>());
        if (stall != x.end()) {
            return messageStop(
                msg::cubicNeedsRisingLevels(static_cast<int>(stall - x.begin()) + 2));
        }
        points.cubic.emplace(points.levels, points.volumes);
    }
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
    config.levelFrom = number(form, kFirstLevelField);
    if (config.levelFrom < 0) {
        return errorStop(msg::negativeLevel(msg::kFirstLevelName, formatLevel(config.levelFrom)));
    }
    const double levelTo = number(form, kLastLevelField);
    if (levelTo < 0) {
        return errorStop(msg::negativeLevel(msg::kLastLevelName, formatLevel(levelTo)));
    }
    config.levelTo = config.limitToTank(levelTo);
    config.levelStep = number(form, kIntervalField);
    config.rowsPerBlock = rowsPerBlock(form.text(kRowsPerBlockField));
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
                return msg::circularShellLine(form.text(kDiameterField), form.text(kLengthField));
            }
            return msg::ellipticalShellLine(form.text(kEllipseWidthField),
                                            form.text(kEllipseHeightField),
                                            form.text(kEllipseLengthField));
        case ShellKind::Tilted:
            return msg::tiltedShellLine(form.text(kTiltedWidthField), form.text(kTiltedHeightField),
                                        form.text(kTiltedLengthField));
        case ShellKind::Spherical:
            return msg::sphereLine(form.text(kSphereDiameterField));
        case ShellKind::Calibrated:
        case ShellKind::Upright:
            break;
    }
    return {};
}

}  // namespace

ShellKind Jgxs(const FieldSource& form) {
    return shellOfPage(form.activePage());
}

SectionKind sectionOf(const FieldSource& form) {
    return form.checked(kEllipticalChoice) && !form.checked(kCircularChoice)
               ? SectionKind::Elliptical
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
            if (form.checked(kCircularChoice)) {
                if (auto stop = missing(form, {kDiameterField, kLengthField}, msg::kShellMissing)) {
                    return stop;
                }
                config.diameter = number(form, kDiameterField);
                config.length = number(form, kLengthField);
                return diametersProblem({config.diameter});
            } else if (form.checked(kEllipticalChoice)) {
                if (auto stop = missing(
                        form, {kEllipseWidthField, kEllipseHeightField, kEllipseLengthField},
                        msg::kShellMissing)) {
                    return stop;
                }
                config.horizontalDiameter = number(form, kEllipseWidthField);
                config.verticalDiameter = number(form, kEllipseHeightField);
                config.length = number(form, kEllipseLengthField);
                return diametersProblem({config.horizontalDiameter, config.verticalDiameter});
            } else {
                // Neither section chosen (a first start without settings): nothing to compute.
                return messageStop(std::string(msg::kShellMissing));
            }
        case ShellKind::Tilted:
            if (auto stop = missing(form,
                                    {kTiltAlphaField, kTiltBetaField, kGaugeOffsetField,
                                     kTiltedWidthField, kTiltedHeightField, kTiltedLengthField},
                                    msg::kTiltedMissing)) {
                return stop;
            }
            config.tiltAlpha = number(form, kTiltAlphaField);
            if (config.tiltAlpha == 0) {
                config.tiltAlpha = 0.001;  // the level transform divides by tan α
            }
            config.tiltBeta = number(form, kTiltBetaField);
            config.tiltOffset = number(form, kGaugeOffsetField);
            config.lowEndRight =
                form.checked(kLowEndRightChoice) && !form.checked(kLowEndLeftChoice);
            config.horizontalDiameter = number(form, kTiltedWidthField);
            config.verticalDiameter = number(form, kTiltedHeightField);
            config.length = number(form, kTiltedLengthField);
            return diametersProblem({config.horizontalDiameter, config.verticalDiameter});
        case ShellKind::Spherical:
            if (auto stop = missing(form, {kSphereDiameterField}, msg::kSphereMissing)) {
                return stop;
            }
            config.diameter = number(form, kSphereDiameterField);
            return diametersProblem({config.diameter});
        case ShellKind::Calibrated:
            return readCalibrationPoints(form, config);
        case ShellKind::Upright:
            return readUprightFields(form, config);
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
    config.deadVolume = number(form, kDeadVolumeField);
    config.fittingVolume = number(form, kFittingVolumeField);
    config.fittingBottom = number(form, kFittingBottomField);
    config.fittingHeight = number(form, kFittingHeightField);
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
    if (config.shellKind == ShellKind::Upright) {
        // No heads and no head volume lists: the courses and the corrections instead.
        summary += uprightSummary(form, config);
        if (config.useDensity) {
            append(msg::densityLine(form.text(kDensityField), form.text(kDensityUnitList)));
        }
        return summary;
    }
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
    append(msg::volumeLine(form.text(kLeftHeadVolumeList), form.text(kRightHeadVolumeList)));
    if (config.useDensity) {
        append(msg::densityLine(form.text(kDensityField), form.text(kDensityUnitList)));
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
    config.useDensity = form.checked(kWeightsSwitch);
    config.densityText = form.text(kDensityField);
    config.densityUnit = form.text(kDensityUnitList);
    config.units = readOutputUnits(form);
    deriveDishedRatios(config);
    config.parameterSummary = parameterSummary(form, config);
    return config;
}

}  // namespace quorvel
