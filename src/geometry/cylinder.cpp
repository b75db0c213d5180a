// The elliptical section is the circle of diameter A stretched horizontally by B/A, so its
// wetted area is the circular segment's area times B/A.
#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

// The circular segment of diameter a at level h, stretched to the section and lengthened by
// `stretch` = L·B/A, in m³.
inline ld segmentVolume(ld a, ld stretch, ld lv) {
    const ld s = arcsin(2.0L * lv / a - 1.0L);
    const ld t1 = s * a * a / 4.0L;
    const ld t2 = std::sqrt(a * lv - lv * lv) * (lv - a / 2.0L);
    const ld t3 = kPi * a * a / 8.0L;
    const ld area = (t1 + t2) + t3;
    return area * stretch * mm3ToM3();
}

ld stretchOf(ld a, ld b, ld len) {
    return len * b / a;
}

template <typename Guard>
double YuangTongBody(double A, double B, double h, double L) {
    Guard guard;
    const ld a = A, b = B, lv = h, len = L;
    const ld v = segmentVolume(a, stretchOf(a, b, len), lv);
    return guard.faulted(v) ? -1.0 : static_cast<double>(v);
}

double YuangTong(double A, double B, double h, double L) {
    return YuangTongBody<FpGuard>(A, B, h, L);
}

namespace unguarded {

double YuangTong(double A, double B, double h, double L) {
    return YuangTongBody<NoGuard>(A, B, h, L);
}

ShellConstants shellConstants(double A, double B, double L) {
    return {A, stretchOf(A, B, L)};
}

double YuangTong(const ShellConstants& shell, double h) {
    return static_cast<double>(segmentVolume(shell.a, shell.stretch, h));
}

}  // namespace unguarded

}  // namespace quorvel
