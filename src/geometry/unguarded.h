// The level routines without their guards, for a caller that clears the fault flags once,
// calls many of them and tests the flags once: when no flag is raised and every result is
// finite, each result is the guarded routine's to the bit (the same arithmetic); otherwise
// the caller computes again with the guarded routines, whose failure values and errors stand.
#pragma once

#include "geometry/geometry.h"

namespace quorvel::unguarded {

double YuangTong(double A, double B, double h, double L);
// The same with the shell's constants worked out once (shellConstants): the same result, bit
// for bit.
struct ShellConstants {
    long double a = 0;        // A
    long double stretch = 0;  // L·B/A
};
ShellConstants shellConstants(double A, double B, double L);
double YuangTong(const ShellConstants& shell, double h);
double TuoFengTou(double A, double B, double H, double h);
// The same with the head's constants worked out once: the same result, bit for bit.
struct EllipsoidConstants {
    long double a = 0;       // A
    long double factor = 0;  // π·B·H/A²
};
EllipsoidConstants ellipsoidConstants(double A, double B, double H);
double TuoFengTou(const EllipsoidConstants& head, double h);
double DieFengTou(double D, double h);
double YuangZhui(double H, double h, double D);
double YuangTai(double H, double h, double D, double d);
double QiuQueFengTou(double B, double H, double h);
double GaoDuBianHuan(double A, double Lc, double x, double alpha, double beta, double h);
// The same with the tank's trigonometry computed once (tiltConstants): the same result, bit
// for bit.
double GaoDuBianHuan(double A, double Lc, double x, const TiltConstants& tilt, double h);
double GetValueLagrange(int n, const double* X, const double* Y, double t);
double GetValueLagrangeAscending(int n, const double* X, const double* Y, double t);

}  // namespace quorvel::unguarded
