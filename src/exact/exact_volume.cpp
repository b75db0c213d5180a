#include "exact/exact_volume.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "exact/closed_forms.h"
#include "exact/section_area.h"

namespace quorvel::exact {
namespace {

constexpr double kPi = std::numbers::pi;
// A closed form is taken when its rounding bound is within kClosedTolerance of its value. A
// quadrature stops halving once its error estimate is below kFloor of the piece's whole
// volume: within a few ulps of empty the section's own rounding is larger than any
// relative tolerance, and the halving would go on to its limit for nothing.
constexpr double kClosedTolerance = 1e-13;
constexpr double kFloor = 1e-17;

ProfilePiece cylinder(double rim, double length) {
    ProfilePiece p;
    p.z1 = length;
    p.centre = rim;
    p.r0 = rim;
    p.r1 = rim;
    return p;
}

// A zone piece below the plane g above the shell's lowest line, before the section's factor:
// w/(k·q) times the ball's zone, in T. The depth d = reach − g and the gaps are all taken from
// g in T, so that they agree to T's precision: the zone's terms amplify any disagreement as
// they cancel.
template <typename T, typename Piece>
Bounded zoneBelow(const Piece& piece, double g, double reach) {
    const T q = static_cast<T>(piece.q), e0 = piece.rc0, r = reach, gap = g;
    const Bounded v =
        sphereZone(q, static_cast<T>(piece.t0), e0, r - gap, (e0 - r) + gap, (q - r) + gap);
    return {piece.lengthFactor * v.value, piece.lengthFactor * v.error};
}

}  // namespace

PreparedTank::PreparedTank(const AxialTank& tank)
    : A_(tank.A), length_(tank.length), gauge_(tank.gauge), rolled_(tank.beta != 0) {
    section_.ab = (tank.A / 2) * (tank.B / 2);
    section_.reach = rolled_ ? upwardReach(tank.A / 2, tank.B / 2, tank.beta) : tank.A / 2;
    section_.rim = tank.rimRadius;
    rise_ = tank.alpha == 0 ? 0.0 : std::tan(tank.alpha);
    cosBeta_ = rolled_ ? std::cos(tank.beta) : 1.0;
    scale_ = section_.reach / section_.rim;
    factor_ = section_.ab / (section_.reach * section_.reach);
    prepare(tank.lowHead, low_);
    prepare(tank.highHead, high_);
}

void PreparedTank::prepare(const HeadProfile& profile, Head& head) const {
    head.count = profile.count;
    const double reach = section_.reach, rim = section_.rim;
    for (int i = 0; i < profile.count; ++i) {
        const ProfilePiece& p = profile.pieces[i];
        Piece& piece = head.pieces[i];
        piece.profile = p;
        // reach·(r/rim) keeps the rim's own radius exactly reach.
        piece.rc0 = reach * (p.r0 / rim);
        piece.rc1 = reach * (p.r1 / rim);
        piece.lowest = std::max(piece.rc0, piece.rc1);
        if (p.shape == ProfilePiece::Shape::Line) {
            piece.kind = Piece::Kind::Line;
            piece.lengthFactor =
                piece.rc1 == piece.rc0 ? 0 : (p.z1 - p.z0) / (piece.rc1 - piece.rc0);
            piece.full = kPi * section_.ab / (rim * rim) * squaredRadiusIntegral(p);
        } else if (p.centre == 0 && std::fabs(p.zc + p.w - p.z1) <= 1e-12 * p.w) {
            // An ellipse arc about the axis that ends on it: a sphere of radius k·q stretched
            // along the axis by w/(k·q), from t0 = (z0 − zc)·k·q/w to its apex.
            piece.kind = Piece::Kind::Zone;
            piece.lengthFactor = p.w / (scale_ * p.q);
            if (p.z0 == p.zc) {  // half an ellipsoid: the zone is the half ball of radius e0
                piece.q = piece.rc0;
                piece.full =
                    kPi * factor_ * piece.lengthFactor * 2 * piece.rc0 * piece.rc0 * piece.rc0 / 3;
                continue;
            }
            const long double q = static_cast<long double>(scale_) * p.q;
            piece.t0 = (static_cast<long double>(p.z0) - p.zc) * q / p.w;
            const long double e0 = piece.rc0;
            piece.q = std::sqrt(e0 * e0 + piece.t0 * piece.t0);
            piece.lowest = piece.t0 < 0 ? static_cast<double>(piece.q) : piece.rc0;
            // The whole zone, π·(Q − t0)²·(2Q + t0)/3 with Q − t0 = e0²/(Q + t0) for t0 ≥ 0.
            const long double qt =
                piece.t0 < 0 ? piece.q - piece.t0 : e0 * e0 / (piece.q + piece.t0);
            piece.full = static_cast<double>(kPi * factor_ * piece.lengthFactor * qt * qt *
                                             (2 * piece.q + piece.t0) / 3);
        } else {
            piece.kind = Piece::Kind::Integrated;  // the knuckle of a dished head
            piece.full = kPi * section_.ab / (rim * rim) * squaredRadiusIntegral(p);
        }
    }
}

// A piece by quadrature, held within nothing and its whole.
double PreparedTank::integrated(const Piece& piece, LinearCut cut) const {
    return std::clamp(integratePiece(piece.profile, section_, cut, kFloor * piece.full), 0.0,
                      piece.full);
}

// The piece's volume below the line at c over the axis; `below` = reach + c and `above` =
// reach − c, the plane's height over the shell's lowest line and its depth under the highest.
double PreparedTank::levelPiece(const Piece& piece, double c, double below, double above) const {
    if (piece.kind == Piece::Kind::Integrated) {
        return integrated(piece, {c, 0, below, above});
    }
    const double reach = section_.reach;
    const bool flip = c > 0;  // below c is the whole less below −c
    const double d = std::fabs(c), g = flip ? above : below;
    Bounded part;  // below the plane, or above it when flipped
    if ((piece.lowest - reach) + g > 0) {
        if (piece.kind == Piece::Kind::Line) {
            const double len = piece.profile.z1 - piece.profile.z0;
            if (piece.lengthFactor == 0) {
                part.value = len * circleSegment(piece.rc0, (piece.rc0 - reach) + g);
                part.error = 8 * std::numeric_limits<double>::epsilon() * part.value;
            } else {
                const Bounded g1 = coneIntegral(piece.rc1, d, (piece.rc1 - reach) + g);
                const Bounded g0 = coneIntegral(piece.rc0, d, (piece.rc0 - reach) + g);
                part.value = piece.lengthFactor * (g1.value - g0.value);
                part.error = std::fabs(piece.lengthFactor) * (g1.error + g0.error);
            }
        } else {
            part = zoneBelow<double>(piece, g, reach);
            if (part.error > kClosedTolerance * std::fabs(part.value)) {
                part = zoneBelow<long double>(piece, g, reach);
            }
        }
        part.value *= factor_;
        part.error *= factor_;
    }
    const double v = flip ? piece.full - part.value : part.value;
    if (part.error > kClosedTolerance * std::fabs(v)) {
        return integrated(piece, {c, 0, below, above});
    }
    return std::clamp(v, 0.0, piece.full);
}

double PreparedTank::levelHead(const Head& head, double c, double below, double above) const {
    double v = 0;
    for (int i = 0; i < head.count; ++i) {
        v += levelPiece(head.pieces[i], c, below, above);
    }
    return v;
}

// ∫₀ᴸ a·b·U(c(σ)/reach) dσ with c(σ) = c0 − rise·σ: a·b·reach/rise·(F(x(0)) − F(x(L))).
double PreparedTank::tiltedShell(LinearCut cut) const {
    const double reach = section_.reach, L = length_;
    const double c1 = cut.at(L);
    const double f0 = diskBelowIntegral(cut.c0 / reach, cut.below0 / reach, cut.above0 / reach);
    const double f1 = diskBelowIntegral(c1 / reach, (cut.below0 + cut.dc * L) / reach,
                                        (cut.above0 - cut.dc * L) / reach);
    const double k = section_.ab * reach / rise_;
    const double v = k * (f0 - f1);
    const double error =
        8 * std::numeric_limits<double>::epsilon() * std::fabs(k) * (std::fabs(f0) + std::fabs(f1));
    const double floor = kFloor * kPi * section_.ab * L;
    if (error > std::max(kClosedTolerance * std::fabs(v), floor)) {
        return std::clamp(integratePiece(cylinder(section_.rim, L), section_, cut, floor), 0.0,
                          kPi * section_.ab * L);
    }
    return std::clamp(v, 0.0, kPi * section_.ab * L);
}

AxialParts PreparedTank::volume(double h) const {
    const double a = A_ / 2, reach = section_.reach;
    AxialParts parts;
    // The plane's height over the shell's lowest line at the gauge, and its depth under the
    // highest: the level itself and A − h when the section does not roll.
    const double c = (h - a) * cosBeta_;
    const double below = !rolled_ ? h : reach + c;
    const double above = !rolled_ ? A_ - h : reach - c;
    if (rise_ == 0) {
        if (length_ > 0) {
            parts.shell = factor_ * length_ * circleSegment(reach, below);
        }
        parts.lowHead = levelHead(low_, c, below, above);
        parts.highHead = levelHead(high_, c, below, above);
        return parts;
    }
    // c(σ) = c + (gauge − σ)·tan α; the low head runs σ = −z, the high one σ = L + z.
    auto cutAt = [&](double offset, double dc) {
        return LinearCut{c + offset * rise_, dc, below + offset * rise_, above - offset * rise_};
    };
    const LinearCut low = cutAt(gauge_, rise_);
    const LinearCut shell = cutAt(gauge_, -rise_);
    const LinearCut high = cutAt(gauge_ - length_, -rise_);
    auto head = [&](const Head& hd, LinearCut cut) {
        double v = 0;
        for (int i = 0; i < hd.count; ++i) {
            v += integrated(hd.pieces[i], cut);
        }
        return v;
    };
    parts.lowHead = head(low_, low);
    parts.shell = length_ > 0 ? tiltedShell(shell) : 0;
    parts.highHead = head(high_, high);
    return parts;
}

AxialParts axialVolume(const AxialTank& tank, double h) {
    return PreparedTank(tank).volume(h);
}

}  // namespace quorvel::exact
