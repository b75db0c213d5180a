#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

namespace {

// Shape coefficient of the standard dished head; above 700 mm, k·D³/4 is the volume of a
// head with crown radius D and knuckle radius 0.1·D to five significant digits.
ld dishedCoefficient(double D) {
    if (D <= 300)
        return 0.3901L;
    if (D <= 400)
        return 0.3974L;
    if (D <= 700)
        return 0.3965L;
    return 0.39586L;
}

}  // namespace

// Smoothstep fill profile scaled to the whole head: k·D³/4 · x²·(3 − 2x) with x = h/D.
template <typename Guard>
double DieFengTouBody(double D, double h) {
    Guard guard;
    const ld d = D, lv = h;
    // The level must lie on the head: (D − 2h)/D within [−1, 1].
    const ld x = (d - 2.0L * lv) / d;
    if (guard.faulted(x) || x < -1.0L || x > 1.0L) {
        return -1.0;
    }
    const ld v = lv * lv * (0.5L * dishedCoefficient(D)) * (1.5L * d - lv) * mm3ToM3();
    return guard.faulted(v) ? -1.0 : static_cast<double>(v);
}

// Torispherical head: a spherical crown of radius Ri joined tangentially to a toroidal
// knuckle of radius r that ends on the cylinder of radius D/2; flange excluded.
double FeiBiaoDieXin(double f, double H, double Ri, double D) {
    FpGuard guard;
    const ld ri = Ri;
    const ld s = asDouble(static_cast<ld>(H) - f);
    const ld R = asDouble(static_cast<ld>(D) / 2.0L);
    const ld r = asDouble((R * R + (s * s - 2.0L * ri * s)) / (static_cast<ld>(D) - 2.0L * ri));
    const ld phi = asDouble(arcsin((ri - s) / (ri - r)));
    const ld q = (R * R * 0.5L - r * R) + r * r;
    const ld factor = mm3ToM3() * kPi;
    const ld sum = ((s * (s * s / 6.0L + q) + std::sin(phi) * r * (q - s * s * 0.5L)) +
                    std::cos(phi) * (s * r) * (R - r)) +
                   (r * r * phi) * (R - r);
    const ld v = factor * sum;
    return guard.faulted(v) ? -1.0 : static_cast<double>(v);
}

double DieFengTou(double D, double h) {
    return DieFengTouBody<FpGuard>(D, h);
}

namespace unguarded {

double DieFengTou(double D, double h) {
    return DieFengTouBody<NoGuard>(D, h);
}

}  // namespace unguarded

}  // namespace quorvel
