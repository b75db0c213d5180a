#include "tank/upright_tank.h"

#include <algorithm>

#include "units/units.h"

namespace quorvel {
namespace {

using ld = long double;

constexpr ld kPi = 3.14159265358979323846L;
// Litres of a cubic millimetre.
constexpr ld kLitresPerCubicMillimetre = 1e-6L;
constexpr ld kMetresPerMillimetre = 1e-3L;
constexpr ld kPascalsPerGigapascal = 1e9L;

// The part of the band [from, to] below `level`, mm.
ld wettedHeight(ld from, ld to, ld level) {
    return std::clamp(level, from, to) - from;
}

}  // namespace

double UprightTank::height() const {
    ld sum = 0;
    for (const UprightCourse& course : courses) {
        sum += course.height;
    }
    return static_cast<double>(sum);
}

double innerDiameterFromCircumference(double circumference, double thickness) {
    return static_cast<double>(static_cast<ld>(circumference) / kPi -
                               2 * static_cast<ld>(thickness));
}

double litresPerMillimetre(const UprightCourse& course) {
    const ld r = static_cast<ld>(course.innerDiameter) / 2;
    return static_cast<double>(kPi * r * r * kLitresPerCubicMillimetre);
}

double courseVolume(const UprightTank& tank, double level) {
    ld sum = 0;
    ld bottom = 0;
    for (const UprightCourse& course : tank.courses) {
        const ld top = bottom + course.height;
        const ld r = static_cast<ld>(course.innerDiameter) / 2;
        sum += kPi * r * r * wettedHeight(bottom, top, level);
        bottom = top;
    }
    return static_cast<double>(sum * kLitresPerCubicMillimetre);
}

double deadwoodBelow(const UprightTank& tank, double level) {
    ld sum = 0;
    for (const DeadwoodBand& band : tank.deadwood) {
        if (level < band.from) {
            continue;
        }
        const ld span = static_cast<ld>(band.to) - band.from;
        sum += span > 0 && level < band.to
                   ? band.litres * wettedHeight(band.from, band.to, level) / span
                   : static_cast<ld>(band.litres);
    }
    return static_cast<double>(sum);
}

double headExpansion(const UprightTank& tank, double level, double density) {
    const ld h = level * kMetresPerMillimetre;
    const ld pressurePerMetre = static_cast<ld>(density) * kStandardGravity;  // Pa per m of head
    const ld e = static_cast<ld>(tank.youngModulus) * kPascalsPerGigapascal;
    ld sum = 0;  // m³
    ld bottom = 0;
    for (const UprightCourse& course : tank.courses) {
        const ld a = bottom;
        const ld b = a + course.height * kMetresPerMillimetre;
        bottom = b;
        if (course.thickness <= 0 || h <= a) {
            continue;
        }
        const ld r = course.innerDiameter * kMetresPerMillimetre / 2;
        const ld t = course.thickness * kMetresPerMillimetre;
        const ld wettedTop = std::min(b, h);
        const ld integral = ((h - a) * (h - a) - (h - wettedTop) * (h - wettedTop)) / 2;
        sum += 2 * kPi * r * r * r * pressurePerMetre / (e * t) * integral;
    }
    return static_cast<double>(units::litres(sum));
}

double uprightVolume(const UprightTank& tank, double level) {
    ld litres =
        static_cast<ld>(tank.bottomVolume) + courseVolume(tank, level) - deadwoodBelow(tank, level);
    if (tank.headDensity && *tank.headDensity > 0) {
        const ld basis = headExpansion(tank, level, *tank.headDensity);
        litres += tank.liquidDensity ? basis * *tank.liquidDensity / *tank.headDensity : basis;
        if (tank.roofMass > 0 && level >= tank.roofLevel) {
            litres -= units::litres(static_cast<ld>(tank.roofMass) / *tank.headDensity);
        }
    }
    return static_cast<double>(litres);
}

}  // namespace quorvel
