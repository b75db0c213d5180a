// Horizontal cone, exact wetted volume: with R = D/2 and y = (R − h)/R,
// (R²·H/3)·[arccos y − 2y·√(1 − y²) + y³·ln((1 + √(1 − y²))/y)], evaluated in two mirrored
// branches so that neither divides by y = 0.
#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

namespace {

// The lower half (0 < h < D/2), unguarded: the caller's guard watches it.
ld coneLowerHalf(ld H, ld h, ld D) {
    const ld k = powi(D, 2) * H / 12.0L;
    const ld u = 2.0L * h / D;
    const ld sigma = std::sqrt(h / D - powi(h / D, 2));
    const ld y = 1.0L - u;
    const ld theta = arcsin(std::sqrt(4.0L * h / D - powi(u, 2)));
    const ld p = theta - y * 4.0L * sigma;
    return k * (p + powi(y, 3) * std::log((2.0L * sigma + 1.0L) / y)) * mm3ToM3();
}

}  // namespace

template <typename Guard>
double YuangZhuiBody(double H, double h, double D) {
    if (h == 0) {
        return 0.0;
    }
    Guard guard;
    const ld height = H, lv = h, d = D;
    ld v;
    if (lv > 0 && lv < d / 2.0L) {
        v = coneLowerHalf(height, lv, d);
    } else if (lv == d / 2.0L) {
        v = powi(d, 2) * (kPi * height) / 24.0L * mm3ToM3();
    } else {
        // Upper half, and any level outside the cone (which faults).
        const ld k = powi(d, 2) * height / 12.0L;
        const ld u = 2.0L * lv / d;
        const ld sigma = std::sqrt(lv / d - powi(lv / d, 2));
        const ld w = u - 1.0L;
        const ld theta = kPi - arcsin(std::sqrt(4.0L * lv / d - powi(u, 2)));
        const ld p = theta + w * 4.0L * sigma;
        v = k * (p - powi(w, 3) * std::log((2.0L * sigma + 1.0L) / w)) * mm3ToM3();
    }
    return guard.faulted(v) ? -1.0 : static_cast<double>(v);
}

// A frustum is the whole cone on its large end minus the cone cut off beyond its small end;
// below the small end's circle only the whole cone is wetted.
template <typename Guard>
double YuangTaiBody(double H, double h, double D, double d) {
    if (h == 0) {
        return 0.0;
    }
    Guard guard;
    const ld height = H, lv = h, big = D, small = d;
    ld v;
    if (lv > 0 && lv < (big - small) / 2.0L) {
        const double hc = static_cast<double>(big / (big - small) * height);
        v = coneLowerHalf(hc, lv, big);
    } else {
        ld h2 = lv - (big - small) / 2.0L;
        if (h2 >= small) {
            h2 = small;
        }
        const double hc = static_cast<double>(big / (big - small) * height);
        const double hs = static_cast<double>(small / (big - small) * height);
        // Each inner call applies its own failure value; the difference stands as it is.
        v = static_cast<ld>(YuangZhuiBody<Guard>(hc, h, D)) -
            static_cast<ld>(YuangZhuiBody<Guard>(hs, static_cast<double>(h2), d));
    }
    return guard.faulted(v) ? -1.0 : static_cast<double>(v);
}

double YuangZhui(double H, double h, double D) {
    return YuangZhuiBody<FpGuard>(H, h, D);
}

double YuangTai(double H, double h, double D, double d) {
    return YuangTaiBody<FpGuard>(H, h, D, d);
}

namespace unguarded {

double YuangZhui(double H, double h, double D) {
    return YuangZhuiBody<NoGuard>(H, h, D);
}

double YuangTai(double H, double h, double D, double d) {
    return YuangTaiBody<NoGuard>(H, h, D, d);
}

}  // namespace unguarded

}  // namespace quorvel
