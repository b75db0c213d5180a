// Spherical-cap head: the partial fill is a series in k = B/(2·Rs) cut after k⁶, exact when
// empty, half full and full.
#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

template <typename Guard>
double QiuQueFengTouBody(double B, double H, double h) {
    const ld b = B, depth = H, lv = h;
    ld rs, y, k, q;
    {
        // A fault here (no sphere, or a level off the rim) is the caller's to handle.
        Guard guard;
        rs = asDouble(powi(b, 2) / (8.0L * depth) + depth / 2.0L);
        y = asDouble(1.0L - 2.0L * lv / b);
        k = asDouble(b / (2.0L * rs));
        q = asDouble(std::sqrt(4.0L * lv / b - powi(2.0L * lv / b, 2)));
        guard.check(rs + y + k + q);
    }
    Guard guard;
    constexpr ld kTwoThirds = 2.0L / 3.0L;
    constexpr ld kOne45th = 1.0L / 45.0L;
    const ld alpha = arccos(y);
    const ld t = depth / rs;
    const ld t1 =
        asDouble(alpha * ((powi(k, 2) * (t - 1.0L) - powi(1.0L - t, 3) * kTwoThirds) + kTwoThirds));
    const ld t2 = asDouble(y * q * ((-powi(k, 2) * t + powi(k, 4) / 12.0L) + powi(k, 6) / 120.0L));
    const ld t3 = asDouble((powi(y, 3) * q) * (powi(k, 4) / 6.0L + powi(k, 6) / 90.0L));
    const ld t4 = asDouble((powi(k, 6) * kOne45th * q) * powi(y, 5));
    ld v = powi(rs, 3) * (((t1 + t2) + t3) + t4) * mm3ToM3();
    if (guard.faulted(v)) {
        return -1.0;
    }
    // Near the bottom the cut series dips below zero; report a token 0.01 L instead.
    if (v < 0) {
        v = 0.00001L;
    }
    return static_cast<double>(v);
}

double QiuQueFengTou(double B, double H, double h) {
    return QiuQueFengTouBody<FpGuard>(B, H, h);
}

namespace unguarded {

double QiuQueFengTou(double B, double H, double h) {
    return QiuQueFengTouBody<NoGuard>(B, H, h);
}

}  // namespace unguarded

}  // namespace quorvel
