// The capacity curve: the volume (litres) or the weight (kilograms) against the level (mm)
// over the tank's height, as the window draws it and quorvel-table --curve prints it.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "tank/capacity_table.h"
#include "tank/tank_config.h"

namespace quorvel {

// The fewest and the most levels of a curve computed from a configuration.
inline constexpr std::size_t kMinCurvePoints = 2;
inline constexpr std::size_t kMaxCurvePoints = 100'000;

struct CurvePoint {
    double level = 0;  // mm
    double value = 0;  // litres, or kilograms for a curve of weights
};

struct CapacityCurve {
    std::vector<CurvePoint> points;  // in order of rising level
    bool weights = false;            // values are kilograms
    // A calibrated tank's measured points, in the curve's unit, and the levels they span:
    // the curve's points outside that span are extrapolated.
    std::vector<CurvePoint> measured;
    std::optional<LevelRange> measuredSpan;
};

// The curve at `count` evenly spaced levels from 0 to the tank's height (TankConfig::height) (count
// is clamped to kMinCurvePoints … kMaxCurvePoints; a tank without height gives the one level 0).
// Each level is computed as the table walk computes its rows, the interval being the spacing. With
// a density (kg/m^3) the values are weights. A calibrated tank's curve reaches on to `reach` (mm)
// when that lies above its highest point, so a level asked there lies on it.
CapacityCurve capacityCurve(const TankConfig& config, std::size_t count,
                            std::optional<double> densityKgPerM3, Method method = Method::Classic,
                            double reach = 0);

// Adds a calibrated tank's measured points and their span to `curve`, in its unit: litres, or
// kilograms at `densityKgPerM3`. Nothing for any other tank.
void addMeasuredPoints(CapacityCurve& curve, const TankConfig& config,
                       std::optional<double> densityKgPerM3);

}  // namespace quorvel
