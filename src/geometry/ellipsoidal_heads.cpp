#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

// Half an ellipsoid filled to level h: π·B·H/A² · (A·h²/2 − h³/3). The cubic is evaluated
// outside 0..A as well: callers rely on the value it gives there.
template <typename Guard>
double TuoFengTouBody(double A, double B, double H, double h) {
    Guard guard;
    const ld lv = h;
    const ld k = kPi * static_cast<ld>(B) * static_cast<ld>(H) / powi(A, 2);
    const ld p = 0.5L * static_cast<ld>(A) * lv * lv - powi(lv, 3) / 3.0L;
    const ld v = p * k * mm3ToM3();
    return guard.faulted(v) ? -1.0 : static_cast<double>(v);
}

double TuoFengTou(double A, double B, double H, double h) {
    return TuoFengTouBody<FpGuard>(A, B, H, h);
}

namespace unguarded {

double TuoFengTou(double A, double B, double H, double h) {
    return TuoFengTouBody<NoGuard>(A, B, H, h);
}

}  // namespace unguarded

}  // namespace quorvel
