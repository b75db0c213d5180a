#include "tank/volume.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/unguarded.h"
#include "tank/exact_tank.h"
#include "tank/head_model.h"
#include "units/units.h"

namespace quorvel {
namespace {

using ld = long double;

// The routines a level is computed with: guarded, each returning its failure value or
// throwing; or unguarded, for one test of the fault flags around the whole level.
struct Guarded {
    static constexpr auto YuangTong = &quorvel::YuangTong;
    static constexpr auto TuoFengTou = &quorvel::TuoFengTou;
    static constexpr auto YuangZhui = &quorvel::YuangZhui;
    static constexpr auto YuangTai = &quorvel::YuangTai;
    static constexpr auto QiuQueFengTou = &quorvel::QiuQueFengTou;
    static constexpr auto DieFengTou = &quorvel::DieFengTou;
    static double GaoDuBianHuan(const TankConfig& c, double length, double lv, VolumeState&) {
        return quorvel::GaoDuBianHuan(c.verticalDiameter, length, c.length - c.tiltOffset,
                                      c.tiltAlpha, c.tiltBeta, lv);
    }
    static constexpr auto GetValueLagrange = &quorvel::GetValueLagrange;
    static constexpr auto GetValueLagrangeAscending = &quorvel::GetValueLagrangeAscending;
};
struct Unguarded {
    static constexpr double (*YuangTong)(double, double, double, double) = &unguarded::YuangTong;
    static constexpr double (*TuoFengTou)(double, double, double, double) = &unguarded::TuoFengTou;
    static constexpr auto YuangZhui = &unguarded::YuangZhui;
    static constexpr auto YuangTai = &unguarded::YuangTai;
    static constexpr auto QiuQueFengTou = &unguarded::QiuQueFengTou;
    static constexpr auto DieFengTou = &unguarded::DieFengTou;
    // The tilt's trigonometry once per walk, bit for bit what the routine computes itself.
    static double GaoDuBianHuan(const TankConfig& c, double length, double lv, VolumeState& s) {
        if (!s.tilt.ready || s.tilt.alpha != c.tiltAlpha || s.tilt.beta != c.tiltBeta) {
            s.tilt = {true, c.tiltAlpha, c.tiltBeta, tiltConstants(c.tiltAlpha, c.tiltBeta)};
        }
        return unguarded::GaoDuBianHuan(c.verticalDiameter, length, c.length - c.tiltOffset,
                                        s.tilt.constants, lv);
    }
    static constexpr auto GetValueLagrange = &unguarded::GetValueLagrange;
    static constexpr auto GetValueLagrangeAscending = &unguarded::GetValueLagrangeAscending;
};

double signedHead(const HeadSpec& head, double volume) {
    return head.subtract ? -volume : volume;
}

// Whether both heads have the same shape, so one routine call serves both.
bool sameShape(const HeadSpec& a, const HeadSpec& b) {
    return a.kind == b.kind && a.flangeHeight == b.flangeHeight && a.depth == b.depth &&
           a.coneHeight == b.coneHeight && a.smallDiameter == b.smallDiameter &&
           a.sphereRadius == b.sphereRadius && a.dishedRatio == b.dishedRatio;
}

// The signed volumes of both heads, one call of `volume` per distinct shape. The left head
// is stored before the right one is computed, so a failure of the right one leaves it.
template <typename HeadVolume>
void bothHeads(const TankConfig& c, VolumeState& parts, HeadVolume volume) {
    const double left = volume(c.leftHead);
    parts.leftHeadVolume = signedHead(c.leftHead, left);
    const double right = sameShape(c.leftHead, c.rightHead) ? left : volume(c.rightHead);
    parts.rightHeadVolume = signedHead(c.rightHead, right);
}

// The parts of every kind but the tilted one; throws what a routine throws.
template <typename R>
VolumeState levelParts(const TankConfig& c, double lv, double effectiveLength) {
    VolumeState parts;
    switch (c.shellKind) {
        case ShellKind::Horizontal:
            if (c.sectionKind == SectionKind::Circular) {
                const double D = c.diameter;
                parts.shellVolume = R::YuangTong(D, D, lv, effectiveLength);
                bothHeads(c, parts,
                          [&](const HeadSpec& h) { return heads::circularVolume<R>(h, D, lv); });
            } else {
                const double A = c.verticalDiameter, B = c.horizontalDiameter;
                parts.shellVolume = R::YuangTong(A, B, lv, effectiveLength);
                parts.leftHeadVolume =
                    signedHead(c.leftHead, heads::ellipticalVolume<R>(c.leftHead, A, B, lv));
                parts.rightHeadVolume =
                    signedHead(c.rightHead, heads::ellipticalVolume<R>(c.rightHead, A, B, lv));
            }
            break;
        case ShellKind::Spherical:
            // Two hemispheres meeting at the equator, each holding half of the liquid.
            parts.shellVolume = 2 * R::TuoFengTou(c.diameter, c.diameter, c.diameter / 2, lv);
            break;
        case ShellKind::Calibrated: {
            const CalibrationPoints& p = c.calibrationPoints;
            // Litres to cubic metres in extended precision, as every other product.
            const auto interpolate =
                p.ascending ? R::GetValueLagrangeAscending : R::GetValueLagrange;
            // The monotone cubic inside the points; the straight end segments beyond them.
            const double litres = p.cubic && lv > p.levels.front() && lv < p.levels.back()
                                      ? (*p.cubic)(lv)
                                      : interpolate(static_cast<int>(p.size()), p.levels.data(),
                                                    p.volumes.data(), lv);
            parts.shellVolume = static_cast<double>(units::kCubicMetresPerLitre * litres);
            break;
        }
        case ShellKind::Upright:
            parts.shellVolume =
                static_cast<double>(units::kCubicMetresPerLitre * uprightVolume(c.upright, lv));
            break;
        case ShellKind::Tilted:
            break;
    }
    return parts;
}

// The tilted tank is computed as a level tank filled to the equivalent level. A part that
// cannot be computed keeps the value it had at the level before.
template <typename R>
void tiltedParts(const TankConfig& c, double lv, double effectiveLength, VolumeState& state) {
    const double A = c.verticalDiameter, B = c.horizontalDiameter;
    try {
        const double t = R::GaoDuBianHuan(c, effectiveLength, lv, state);
        state.shellVolume = R::YuangTong(A, B, t, effectiveLength);
        bothHeads(c, state,
                  [&](const HeadSpec& h) { return heads::ellipticalVolume<R>(h, A, B, t); });
    } catch (const ArithmeticError&) {
        // The sum below uses what this level computed and the previous level's rest.
    }
}

// The part of an internal fitting below the liquid: growing linearly through its band
// [b, b + s] and whole above it.
ld fittingBelow(const TankConfig& c, double lv) {
    const ld b = c.fittingBottom, s = c.fittingHeight, v = c.fittingVolume;
    if (!(v > 0) || lv < b) {
        return 0;
    }
    if (lv > b + s) {
        return units::kCubicMetresPerLitre * v;
    }
    return s > 0 ? units::kCubicMetresPerLitre * v / s * (lv - b) : 0;
}

// The parts of one level by the unguarded routines, into `parts` (the state the level before
// left); false when a routine threw or a part is not finite. Under a guard that saw no fault
// flag, parts so made are the guarded routines' to the bit.
bool unguardedLevel(const TankConfig& c, double level, VolumeState& parts) {
    try {
        if (c.shellKind == ShellKind::Tilted) {
            tiltedParts<Unguarded>(c, level, c.lengthWithFlanges(), parts);
        } else {
            parts = levelParts<Unguarded>(c, level, c.lengthWithFlanges());
        }
        return std::isfinite(parts.shellVolume) && std::isfinite(parts.leftHeadVolume) &&
               std::isfinite(parts.rightHeadVolume);
    } catch (const ArithmeticError&) {
        return false;  // computed again with the guards
    }
}

// The parts of one level by the unguarded routines, kept only when no fault flag was raised
// and every part is finite. The guard leaves the flags as they were before.
bool unguardedParts(const TankConfig& c, double level, VolumeState& state) {
    detail::FpGuard guard;
    VolumeState parts = state;
    const bool finite = unguardedLevel(c, level, parts);
    const bool clean = !guard.close(0) && finite;
    state.tilt = parts.tilt;
    if (clean) {
        state.shellVolume = parts.shellVolume;
        state.leftHeadVolume = parts.leftHeadVolume;
        state.rightHeadVolume = parts.rightHeadVolume;
    }
    return clean;
}

// A state for a level on its own (no part of a level before counts), keeping the tilt's
// trigonometry, which depends on the tank alone.
VolumeState onItsOwn(const VolumeState& state) {
    VolumeState fresh;
    fresh.tilt = state.tilt;
    return fresh;
}

// The parts summed with the dead volume, less the fitting below the liquid.
double withCorrections(const TankConfig& c, double level, VolumeState& state) {
    const ld sum =
        units::kCubicMetresPerLitre * c.deadVolume +
        (static_cast<ld>(state.leftHeadVolume) + state.shellVolume + state.rightHeadVolume);
    state.total = static_cast<double>(sum - fittingBelow(c, level));
    return state.total;
}

// Whether `method` computes this tank by the true geometry: its sphere and calibrated tank keep
// the classic computation.
bool byTrueGeometry(const TankConfig& c, Method method) {
    return method == Method::Exact && c.trueGeometryDiffers();
}

double exactVolume(const TankConfig& c, const exact::PreparedTank& tank, double level,
                   VolumeState& state) {
    const ExactParts parts = exactParts(c, tank, level);
    state.shellVolume = parts.shell;
    state.leftHeadVolume = parts.leftHead;
    state.rightHeadVolume = parts.rightHead;
    return withCorrections(c, level, state);
}

}  // namespace

double volumeAtLevelGuarded(const TankConfig& c, double level, double /*interval*/,
                            VolumeState& state) {
    const double effectiveLength = c.lengthWithFlanges();
    if (c.shellKind == ShellKind::Tilted) {
        tiltedParts<Guarded>(c, level, effectiveLength, state);
    } else {
        try {
            const VolumeState parts = levelParts<Guarded>(c, level, effectiveLength);
            state.shellVolume = parts.shellVolume;
            state.leftHeadVolume = parts.leftHeadVolume;
            state.rightHeadVolume = parts.rightHeadVolume;
        } catch (const ArithmeticError&) {
            return state.total;  // the level keeps the total of the level before
        }
    }
    return withCorrections(c, level, state);
}

double volumeAtLevel(const TankConfig& c, double level, double interval, VolumeState& state) {
    if (unguardedParts(c, level, state)) {
        return withCorrections(c, level, state);
    }
    return volumeAtLevelGuarded(c, level, interval, state);
}

namespace {

// The levels computed stage by stage at a time.
constexpr std::size_t kStageLevels = 64;

// A tilted tank's run by the unguarded routines, as tiltedParts computes each level, the
// tank's constants worked out once: lean, so that the levels overlap in the processor (the
// x87 unit's arctangent is long). False when a routine threw or a part is not finite.
bool tiltedRun(const TankConfig& c, const double* levels, std::size_t n, VolumeState& run,
               double* out) {
    if (!run.tilt.ready || run.tilt.alpha != c.tiltAlpha || run.tilt.beta != c.tiltBeta) {
        run.tilt = {true, c.tiltAlpha, c.tiltBeta, tiltConstants(c.tiltAlpha, c.tiltBeta)};
    }
    const TiltConstants tilt = run.tilt.constants;
    const double A = c.verticalDiameter, B = c.horizontalDiameter;
    const double length = c.lengthWithFlanges();
    const unguarded::ShellConstants section = unguarded::shellConstants(A, B, length);
    const double gauge = c.length - c.tiltOffset;
    const bool same = sameShape(c.leftHead, c.rightHead);
    // A half-ellipsoidal head's constants once too; any other kind by its row.
    std::optional<unguarded::EllipsoidConstants> ellipsoids[2];
    const HeadSpec* sides[2] = {&c.leftHead, &c.rightHead};
    for (int s = 0; s < 2; ++s) {
        if (const std::optional<double> depth = heads::ellipsoidDepth(*sides[s], B)) {
            ellipsoids[s] = unguarded::ellipsoidConstants(A, B, *depth);
        }
    }
    const auto head = [&](int s, double t) {
        return ellipsoids[s] ? unguarded::TuoFengTou(*ellipsoids[s], t)
                             : heads::ellipticalVolume<Unguarded>(*sides[s], A, B, t);
    };
    // Stage by stage over a part of the run, so that each stage's long arithmetic of one level
    // overlaps with the next level's.
    double equivalent[kStageLevels];
    double shells[kStageLevels];
    try {
        for (std::size_t first = 0; first < n; first += kStageLevels) {
            const std::size_t count = std::min(kStageLevels, n - first);
            for (std::size_t i = 0; i < count; ++i) {
                equivalent[i] = unguarded::GaoDuBianHuan(A, length, gauge, tilt, levels[first + i]);
            }
            for (std::size_t i = 0; i < count; ++i) {
                shells[i] = unguarded::YuangTong(section, equivalent[i]);
            }
            for (std::size_t i = 0; i < count; ++i) {
                const double t = equivalent[i];
                const double shell = shells[i];
                const double left = head(0, t);
                const double right = same ? left : head(1, t);
                if (!std::isfinite(shell) || !std::isfinite(left) || !std::isfinite(right)) {
                    return false;
                }
                run.shellVolume = shell;
                run.leftHeadVolume = signedHead(c.leftHead, left);
                run.rightHeadVolume = signedHead(c.rightHead, right);
                out[first + i] = withCorrections(c, levels[first + i], run);
            }
        }
    } catch (const ArithmeticError&) {
        return false;
    }
    return true;
}

// A run of levels by the classic routines, as volumeAtLevel gives them one after another:
// the unguarded routines under one test of the fault flags for the whole run, so the levels
// overlap in the processor (a test after each level waits for the last one's arithmetic to
// finish); a run in which a flag was raised or a part came out not finite is computed again
// level by level.
void classicRun(const TankConfig& c, const double* levels, std::size_t n, double interval,
                VolumeState& state, double* out, bool eachOnItsOwn) {
    {
        detail::FpGuard guard;
        VolumeState run = state;
        // A clean level overwrites every part: whether a level stands on its own matters
        // only where a routine fails, and then the run is computed again below.
        bool clean = c.shellKind != ShellKind::Tilted || tiltedRun(c, levels, n, run, out);
        for (std::size_t i = 0; i < n && clean && c.shellKind != ShellKind::Tilted; ++i) {
            if (eachOnItsOwn) {
                run = onItsOwn(run);
            }
            VolumeState parts = run;
            clean = unguardedLevel(c, levels[i], parts);
            run.tilt = parts.tilt;
            run.shellVolume = parts.shellVolume;
            run.leftHeadVolume = parts.leftHeadVolume;
            run.rightHeadVolume = parts.rightHeadVolume;
            out[i] = withCorrections(c, levels[i], run);
        }
        if (!guard.close(0) && clean) {
            state = run;
            return;
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (eachOnItsOwn) {
            state = onItsOwn(state);
        }
        out[i] = volumeAtLevel(c, levels[i], interval, state);
    }
}

}  // namespace

double volumeAtLevel(const TankConfig& c, double level, double interval, VolumeState& state,
                     Method method) {
    if (!byTrueGeometry(c, method)) {
        return volumeAtLevel(c, level, interval, state);
    }
    return exactVolume(c, exact::PreparedTank(axialTank(c)), level, state);
}

struct VolumeModel::Prepared {
    exact::PreparedTank tank;
};

VolumeModel::VolumeModel(const TankConfig& config, Method method) : config_(&config) {
    if (byTrueGeometry(config, method)) {
        exact_ = std::make_unique<Prepared>(Prepared{exact::PreparedTank(axialTank(config))});
    }
}

VolumeModel::~VolumeModel() = default;
VolumeModel::VolumeModel(VolumeModel&&) noexcept = default;

double VolumeModel::operator()(double level, double interval, VolumeState& state) const {
    if (exact_) {
        return exactVolume(*config_, exact_->tank, level, state);
    }
    return volumeAtLevel(*config_, level, interval, state);
}

void VolumeModel::operator()(const double* levels, std::size_t n, double interval,
                             VolumeState& state, double* out, bool eachOnItsOwn) const {
    if (!exact_) {
        classicRun(*config_, levels, n, interval, state, out, eachOnItsOwn);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (eachOnItsOwn) {
            state = onItsOwn(state);
        }
        out[i] = exactVolume(*config_, exact_->tank, levels[i], state);
    }
}

double volumeAtLevel(const TankConfig& config, double level, double interval) {
    VolumeState fresh;
    return volumeAtLevel(config, level, interval, fresh);
}

}  // namespace quorvel
