#include "tank/capacity_curve.h"

#include <algorithm>
#include <cmath>

#include "tank/density.h"
#include "text/row_text.h"

namespace quorvel {

CapacityCurve capacityCurve(const TankConfig& config, std::size_t count,
                            std::optional<double> densityKgPerM3, Method method) {
    count = std::clamp(count, kMinCurvePoints, kMaxCurvePoints);
    const double height = config.height();
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
        const LevelAndVolume row = parseTableRow(table.tableRows[i]);
        const double value = curve.weights ? parseRowNumber(table.weightTexts[i]) : row.volume;
        curve.points.push_back({row.level, value});
    }
    return curve;
}

}  // namespace quorvel
