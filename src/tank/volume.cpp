#include "tank/volume.h"

#include <cmath>

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
    static constexpr auto YuangTong = &unguarded::YuangTong;
    static constexpr auto TuoFengTou = &unguarded::TuoFengTou;
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
            parts.shellVolume = static_cast<double>(
                units::kCubicMetresPerLitre *
                interpolate(static_cast<int>(p.size()), p.levels.data(), p.volumes.data(), lv));
            break;
        }
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

// The parts of one level by the unguarded routines, kept only when no fault flag was raised
// and every part is finite: then they are the guarded routines' to the bit. The guard leaves
// the flags as they were before.
bool unguardedParts(const TankConfig& c, double level, VolumeState& state) {
    detail::FpGuard guard;
    VolumeState parts = state;
    bool clean = false;
    try {
        if (c.shellKind == ShellKind::Tilted) {
            tiltedParts<Unguarded>(c, level, c.lengthWithFlanges(), parts);
        } else {
            parts = levelParts<Unguarded>(c, level, c.lengthWithFlanges());
        }
        clean = !guard.close(parts.shellVolume) && std::isfinite(parts.leftHeadVolume) &&
                std::isfinite(parts.rightHeadVolume);
    } catch (const ArithmeticError&) {
        // computed again with the guards
    }
    state.tilt = parts.tilt;
    if (clean) {
        state.shellVolume = parts.shellVolume;
        state.leftHeadVolume = parts.leftHeadVolume;
        state.rightHeadVolume = parts.rightHeadVolume;
    }
    return clean;
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

double volumeAtLevel(const TankConfig& config, double level, double interval) {
    VolumeState fresh;
    return volumeAtLevel(config, level, interval, fresh);
}

}  // namespace quorvel
