#include "tank/shell_correction.h"

#include <algorithm>

#include "tank/volume.h"

namespace quorvel {

double shellCorrection(const TankConfig& config, Method method, double level, double growth) {
    const auto volume = [&](double h) {
        VolumeState fresh;
        return static_cast<long double>(volumeAtLevel(config, h, 0, fresh, method));
    };
    const long double atLevel = volume(level);
    if (atLevel == 0) {
        return 1;
    }
    const double low =
        config.shellKind == ShellKind::Calibrated ? config.calibratedSpan().from : 0.0;
    const double scaled = std::clamp(level / growth, low, std::max(low, config.height()));
    const long double k = growth;
    return static_cast<double>(k * k * k * volume(scaled) / atLevel);
}

}  // namespace quorvel
