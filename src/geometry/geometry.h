// Closed-form liquid volumes of tank shells and heads, the equivalent level of a tilted
// tank, and interpolation over calibration points.
//
// Lengths and levels in millimetres, angles in degrees; volumes in cubic metres
// (mm³ × 10⁻⁹), except GetValueLagrange, whose result has the unit of its volumes.
// Intermediate values are long double; results are rounded to double.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// An arithmetic fault that a routine passes to its caller instead of turning it into a
// failure value: QiuQueFengTou (sphere radius, level outside the rim) and GetValueLagrange
// (a degenerate end segment). The caller treats it like any failing level.
class ArithmeticError : public std::runtime_error {
  public:
    explicit ArithmeticError(const std::string& what) : std::runtime_error(what) {}
};

// Horizontal cylindrical shell, circular (A = B) or elliptical with the short axis vertical.
// A vertical diameter, B horizontal diameter, h level, L length. −1 on an arithmetic fault.
double YuangTong(double A, double B, double h, double L);

// Ellipsoidal head (half ellipsoid of axial depth H, without flange). The cubic is evaluated
// for any level. −1 on an arithmetic fault (A = 0).
double TuoFengTou(double A, double B, double H, double h);

// Standard dished head of diameter D at level h. −1 unless 0 ≤ h ≤ D and D ≠ 0.
double DieFengTou(double D, double h);

// Whole volume of a non-standard dished (torispherical) head: flange f, total depth H
// (flange included), crown radius Ri, diameter D. −1 on an arithmetic fault.
double FeiBiaoDieXin(double f, double H, double Ri, double D);

// Conical head of height H (without flange) on a base of diameter D, at level h.
double YuangZhui(double H, double h, double D);

// Frustum head of height H (without flange) from diameter D down to diameter d, at level h.
double YuangTai(double H, double h, double D, double d);

// Spherical-cap head of rim diameter B and depth H at level h. Throws ArithmeticError for
// H = 0, B = 0 or h outside [0, B]; −1 on a later fault; a negative series gives 0.00001.
double QiuQueFengTou(double B, double H, double h);

// The trigonometry of a tilted tank's level transform, which depends on the tank alone: the
// tangent of the rise α and the cosine of the gauge's lean β (degrees), in extended precision,
// as GaoDuBianHuan computes them.
struct TiltConstants {
    long double tanAlpha = 0;
    long double cosBeta = 1;
};
TiltConstants tiltConstants(double alpha, double beta);

// Equivalent (mean) level of a tilted cylinder: diameter A, averaged length Lc, gauge
// position x from the low end, tilt alpha, gauge lean beta (degrees), reading h.
// 0 on an arithmetic fault.
double GaoDuBianHuan(double A, double Lc, double x, double alpha, double beta, double h);

// Straight-line interpolation over n ≥ 2 points X[0..n−1] (ascending, not sorted here) and
// Y[0..n−1], extended beyond both ends. Reads no more than n values of either array. Throws
// ArithmeticError when a used end segment has equal levels.
double GetValueLagrange(int n, const double* X, const double* Y, double t);

// GetValueLagrange for levels that never fall (X[i] ≤ X[i+1]): the segment is found by binary
// search, with the same result.
double GetValueLagrangeAscending(int n, const double* X, const double* Y, double t);

}  // namespace quorvel
