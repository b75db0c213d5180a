#include "tank/tank_config.h"

#include <algorithm>

#include "tank/shell_kinds.h"

namespace quorvel {

double TankConfig::height() const {
    switch (shellKind) {
        case ShellKind::Horizontal:
        case ShellKind::Tilted:
            return sectionHeight();
        case ShellKind::Spherical:
            return diameter;
        case ShellKind::Calibrated: {
            const std::vector<double>& levels = calibrationPoints.levels;
            return levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end());
        }
        case ShellKind::Upright:
            return upright.height();
    }
    return 0;
}

double TankConfig::limitToTank(double level) const {
    if (shellKindInfo(shellKind).measured) {
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
    if (shellKindInfo(shellKind).measured) {
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

bool TankConfig::circularSection() const {
    return shellKind == ShellKind::Horizontal && sectionKind == SectionKind::Circular;
}

double TankConfig::rimDiameter() const {
    return circularSection() ? diameter : horizontalDiameter;
}

double TankConfig::sectionHeight() const {
    return circularSection() ? diameter : verticalDiameter;
}

bool TankConfig::headsApply() const {
    return shellKindInfo(shellKind).heads;
}

bool TankConfig::correctionsApply() const {
    return shellKindInfo(shellKind).corrections;
}

bool TankConfig::trueGeometryDiffers() const {
    return shellKindInfo(shellKind).trueGeometryDiffers;
}

}  // namespace quorvel
