#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

// Half an ellipsoid filled to level h: π·B·H/A² · (A·h²/2 − h³/3). The cubic is evaluated
// outside 0..A as well: callers rely on the value it gives there.
ld ellipsoidFactor(double A, double B, double H) {
    return kPi * static_cast<ld>(B) * static_cast<ld>(H) / powi(A, 2);
}

inline ld filledEllipsoid(ld a, ld k, ld lv) {
    const ld p = 0.5L * a * lv * lv - powi(lv, 3) / 3.0L;
    return p * k * mm3ToM3();
}

template <typename Guard>
double TuoFengTouBody(double A, double B, double H, double h) {
    Guard guard;
    const ld v = filledEllipsoid(A, ellipsoidFactor(A, B, H), h);
    return guard.faulted(v) ? -1.0 : static_cast<double>(v);
}

double TuoFengTou(double A, double B, double H, double h) {
    return TuoFengTouBody<FpGuard>(A, B, H, h);
}

namespace unguarded {

double TuoFengTou(double A, double B, double H, double h) {
    return TuoFengTouBody<NoGuard>(A, B, H, h);
}

EllipsoidConstants ellipsoidConstants(double A, double B, double H) {
    return {A, ellipsoidFactor(A, B, H)};
}

double TuoFengTou(const EllipsoidConstants& head, double h) {
    return static_cast<double>(filledEllipsoid(head.a, head.factor, h));
}

}  // namespace unguarded

}  // namespace quorvel
