// Synthetic logs of dips and metered volumes for the tilt identification's tests and
// benchmark: the tilted example tank lying as given, its volumes by the true geometry, each
// metered volume with Gaussian noise from a fixed seed.
#pragma once

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "identify/tilt_log.h"
#include "tank/method.h"
#include "tank/volume.h"

namespace quorvel::testsupport {

// The tilted example tank: A = B = 2000 mm, L = 10000 mm, gauge 3000 mm from the raised end,
// standard ellipsoidal heads (25 mm flanges), the left end low.
inline TankConfig exampleTiltedTank(double alpha, double beta) {
    TankConfig c;
    c.shellKind = ShellKind::Tilted;
    c.verticalDiameter = 2000;
    c.horizontalDiameter = 2000;
    c.length = 10000;
    c.tiltOffset = 3000;
    c.tiltAlpha = alpha;
    c.tiltBeta = beta;
    for (HeadSpec* h : {&c.leftHead, &c.rightHead}) {
        h->kind = HeadKind::StandardEllipsoidal;
        h->flangeHeight = 25;
    }
    return c;
}

struct Truth {
    double alpha = 2, beta = 4, offset = 20;
};

// Gaussian noise of standard deviation `sd` from a fixed seed (Box–Muller over mt19937, whose
// sequence the standard fixes), so the logs are the same on every platform.
class Noise {
  public:
    explicit Noise(double sd) : sd_(sd) {}
    double operator()() {
        const double u1 = (static_cast<double>(engine_()) + 1) / 4294967297.0;
        const double u2 = static_cast<double>(engine_()) / 4294967296.0;
        return sd_ * std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
    }

  private:
    std::mt19937 engine_{20261209};
    double sd_;
};

// A site's log of the example tank lying as `truth`: the level falls from 1950 mm to 30 mm by
// sales and rises again by deliveries (negative outflows), each metered with noise.
inline std::vector<identify::LogRow> syntheticLog(std::size_t rows, identify::LogKind kind,
                                                  Truth truth, double sd) {
    const TankConfig tank = exampleTiltedTank(truth.alpha, truth.beta);
    const VolumeModel model(tank, Method::Exact);
    const auto litres = [&](double h) {
        VolumeState state;
        return 1000 * model(h + truth.offset, 0, state);
    };
    Noise noise(sd);
    std::vector<identify::LogRow> log;
    for (std::size_t i = 0; i < rows; ++i) {
        const double phase = std::fabs(1 - 2.0 * static_cast<double>(i) / (rows - 1));
        const double level = 30 + 1920 * phase;
        const double v = kind == identify::LogKind::Absolute ? litres(level)
                         : i == 0                            ? 0
                                  : litres(log.back().level) - litres(level);
        log.push_back({level, v + noise()});
    }
    return log;
}

}  // namespace quorvel::testsupport
