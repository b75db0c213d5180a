#include "exact/piece_integral.h"

#include <algorithm>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <cmath>
#include <numbers>
#include <utility>

#include "exact/section_area.h"

namespace quorvel::exact {
namespace {

constexpr double kTolerance = 1e-9;
constexpr unsigned kMaxBisections = 10;
constexpr double kPi = std::numbers::pi;

// A break in the piece's parameter, and whether the line touches a section there.
struct Break {
    double at = 0;
    bool kink = false;
};

// A point of the piece: its axial position, radius, radius less the rim's (computed without
// cancellation near the start), and dz/dv.
struct Point {
    double z, r, overRim, dzdv;
};

// The piece in its integration variable v: z itself on a line; on an arc the angle from its
// start, θ − θs, with z = zc + w·sin θ and r = centre + q·cos θ, so that one sine and one cosine
// give the point and r − r0 = −q·(cos θs·sin²v/(1 + cos v) + sin θs·sin v) keeps its digits
// next to the start (the rim, where the liquid first wets a head).
struct Param {
    const ProfilePiece& p;
    double rim;
    double sineStart = 0, cosineStart = 1;
    Param(const ProfilePiece& piece, double rimRadius) : p(piece), rim(rimRadius) {
        if (arc()) {
            const double u = (p.z0 - p.zc) / p.w, c = std::max(p.r0 - p.centre, 0.0) / p.q;
            const double n = std::hypot(u, c);
            sineStart = u / n;
            cosineStart = c / n;
        }
    }
    bool arc() const { return p.shape == ProfilePiece::Shape::Arc; }
    Point at(double v) const {
        if (!arc()) {
            const double dr = p.slope * (v - p.z0);
            return {v, p.r0 + dr, (p.r0 - rim) + dr, 1.0};
        }
        const double sv = std::sin(v), cv = std::cos(v);
        const double sine = sineStart * cv + cosineStart * sv;
        const double cosine = cosineStart * cv - sineStart * sv;
        const double dr = -p.q * (cosineStart * sv * sv / (1 + cv) + sineStart * sv);
        return {p.zc + p.w * sine, p.r0 + dr, (p.r0 - rim) + dr, p.w * cosine};
    }
};

// ∫ f over [lo, hi] by the 21-point Kronrod rule, halving the interval while the rule's
// difference from its 10-point Gauss rule exceeds kTolerance of the result and `floor` (mm³).
template <typename F>
double adaptive(const F& f, double lo, double hi, unsigned depth, double floor) {
    using Rule = boost::math::quadrature::gauss_kronrod<double, 21>;
    double error = 0;
    const double v = Rule::integrate(f, lo, hi, 0, 0.0, &error);
    if (depth == 0 || error <= std::max(kTolerance * std::fabs(v), floor)) {
        return v;
    }
    const double mid = lo + (hi - lo) / 2;
    return adaptive(f, lo, mid, depth - 1, floor / 2) + adaptive(f, mid, hi, depth - 1, floor / 2);
}

// The angle of an arc's end from its axial offset and radius, accurate where either is small.
double endAngle(const ProfilePiece& p, double z, double r) {
    return std::atan2((z - p.zc) / p.w, std::max(r - p.centre, 0.0) / p.q);
}

// Adds the parameters in (lo, hi) where reach·r(v)/rim = ±c(z(v)).
void addKinks(const ProfilePiece& p, const SectionShape& s, LinearCut cut, double lo, double hi,
              Break* out, int& n) {
    const double k = s.reach / s.rim;
    for (const double sign : {1.0, -1.0}) {
        if (p.shape == ProfilePiece::Shape::Line) {
            // k·(centre + slope·z) = sign·(c0 + dc·z)
            const double den = k * p.slope - sign * cut.dc;
            if (den != 0) {
                const double z = (sign * cut.c0 - k * p.centre) / den;
                if (z > lo && z < hi) {
                    out[n++] = {z, true};
                }
            }
            continue;
        }
        // k·(centre + q·cos θ) = sign·(c0 + dc·(zc + w·sin θ)):
        // P·cos θ + B·sin θ = C.
        const double P = k * p.q, B = -sign * cut.dc * p.w;
        const double C = sign * (cut.c0 + cut.dc * p.zc) - k * p.centre;
        const double size = std::hypot(P, B);
        if (!(std::fabs(C) <= size)) {
            continue;
        }
        const double phi = std::atan2(B, P), spread = std::acos(C / size);
        for (double theta : {phi - spread, phi + spread}) {
            for (double turn : {-2 * kPi, 0.0, 2 * kPi}) {
                if (theta + turn > lo && theta + turn < hi) {
                    out[n++] = {theta + turn, true};
                }
            }
        }
    }
}

// ∫ r² dz between the parameters va < vb of a piece. Line: ℓ·(ra² + ra·rb + rb²)/3. Arc, with
// z = zc + w·sin θ and r = centre + q·cos θ: centre²·ℓ + 2·centre·q·w·∫cos²θ dθ +
// (q/w)²·ℓ·(3·(wa² + wb²) + ℓ²)/6, wa = w·cos θa, the ball's zone in sums of squares, so that
// a shallow cap keeps its digits; ℓ = 2w·cos((θa + θb)/2)·sin((θb − θa)/2).
double squaredRadiusBetween(const ProfilePiece& p, double va, double vb) {
    if (p.shape == ProfilePiece::Shape::Line) {
        const double ra = p.centre + p.slope * va, rb = p.centre + p.slope * vb;
        return (vb - va) * (ra * ra + ra * rb + rb * rb) / 3;
    }
    const double half = (vb - va) / 2;
    const double len = 2 * p.w * std::cos(va + half) * std::sin(half);
    const double wa = p.w * std::cos(va), wb = p.w * std::cos(vb), k = p.q / p.w;
    const double zone = k * k * len * (3 * (wa * wa + wb * wb) + len * len) / 6;
    if (p.centre == 0) {
        return zone;
    }
    const double cos2 = (vb - va + std::sin(vb - va) * std::cos(va + vb)) / 2;
    return p.centre * p.centre * len + 2 * p.centre * p.q * p.w * cos2 + zone;
}

}  // namespace

double squaredRadiusIntegral(const ProfilePiece& p) {
    if (p.shape == ProfilePiece::Shape::Line) {
        return (p.z1 - p.z0) * (p.r0 * p.r0 + p.r0 * p.r1 + p.r1 * p.r1) / 3;
    }
    return squaredRadiusBetween(p, endAngle(p, p.z0, p.r0), endAngle(p, p.z1, p.r1));
}

double integratePiece(const ProfilePiece& piece, const SectionShape& s, LinearCut cut,
                      double floor) {
    const Param param(piece, s.rim);
    // Breaks in θ on an arc (z on a line); the variable is θ − θs.
    const double start = param.arc() ? endAngle(piece, piece.z0, piece.r0) : 0.0;
    const double lo = param.arc() ? start : piece.z0;
    const double hi = param.arc() ? endAngle(piece, piece.z1, piece.r1) : piece.z1;
    if (!(hi > lo)) {
        return 0;
    }
    Break breaks[8];
    int n = 0;
    breaks[n++] = {lo, false};
    addKinks(piece, s, cut, lo, hi, breaks, n);
    breaks[n++] = {hi, false};
    for (int i = 1; i < n; ++i) {  // at most eight: insertion
        for (int j = i; j > 0 && breaks[j].at < breaks[j - 1].at; --j) {
            std::swap(breaks[j], breaks[j - 1]);
        }
    }

    const double k = s.reach / s.rim;
    // How far the line lies above the section's lowest point and below its highest one.
    auto gaps = [&](const Point& pt) {
        return std::pair{k * pt.overRim + cut.below0 + cut.dc * pt.z,
                         k * pt.overRim + cut.above0 - cut.dc * pt.z};
    };
    // The section's area below the line times dz/dv, a·b·ρ² times the unit disk's segment; or,
    // with `dry`, its area above the line.
    bool dry = false;
    auto area = [&](double v) {
        const Point pt = param.at(v);
        auto [below, above] = gaps(pt);
        if (dry) {
            std::swap(below, above);
        }
        if (!(pt.r > 0) || !(below > 0)) {
            return 0.0;
        }
        const double rho = pt.r / s.rim, ab = s.ab * rho * rho * pt.dzdv;
        if (!(above > 0)) {
            return ab * kPi;
        }
        return below <= above ? ab * unitSegment(below / (k * pt.r))
                              : ab * (kPi - unitSegment(above / (k * pt.r)));
    };
    double volume = 0;
    for (int i = 0; i + 1 < n; ++i) {
        const Break a = breaks[i], b = breaks[i + 1];
        if (!(b.at > a.at)) {
            continue;
        }
        const auto [below, above] = gaps(param.at((a.at + b.at) / 2 - start));
        if (!(below > 0)) {
            continue;  // dry
        }
        const double whole = kPi * s.ab / (s.rim * s.rim) * squaredRadiusBetween(piece, a.at, b.at);
        if (!(above > 0)) {
            volume += whole;
            continue;
        }
        // Mostly wet: the whole less the dry part, so that the rule's relative tolerance
        // applies to the thin layer that carries the error.
        dry = below > above;
        const double sign = dry ? -1.0 : 1.0;
        if (dry) {
            volume += whole;
        }
        // The area has a (v − v*)^{3/2} kink where the line touches a section; v = a + ℓ·t²
        // (or its mirror, or a + ℓ·(3t² − 2t³) at both ends) makes it t³.
        const double from = a.at - start, span = b.at - a.at;
        auto at = [&](double v, double dv) { return area(v) * dv; };
        auto both = [&](double t) {
            return at(from + span * t * t * (3 - 2 * t), 6 * t * (1 - t) * span);
        };
        auto left = [&](double t) { return at(from + span * t * t, 2 * t * span); };
        auto right = [&](double t) {
            const double u = 1 - t;
            return at(from + span - span * u * u, 2 * u * span);
        };
        auto plain = [&](double t) { return at(from + span * t, span); };
        if (a.kink && b.kink) {
            volume += sign * adaptive(both, 0, 1, kMaxBisections, floor);
        } else if (a.kink) {
            volume += sign * adaptive(left, 0, 1, kMaxBisections, floor);
        } else if (b.kink) {
            volume += sign * adaptive(right, 0, 1, kMaxBisections, floor);
        } else {
            volume += sign * adaptive(plain, 0, 1, kMaxBisections, floor);
        }
    }
    return volume;
}

}  // namespace quorvel::exact
