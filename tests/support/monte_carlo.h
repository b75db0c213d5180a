// The uncertainty of a level's volume by Monte Carlo (JCGM 101:2008, the propagation of
// distributions): each input drawn from a normal distribution of its stated u, the volume
// computed for each draw by the method in use, its standard deviation the standard
// uncertainty. What the first-order propagation (uncertainty/propagation.h) is checked against,
// by a test at small N and by bench/uncertainty_mc at 10⁵ draws.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "uncertainty/propagation.h"
#include "units/units.h"

namespace quorvel::testsupport {

struct MonteCarloU {
    double mean = 0;      // L
    double standard = 0;  // L, the draws' standard deviation
    double expanded() const { return 2 * standard; }
};

// `draws` volumes at `level` with the inputs of `in` drawn (seeded, so a run repeats). A dip
// drawn below the bottom reads 0 and one above the tank's height the height, as a gauge
// would; a dimension drawn at or below zero is drawn again.
inline MonteCarloU monteCarlo(const TankConfig& config, Method method,
                              const uncertainty::UncertaintyInputs& in, double level, int draws,
                              std::uint64_t seed = 20261209) {
    std::mt19937_64 random(seed);
    std::normal_distribution<double> normal;
    const std::vector<uncertainty::TankDimension> dimensions = uncertainty::tankDimensions(config);
    const double pointsU = in.of(uncertainty::kPointsName);
    double sum = 0, sumSquares = 0;
    for (int k = 0; k < draws; ++k) {
        TankConfig drawn = config;
        for (const uncertainty::TankDimension& d : dimensions) {
            const double u = in.of(d.name);
            if (u > 0) {
                const double x = d.at(drawn);
                double value;
                do {
                    value = x + u * normal(random);
                } while (d.positive && value <= 0);
                d.at(drawn) = value;
            }
        }
        if (pointsU > 0) {
            for (double& v : drawn.calibrationPoints.volumes) {
                v += pointsU * normal(random);
            }
        }
        deriveDishedRatios(drawn);
        double h = level + in.level * normal(random);
        if (drawn.shellKind != ShellKind::Calibrated) {
            h = drawn.limitToTank(std::max(0.0, h));
        }
        const VolumeModel model(drawn, method);
        VolumeState state;
        const double v = model(h, 0, state) * static_cast<double>(units::kLitresPerCubicMetre);
        sum += v;
        sumSquares += v * v;
    }
    const double mean = sum / draws;
    return {mean, std::sqrt(std::max(0.0, (sumSquares - draws * mean * mean) / (draws - 1)))};
}

}  // namespace quorvel::testsupport
