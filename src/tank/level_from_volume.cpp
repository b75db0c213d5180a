#include "tank/level_from_volume.h"

#include <algorithm>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "tank/volume.h"

namespace quorvel {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

int scanSteps(const TankConfig& c, Method method) {
    if (method == Method::Classic) {
        return 1024;
    }
    // A rising plane wets more of the tank unless a head is taken off, a fitting displaces
    // liquid, or the gauge points downward (|β| ≥ 90°).
    const bool grows = !c.leftHead.subtract && !c.rightHead.subtract && !(c.fittingVolume > 0) &&
                       (c.shellKind != ShellKind::Tilted || std::cos(c.tiltBeta * kDegree) > 0);
    return grows ? 1 : 64;
}

}  // namespace

LevelSearch levelForVolume(const TankConfig& c, double m3, Method method) {
    auto volume = [&](double level) {
        VolumeState fresh;  // a level on its own: a failing routine counts nothing
        return volumeAtLevel(c, level, 0, fresh, method);
    };
    const LevelRange range = c.queryRange();
    const int steps = scanSteps(c, method);
    LevelSearch result;
    double lo = range.from, vlo = volume(lo);
    result.lowest = vlo;
    result.highest = vlo;
    if (vlo == m3) {
        result.level = lo;
        return result;
    }
    // The first step across which the volume passes m3, from below or from above.
    for (int i = 1; i <= steps; ++i) {
        const double hi = i == steps ? range.to : range.from + (range.to - range.from) * i / steps;
        const double vhi = volume(hi);
        result.lowest = std::min(result.lowest, vhi);
        result.highest = std::max(result.highest, vhi);
        if (vhi == m3) {
            result.level = hi;
            return result;
        }
        if ((vlo < m3) != (vhi < m3)) {
            std::uintmax_t iterations = 200;
            const auto bracket = boost::math::tools::toms748_solve(
                [&](double level) { return volume(level) - m3; }, lo, hi, vlo - m3, vhi - m3,
                boost::math::tools::eps_tolerance<double>(), iterations);
            // The end of the final bracket on the side that holds at least m3.
            result.level = vlo < m3 ? bracket.second : bracket.first;
            return result;
        }
        lo = hi;
        vlo = vhi;
    }
    result.result = vlo < m3 ? LevelSearch::Result::AboveFull : LevelSearch::Result::BelowEmpty;
    return result;
}

}  // namespace quorvel
