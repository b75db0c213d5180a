#include "tank/capacity_curve.h"

#include <algorithm>
#include <cmath>

#include "tank/density.h"
#include "units/units.h"

namespace quorvel {
void addMeasuredPoints(CapacityCurve& curve, const TankConfig& config,
                       std::optional<double> densityKgPerM3) {
    if (config.shellKind != ShellKind::Calibrated || config.calibrationPoints.empty()) {
        return;
    }
    const CalibrationPoints& points = config.calibrationPoints;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const long double m3 =
            static_cast<long double>(points.volumes[i]) / units::kLitresPerCubicMetre;
        curve.measured.push_back(
            {points.levels[i], static_cast<double>(shownQuantity(m3, densityKgPerM3))});
    }
    std::sort(curve.measured.begin(), curve.measured.end(),
              [](const CurvePoint& a, const CurvePoint& b) { return a.level < b.level; });
    curve.measuredSpan = config.calibratedSpan();
}

CapacityCurve capacityCurve(const TankConfig& config, std::size_t count,
                            std::optional<double> densityKgPerM3, Method method, double reach) {
    count = std::clamp(count, kMinCurvePoints, kMaxCurvePoints);
    double height = config.height();
    if (config.shellKind == ShellKind::Calibrated && std::isfinite(reach)) {
        height = std::max(height, reach);
    }
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
    addMeasuredPoints(curve, config, densityKgPerM3);
    return curve;
}

}  // namespace quorvel
