#include "tank/capacity_curve.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "tank/density.h"
#include "tank/number_text.h"

namespace quorvel {
namespace {

double rowNumber(std::string_view text, std::string_view row) {
    std::optional<double> value = parseGeneralNumber(text);
    if (!value) {
        throw ConversionError(row);
    }
    return *value;
}

}  // namespace

double curveHeight(const TankConfig& config) {
    switch (config.shellKind) {
        case ShellKind::Horizontal:
            return config.sectionKind == SectionKind::Circular ? config.diameter
                                                               : config.verticalDiameter;
        case ShellKind::Tilted:
            return config.verticalDiameter;
        case ShellKind::Spherical:
            return config.diameter;
        case ShellKind::Calibrated: {
            const std::vector<double>& levels = config.calibrationPoints.levels;
            return levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
        }
    }
    return 0;
}

CapacityCurve capacityCurve(const TankConfig& config, std::size_t count,
                            std::optional<double> densityKgPerM3, Method method) {
    count = std::clamp(count, kMinCurvePoints, kMaxCurvePoints);
    const double height = curveHeight(config);
    // The walk over 0 … height; the table's own rules place every level, the last one
    // exactly at the height.
    TankConfig walk = config;
    walk.levelFrom = 0;
    walk.levelTo = height > 0 && std::isfinite(height) ? height : 0;
    walk.levelStep = walk.levelTo > 0 ? walk.levelTo / static_cast<double>(count - 1) : 1;
    CapacityCurve curve;
    curve.weights = densityKgPerM3.has_value();
    curve.points.reserve(count);
    forEachLevel(
        walk,
        [&](double level, double total) {
            const long double value = shownQuantity(total, densityKgPerM3);
            curve.points.push_back({level, static_cast<double>(value)});
        },
        method);
    return curve;
}

CapacityCurve capacityCurve(const CapacityTable& table) {
    CapacityCurve curve;
    curve.weights = table.config.useDensity && table.weightTexts.size() == table.tableRows.size();
    curve.points.reserve(table.tableRows.size());
    for (std::size_t i = 0; i < table.tableRows.size(); ++i) {
        const std::string_view row = table.tableRows[i];
        const auto comma = row.find(',');
        if (comma == std::string_view::npos) {
            throw ConversionError(row);
        }
        const double level = rowNumber(row.substr(0, comma), row);
        const double value = curve.weights ? rowNumber(table.weightTexts[i], table.weightTexts[i])
                                           : rowNumber(row.substr(comma + 1), row);
        curve.points.push_back({level, value});
    }
    return curve;
}

}  // namespace quorvel
