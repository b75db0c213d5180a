#include "exact/exact_volume.h"

#include <algorithm>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/tools/minima.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cstdint>
#include <limits>
#include <numbers>

#include "exact/section_area.h"

namespace quorvel::exact {
namespace {

// Relative to the piece's own integral, for the Kronrod–Gauss difference, which overstates
// the Kronrod rule's error on these smooth integrands by orders of magnitude.
constexpr double kQuadratureTolerance = 1e-10;
constexpr unsigned kMaxBisections = 12;

// The section's semi-axes at full size and how far it reaches upward.
struct Section {
    double ab = 0;     // (A/2)·(B/2)
    double reach = 0;  // upwardReach(A/2, B/2, β)
};

// The cutting line's distance above the section centre along a part: c(z) = c0 + dc·z.
struct Cut {
    double c0 = 0, dc = 0;
    double at(double z) const { return c0 + dc * z; }
};

// A root of g on [a, b], g(a) and g(b) of opposite signs, to full double precision.
template <typename G>
double rootBetween(G g, double a, double b, double ga, double gb) {
    if (ga == 0) {
        return a;
    }
    if (gb == 0) {
        return b;
    }
    std::uintmax_t iterations = 100;
    const auto bracket = boost::math::tools::toms748_solve(
        g, a, b, ga, gb, boost::math::tools::eps_tolerance<double>(), iterations);
    return bracket.first + (bracket.second - bracket.first) / 2;
}

// Appends the roots of g on [lo, hi]. g is concave (a concave profile less or plus a linear
// cut), so it has no root when both ends are positive, one when the ends differ in sign, and
// none or two around its maximum when both ends are not positive. The slopes at the ends
// (dg) tell when that maximum is an end: then there is none.
template <typename G, typename DG>
void addRoots(G g, DG dg, double lo, double hi, double* out, int& n) {
    const double glo = g(lo), ghi = g(hi);
    if (glo > 0 && ghi > 0) {
        return;
    }
    if ((glo > 0) != (ghi > 0)) {
        out[n++] = rootBetween(g, lo, hi, glo, ghi);
        return;
    }
    if (!(dg(lo) > 0) || !(dg(hi) < 0)) {
        return;  // falling from lo or rising to hi all along: the ends are the highest
    }
    const auto peak = boost::math::tools::brent_find_minima(
        [&](double z) { return -g(z); }, lo, hi, std::numeric_limits<double>::digits / 2);
    const double top = -peak.second;
    if (top > 0) {
        out[n++] = rootBetween(g, lo, peak.first, glo, top);
        out[n++] = rootBetween(g, peak.first, hi, top, ghi);
    }
}

// ∫ r(z)² dz over [lo, hi] of one piece, in closed form: with u = (z − zc)/w an arc gives
// w·(centre²·u + centre·q·(u·√(1 − u²) + asin u) + q²·(u − u³/3)); a line a cubic.
double squaredRadiusIntegral(const ProfilePiece& p, double lo, double hi) {
    if (p.shape == ProfilePiece::Shape::Line) {
        auto cube = [&](double z) {
            const double z2 = z * z;
            return p.centre * p.centre * z + p.centre * p.slope * z2 +
                   p.slope * p.slope * z2 * z / 3;
        };
        return cube(hi) - cube(lo);
    }
    auto primitive = [&](double z) {
        const double u = std::clamp((z - p.zc) / p.w, -1.0, 1.0);
        const double root = std::sqrt((1 - u) * (1 + u));
        return p.centre * p.centre * u + p.centre * p.q * (u * root + std::asin(u)) +
               p.q * p.q * (u - u * u * u / 3);
    };
    return p.w * (primitive(hi) - primitive(lo));
}

// ∫ area(z) dz over one profile piece, mm³.
double pieceVolume(const ProfilePiece& piece, double rim, const Section& s, Cut cut) {
    auto rho = [&](double z) { return std::max(piece.radius(z) / rim, 0.0); };
    // Positive while the section's top is above the line, and while its bottom is below it.
    auto topAbove = [&](double z) { return s.reach * rho(z) - cut.at(z); };
    auto bottomBelow = [&](double z) { return s.reach * rho(z) + cut.at(z); };
    double breaks[6];
    int n = 0;
    breaks[n++] = piece.z0;
    auto topSlope = [&](double z) { return s.reach * piece.slopeAt(z) / rim - cut.dc; };
    auto bottomSlope = [&](double z) { return s.reach * piece.slopeAt(z) / rim + cut.dc; };
    addRoots(topAbove, topSlope, piece.z0, piece.z1, breaks, n);
    addRoots(bottomBelow, bottomSlope, piece.z0, piece.z1, breaks, n);
    breaks[n++] = piece.z1;
    std::sort(breaks, breaks + n);

    auto area = [&](double z) {
        const double r = rho(z);
        return r > 0 ? s.ab * r * r * unitDiskBelow(cut.at(z) / (s.reach * r)) : 0.0;
    };
    double volume = 0;
    for (int i = 0; i + 1 < n; ++i) {
        const double lo = breaks[i], hi = breaks[i + 1];
        if (!(hi > lo)) {
            continue;
        }
        const double mid = lo + (hi - lo) / 2, r = rho(mid);
        const double x = r > 0 ? cut.at(mid) / (s.reach * r) : -1;
        if (x <= -1) {
            continue;  // dry
        }
        if (x >= 1) {
            volume += std::numbers::pi * s.ab * squaredRadiusIntegral(piece, lo, hi) / (rim * rim);
            continue;  // wholly below the plane
        }
        // Cut: the area has a (z − z*)^{3/2} kink at each end where the line touches the
        // section. z = lo + (hi − lo)·(3t² − 2t³) turns it into t³, smooth for Gauss–Kronrod.
        const double span = hi - lo;
        volume += boost::math::quadrature::gauss_kronrod<double, 15>::integrate(
            [&](double t) {
                const double z = lo + span * t * t * (3 - 2 * t);
                return area(z) * 6 * t * (1 - t) * span;
            },
            0.0, 1.0, kMaxBisections, kQuadratureTolerance);
    }
    return volume;
}

double headVolume(const HeadProfile& head, double rim, const Section& s, Cut cut) {
    double v = 0;
    for (int i = 0; i < head.count; ++i) {
        v += pieceVolume(head.pieces[i], rim, s, cut);
    }
    return v;
}

}  // namespace

AxialParts axialVolume(const AxialTank& t, double h) {
    Section s;
    s.ab = (t.A / 2) * (t.B / 2);
    s.reach = upwardReach(t.A / 2, t.B / 2, t.beta);
    const double rise = std::tan(t.alpha);
    const double atGauge = (h - t.A / 2) * std::cos(t.beta);
    // c(σ) = atGauge + (gauge − σ)·tan α; the low head runs σ = −z, the high one σ = L + z.
    const Cut low{atGauge + t.gauge * rise, rise};
    const Cut shell{atGauge + t.gauge * rise, -rise};
    const Cut high{atGauge + (t.gauge - t.length) * rise, -rise};
    ProfilePiece cylinder;
    cylinder.z1 = t.length;
    cylinder.centre = t.rimRadius;
    AxialParts parts;
    parts.lowHead = headVolume(t.lowHead, t.rimRadius, s, low);
    parts.shell = t.length > 0 ? pieceVolume(cylinder, t.rimRadius, s, shell) : 0;
    parts.highHead = headVolume(t.highHead, t.rimRadius, s, high);
    return parts;
}

}  // namespace quorvel::exact
