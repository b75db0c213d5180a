#include "tank/level_from_volume.h"

#include <algorithm>
#include <boost/math/tools/toms748_solve.hpp>
#include <cstdint>

#include "tank/volume.h"

namespace quorvel {
namespace {

int scanSteps(const TankConfig& c, Method method) {
    if (method == Method::Classic) {
        return 1024;
    }
    const bool grows = !c.leftHead.subtract && !c.rightHead.subtract && !(c.fittingVolume > 0);
    return grows ? 1 : 64;
}

}  // namespace

LevelRange readableLevels(const TankConfig& c) {
    switch (c.shellKind) {
        case ShellKind::Horizontal:
            return {0, c.sectionKind == SectionKind::Circular ? c.diameter : c.verticalDiameter};
        case ShellKind::Tilted:
            return {0, c.verticalDiameter};
        case ShellKind::Spherical:
            return {0, c.diameter};
        case ShellKind::Calibrated: {
            const auto& levels = c.calibrationPoints.levels;
            return levels.empty() ? LevelRange{} : LevelRange{levels.front(), levels.back()};
        }
    }
    return {};
}

LevelSearch levelForVolume(const TankConfig& c, double m3, Method method) {
    auto volume = [&](double level) {
        VolumeState fresh;  // a level on its own: a failing routine counts nothing
        return volumeAtLevel(c, level, 0, fresh, method);
    };
    const LevelRange range = readableLevels(c);
    const int steps = scanSteps(c, method);
    LevelSearch result;
    double lo = range.from, vlo = volume(lo);
    result.lowest = vlo;
    result.highest = vlo;
    if (vlo >= m3) {
        result.outcome = vlo == m3 ? LevelSearch::Outcome::Found : LevelSearch::Outcome::BelowEmpty;
        result.level = lo;
        return result;
    }
    for (int i = 1; i <= steps; ++i) {
        const double hi = i == steps ? range.to : range.from + (range.to - range.from) * i / steps;
        const double vhi = volume(hi);
        result.highest = std::max(result.highest, vhi);
        if (vhi >= m3) {
            if (vhi == m3) {
                result.level = hi;
                return result;
            }
            std::uintmax_t iterations = 200;
            const auto bracket = boost::math::tools::toms748_solve(
                [&](double level) { return volume(level) - m3; }, lo, hi, vlo - m3, vhi - m3,
                boost::math::tools::eps_tolerance<double>(), iterations);
            // The upper end of the final bracket holds at least the volume asked for.
            result.level = bracket.second;
            return result;
        }
        lo = hi;
        vlo = vhi;
    }
    result.outcome = LevelSearch::Outcome::AboveFull;
    return result;
}

}  // namespace quorvel
