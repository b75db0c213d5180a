// The equivalent level of a tilted cylinder is its mean vertical liquid depth over the
// shell's length: the depth under a horizontal surface, d(z) = h + (x − z)·tan α, limited
// to 0..A, averaged over 0 ≤ z ≤ Lc.
#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

TiltConstants tiltConstants(double alpha, double beta) {
    return {std::tan(kPi * static_cast<ld>(alpha) / 180.0L),
            std::cos(kPi * static_cast<ld>(beta) / 180.0L)};
}

// The transform itself; the guard watches the tank's trigonometry too where the caller
// computes it inside (the guarded routine), or not (the tilt computed once for a walk).
template <typename Guard, typename Tilt>
double GaoDuBianHuanBody(double A, double Lc, double x, Tilt tilt, double h) {
    Guard guard;
    const ld a = A, len = Lc, pos = x, lv = h;
    const TiltConstants k = tilt();
    const ld t = k.tanAlpha;
    const ld cosBeta = k.cosBeta;
    // A reading along a line leaning by β differs from the vertical depth by
    // (1 − cos β)·(A/2 − h).
    const ld e = (1.0L - cosBeta) * a / 2.0L;
    const ld g = asDouble(((cosBeta * lv) + e) - lv);
    ld mean;
    if (t * (len - pos) > lv) {
        // High end dry: the liquid's longitudinal section is a triangle.
        const ld c = 1.0L / t;
        const ld wet = t * pos + lv;
        mean = c * (wet * wet) / (2.0L * len);
    } else if (a - t * pos > lv) {
        // Both ends wetted: a trapezoid, whose mean is the depth at mid-length.
        mean = t * (pos - 0.5L * len) + lv;
    } else {
        // Low end full: the empty space is a triangle at the high end.
        const ld c = 1.0L / t;
        const ld dry = c * (a - lv) + len - pos;
        mean = a - (t / (2.0L * len)) * (dry * dry);
    }
    const ld result = mean + g;
    return guard.faulted(result) ? 0.0 : static_cast<double>(result);
}

double GaoDuBianHuan(double A, double Lc, double x, double alpha, double beta, double h) {
    return GaoDuBianHuanBody<FpGuard>(
        A, Lc, x, [&] { return tiltConstants(alpha, beta); }, h);
}

namespace unguarded {

double GaoDuBianHuan(double A, double Lc, double x, double alpha, double beta, double h) {
    return GaoDuBianHuanBody<NoGuard>(
        A, Lc, x, [&] { return tiltConstants(alpha, beta); }, h);
}

double GaoDuBianHuan(double A, double Lc, double x, const TiltConstants& tilt, double h) {
    return GaoDuBianHuanBody<NoGuard>(
        A, Lc, x, [&] { return tilt; }, h);
}

}  // namespace unguarded

}  // namespace quorvel
