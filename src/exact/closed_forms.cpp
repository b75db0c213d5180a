#include "exact/closed_forms.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "exact/section_area.h"

namespace quorvel::exact {
namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

// K(M)/s⁵ for s = √(1 − M²) ≤ 0.15 by its Taylor series in s² (the coefficients 2/5, 1/5,
// 157/1260, … from expanding asin s + (1 − s²)^{3/2}·atanh s − 2s·√(1 − s²)); the first
// omitted term is below 2·10⁻¹⁸ of the sum.
double coneSeries(double s) {
    static constexpr double kC[] = {
        2.0 / 5,
        1.0 / 5,
        157.0 / 1260,
        73.0 / 840,
        62417.0 / 960960,
        293327.0 / 5765760,
        1077385.0 / 26138112,
        255877.0 / 7468032,
        1385377093.0 / 47675916288,
        265345029.0 / 10594648064,
    };
    const double s2 = s * s;
    double sum = 0;
    for (int i = 9; i >= 0; --i) {
        sum = sum * s2 + kC[i];
    }
    return sum;
}

// G(r) = r³/3·K(M) for the plane d = r − gap below the axis, in T: M = d/r, s = √(gap·(r + d))/r,
// acosh(1/M) = ln((1 + s)/M) = log1p((s + (1 − M))/M) with 1 − M = s²/(1 + M); the bound is the
// terms' size times T's epsilon.
template <typename T>
Bounded coneClosedForm(double r, double gap) {
    const T rt = r, d = rt - gap, m = d / rt;
    const T s = std::min(std::sqrt(gap * (rt + d)) / rt, T(1));
    const T r3 = rt * rt * rt / 3;
    const T arc = std::atan2(s, m);
    const T log = m > 0 ? m * m * m * std::log1p((s + s * s / (1 + m)) / m) : T(0);
    const T lin = 2 * m * s;
    const double v = static_cast<double>(r3 * (arc + log - lin));
    return {v, static_cast<double>(8 * std::numeric_limits<T>::epsilon() * r3 * (arc + log + lin)) +
                   2 * kEps * v};
}

// F(Θ) = sin Θ − Θ·cos Θ − sin³Θ/3 by its Taylor series (2/15·Θ⁵ − 11/315·Θ⁷ + …) to Θ²⁷
// for Θ < 1 (the next term below 5·10⁻¹⁸ of the first).
double diskIntegralSeries(double theta) {
    static constexpr double kC[] = {
        2.0 / 15,
        -11.0 / 315,
        17.0 / 3780,
        -461.0 / 1247400,
        8303.0 / 389188800,
        -24911.0 / 27243216000,
        168151.0 / 5557616064000,
        -1513361.0 / 1900704693888000,
        7913.0 / 463788509184000,
        -98065811.0 / 323150209236062208000.0,
        2206480753.0 / 484725313854093312000000.0,
        -6619442261.0 / 113425723441857835008000000.0,
    };
    const double t2 = theta * theta;
    double sum = 0;
    for (int i = 11; i >= 0; --i) {
        sum = sum * t2 + kC[i];
    }
    return sum * t2 * t2 * theta;
}

}  // namespace

double circleSegment(double r, double gap) {
    if (!(gap > 0)) {
        return 0;
    }
    if (gap >= 2 * r) {
        return std::numbers::pi * r * r;
    }
    if (gap > r) {
        return r * r * (std::numbers::pi - unitSegment((2 * r - gap) / r));
    }
    return r * r * unitSegment(gap / r);
}

Bounded coneIntegral(double r, double d, double gap) {
    if (!(gap > 0)) {
        return {};
    }
    // s = √(r² − d²)/r = √(gap·(r + d))/r.
    const double s = std::min(std::sqrt(gap * (r + d)) / r, 1.0);
    const double r3 = r * r * r / 3;
    if (s <= 0.15) {
        const double s2 = s * s;
        const double v = r3 * s2 * s2 * s * coneSeries(s);
        return {v, 8 * kEps * v};
    }
    // From the gap alone, so that M² + s² = 1 holds to the type's precision: the three terms
    // amplify any disagreement as they cancel (by at most 50 above s = 0.5, where double does).
    return s >= 0.5 ? coneClosedForm<double>(r, gap) : coneClosedForm<long double>(r, gap);
}

namespace {

// H(t) of sphereZone's comment for 0 < t ≤ Q and d < Q, and the size of its terms.
template <typename T>
T slab(T Q, T t, T e, T d, T eGap, T& size) {
    if (!(eGap > 0)) {
        const T v = std::numbers::pi_v<T> / 6 * (Q - d) * (Q - d) * (2 * Q + d);
        size += v;
        return v;
    }
    const T w = std::sqrt(eGap * (e + d));
    const T q3 = Q * Q * Q;
    // π·Q³/3 − 2/3·Q³·atan2(Q·W, d·t) = 2/3·Q³·atan2(d·t, Q·W): one cancellation fewer.
    const T terms[] = {
        2 * q3 / 3 * std::atan2(d * t, Q * w),
        t * (e * e + 2 * Q * Q) / 3 * std::atan2(w, d),
        -2 * t * d * w / 3,
        -(Q * Q * d - d * d * d / 3) * std::atan2(t, w),
    };
    T sum = 0;
    for (const T x : terms) {
        sum += x;
        size += std::fabs(x);
    }
    return sum;
}

template <typename T>
Bounded sphereZoneIn(T Q, T t0, T e0, T d, T eGap, T qGap) {
    if (!(qGap > 0)) {
        return {};
    }
    const T cap = std::numbers::pi_v<T> / 6 * qGap * qGap * (3 * Q - qGap);
    T size = cap, h = 0;
    if (t0 != 0) {
        h = slab(Q, std::fabs(t0), e0, d, eGap, size);
    }
    const T v = t0 < 0 ? cap + h : cap - h;
    return {static_cast<double>(v),
            static_cast<double>(6 * std::numeric_limits<T>::epsilon() * size) +
                kEps * std::fabs(static_cast<double>(v))};
}

}  // namespace

Bounded sphereZone(double Q, double t0, double e0, double d, double eGap, double qGap) {
    return sphereZoneIn(Q, t0, e0, d, eGap, qGap);
}

Bounded sphereZone(long double Q, long double t0, long double e0, long double d, long double eGap,
                   long double qGap) {
    return sphereZoneIn(Q, t0, e0, d, eGap, qGap);
}

double diskBelowIntegral(double x, double below, double above) {
    if (x <= -1 || !(below > 0)) {
        return 0;
    }
    if (x >= 1 || !(above > 0)) {
        return std::numbers::pi * x;
    }
    if (x > 0) {
        return std::numbers::pi * x + diskBelowIntegral(-x, above, below);
    }
    const double theta = 2 * std::asin(std::sqrt(below / 2));
    if (theta < 1) {
        return diskIntegralSeries(theta);
    }
    const double s = std::sin(theta);
    return s - theta * std::cos(theta) - s * s * s / 3;
}

}  // namespace quorvel::exact
