#include "tank/tank_config.h"

#include <algorithm>

namespace quorvel {

double TankConfig::height() const {
    switch (shellKind) {
        case ShellKind::Horizontal:
            return sectionKind == SectionKind::Circular ? diameter : verticalDiameter;
        case ShellKind::Tilted:
            return verticalDiameter;
        case ShellKind::Spherical:
            return diameter;
        case ShellKind::Calibrated: {
            const std::vector<double>& levels = calibrationPoints.levels;
            return levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
        }
    }
    return 0;
}

double TankConfig::limitToTank(double level) const {
    if (shellKind == ShellKind::Calibrated) {
        return level;
    }
    const double top = height();
    return top > 0 && level > top ? top : level;
}

LevelRange TankConfig::calibratedSpan() const {
    const std::vector<double>& levels = calibrationPoints.levels;
    if (levels.empty()) {
        return {};
    }
    const auto [low, high] = std::minmax_element(levels.begin(), levels.end());
    return {*low, *high};
}

LevelExtent TankConfig::extentOf(double level) const {
    if (shellKind == ShellKind::Calibrated) {
        const LevelRange span = calibratedSpan();
        const bool outside = !calibrationPoints.empty() && (level < span.from || level > span.to);
        return outside ? LevelExtent::OutsidePoints : LevelExtent::Within;
    }
    return limitToTank(level) < level ? LevelExtent::AboveTank : LevelExtent::Within;
}

double TankConfig::lengthWithFlanges() const {
    return length + leftHead.flangeHeight + rightHead.flangeHeight;
}

bool TankConfig::rightEndLow() const {
    return shellKind == ShellKind::Tilted && lowEndRight;
}

}  // namespace quorvel
