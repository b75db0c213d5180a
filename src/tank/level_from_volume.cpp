#include "tank/level_from_volume.h"

#include <algorithm>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "tank/head_model.h"
#include "tank/volume.h"

namespace quorvel {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

// The most steps of the root finder: far more than a double's bits need.
constexpr std::uintmax_t kMaxIterations = 200;

// Whether the volume can only grow with the level, so the root finder may start at once from
// the tank's whole range. A rising plane wets more of the tank unless a head is taken off, a
// fitting displaces liquid, or the gauge points downward (|β| ≥ 90°); the classic routines
// also need heads whose own volume grows and a shell of positive length.
bool volumeRises(const TankConfig& c, Method method) {
    const bool geometric = !c.leftHead.subtract && !c.rightHead.subtract &&
                           !(c.fittingVolume > 0) &&
                           (c.shellKind != ShellKind::Tilted || std::cos(c.tiltBeta * kDegree) > 0);
    if (method == Method::Exact || !c.headsApply()) {
        return geometric;
    }
    // The classic routines also need heads whose own volume grows (tank/head_model.h).
    const double rim = c.rimDiameter();
    return geometric && c.lengthWithFlanges() >= 0 && heads::classicRises(c.leftHead, rim) &&
           heads::classicRises(c.rightHead, rim);
}

// Steps of the scan for the first crossing: none where the volume only grows; where it can
// fall, fine enough for the classic spherical cap's hump near the top.
int scanSteps(const TankConfig& c, Method method) {
    if (volumeRises(c, method)) {
        return 1;
    }
    return method == Method::Classic ? 1024 : 64;
}

// A level on its own: a failing routine counts nothing.
double volumeAt(const TankConfig& c, double level, Method method) {
    VolumeState fresh;
    return volumeAtLevel(c, level, 0, fresh, method);
}

// The levels between which a calibrated tank's volume is one straight line: the range's ends,
// every point level and the fitting's band inside it, ascending.
std::vector<double> pieceEnds(const TankConfig& c, LevelRange range) {
    std::vector<double> ends{range.from, range.to};
    auto add = [&](double level) {
        if (level > range.from && level < range.to) {
            ends.push_back(level);
        }
    };
    for (double level : c.calibrationPoints.levels) {
        add(level);
    }
    add(c.fittingBottom);
    add(c.fittingBottom + c.fittingHeight);
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
    return ends;
}

// Moves a level found on a line by at most a few units in the last place towards `toward`
// until the volume there holds at least m3, so that the level reached is never reported a
// hair below it.
double holdingAtLeast(const TankConfig& c, double level, double toward, double m3) {
    for (int i = 0; i < 64 && volumeAt(c, level, Method::Classic) < m3 && level != toward; ++i) {
        level = std::nextafter(level, toward);
    }
    return level;
}

// A limit of a piece's line at one of its ends: the volume at that end itself unless the
// two differ by more than the rounding of the line (a jump of points out of order).
double limitAt(long double line, double atEnd) {
    const long double scale = std::max(std::fabs(line), static_cast<long double>(std::fabs(atEnd)));
    return std::fabs(line - atEnd) <= 1e-12L * scale ? atEnd : static_cast<double>(line);
}

// The calibrated tank, piece by piece. Inside a piece the volume is the line through two of
// its inner levels (the interpolation's own segment, corrections included); at a piece's
// ends it may jump (points out of order), and a jump across m3 reaches it at that level.
LevelSearch levelOnPoints(const TankConfig& c, double m3) {
    const std::vector<double> ends = pieceEnds(c, c.levelRange());
    std::vector<double> atEnds;
    for (double level : ends) {
        atEnds.push_back(volumeAt(c, level, Method::Classic));
    }
    LevelSearch result;
    result.lowest = result.highest = atEnds.front();
    // The volumes in level order; the first pair across which the volume passes m3 holds the
    // level.
    double before = atEnds.front();
    auto passes = [&](double v) {
        result.lowest = std::min(result.lowest, v);
        result.highest = std::max(result.highest, v);
        const bool across = v == m3 || (before < m3) != (v < m3);
        before = v;
        return across;
    };
    for (std::size_t k = 0; k < ends.size(); ++k) {
        const double a = ends[k];
        if (passes(atEnds[k])) {
            result.level = a;
            return result;
        }
        if (k + 1 == ends.size()) {
            break;
        }
        const double b = ends[k + 1];
        const double p = a + (b - a) / 3, q = b - (b - a) / 3;
        const long double vp = volumeAt(c, p, Method::Classic);
        const long double vq = volumeAt(c, q, Method::Classic);
        const long double slope = (vq - vp) / (static_cast<long double>(q) - p);
        if (passes(limitAt(vp - slope * (p - a), atEnds[k]))) {
            result.level = a;  // a jump at a
            return result;
        }
        if (passes(limitAt(vq + slope * (b - q), atEnds[k + 1]))) {
            const long double t = p + (static_cast<long double>(m3) - vp) / slope;
            const double level = std::clamp(static_cast<double>(t), a, b);
            result.level = holdingAtLeast(c, level, slope > 0 ? b : a, m3);
            return result;
        }
    }
    result.result = before < m3 ? LevelSearch::Result::AboveFull : LevelSearch::Result::BelowEmpty;
    return result;
}

// The calibrated tank with the monotone cubic: the volume is continuous (the cubic meets the
// straight end segments at the end points), so the first piece whose ends lie on either side
// of m3 holds the level, which TOMS 748 closes in on; the end of its last bracket that holds
// at least m3 is reported.
LevelSearch levelOnCurve(const TankConfig& c, double m3) {
    const std::vector<double> ends = pieceEnds(c, c.levelRange());
    LevelSearch result;
    double a = ends.front(), va = volumeAt(c, a, Method::Classic);
    result.lowest = result.highest = va;
    if (va == m3) {
        result.level = a;
        return result;
    }
    for (std::size_t k = 1; k < ends.size(); ++k) {
        const double b = ends[k], vb = volumeAt(c, b, Method::Classic);
        result.lowest = std::min(result.lowest, vb);
        result.highest = std::max(result.highest, vb);
        if (vb == m3) {
            result.level = b;
            return result;
        }
        if ((va < m3) != (vb < m3)) {
            std::uintmax_t iterations = kMaxIterations;
            const auto bracket = boost::math::tools::toms748_solve(
                [&](double level) { return volumeAt(c, level, Method::Classic) - m3; }, a, b,
                va - m3, vb - m3, boost::math::tools::eps_tolerance<double>(), iterations);
            if (iterations >= kMaxIterations) {
                result.result = LevelSearch::Result::NoConvergence;
                return result;
            }
            result.level = va < m3 ? bracket.second : bracket.first;
            return result;
        }
        a = b;
        va = vb;
    }
    result.result = va < m3 ? LevelSearch::Result::AboveFull : LevelSearch::Result::BelowEmpty;
    return result;
}

}  // namespace

LevelSearch levelForVolume(const TankConfig& c, double m3, Method method) {
    if (c.shellKind == ShellKind::Calibrated && c.calibrationPoints.cubic) {
        return levelOnCurve(c, m3);  // the same interpolation by either method
    }
    if (c.shellKind == ShellKind::Calibrated) {
        return levelOnPoints(c, m3);  // the same interpolation by either method
    }
    const VolumeModel model(c, method);
    // Each level on its own: a failing routine counts nothing (the tilt's trigonometry, which
    // depends on the tank alone, is kept).
    VolumeState kept;
    auto volume = [&](double level) {
        double v = 0;
        model(&level, 1, 0, kept, &v, true);
        return v;
    };
    const LevelRange range = c.levelRange();
    const int steps = scanSteps(c, method);
    LevelSearch result;
    double lo = range.from, vlo = volume(lo);
    result.lowest = vlo;
    result.highest = vlo;
    if (vlo == m3) {
        result.level = lo;
        return result;
    }
    // The scan's levels, computed in runs.
    constexpr int kRun = 64;
    double runLevels[kRun];
    double runVolumes[kRun];
    int runFirst = 1, runCount = 0;
    // The first step across which the volume passes m3, from below or from above.
    for (int i = 1; i <= steps; ++i) {
        const auto stepLevel = [&](int k) {
            return k == steps ? range.to : range.from + (range.to - range.from) * k / steps;
        };
        if (i >= runFirst + runCount) {
            runFirst = i;
            runCount = std::min(kRun, steps - i + 1);
            for (int k = 0; k < runCount; ++k) {
                runLevels[k] = stepLevel(i + k);
            }
            model(runLevels, static_cast<std::size_t>(runCount), 0, kept, runVolumes, true);
        }
        const double hi = runLevels[i - runFirst];
        const double vhi = runVolumes[i - runFirst];
        result.lowest = std::min(result.lowest, vhi);
        result.highest = std::max(result.highest, vhi);
        if (vhi == m3) {
            result.level = hi;
            return result;
        }
        if ((vlo < m3) != (vhi < m3)) {
            std::uintmax_t iterations = kMaxIterations;
            const auto bracket = boost::math::tools::toms748_solve(
                [&](double level) { return volume(level) - m3; }, lo, hi, vlo - m3, vhi - m3,
                boost::math::tools::eps_tolerance<double>(), iterations);
            if (iterations >= kMaxIterations) {
                result.result = LevelSearch::Result::NoConvergence;
                return result;
            }
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
