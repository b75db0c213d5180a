// The true-geometry volume of a tank below a horizontal plane, integrated along the axis.
#pragma once

#include "exact/head_profile.h"

namespace quorvel::exact {

// A shell with its two heads along one axis. σ is the axial position from the shell's low
// end: the low head covers σ ≤ 0, the shell 0 ≤ σ ≤ length, the high head σ ≥ length. Each
// cross-section is an ellipse with semi-axes (A/2)·ρ and (B/2)·ρ, ρ = r(z)/rimRadius from
// the head's profile (1 on the shell); the A diameter leans by the roll β.
struct AxialTank {
    double A = 0, B = 0;   // section diameters, mm; A along the gauge
    double rimRadius = 0;  // radius the head profiles are drawn for (B/2, or D/2)
    double length = 0;     // shell plus both straight flanges, mm
    HeadProfile lowHead, highHead;
    double alpha = 0;  // rise of the axis, radians
    double beta = 0;   // roll about the axis, radians
    double gauge = 0;  // σ of the gauge, mm
};

// Volumes in cubic millimetres of each part below the plane.
struct AxialParts {
    double lowHead = 0;
    double shell = 0;
    double highHead = 0;
};

// Below the plane through the point at distance h (mm) along the gauge from the shell wall:
// in the section at σ the liquid lies below the line at c(σ) = (h − A/2)·cos β +
// (gauge − σ)·tan α from the centre. ∫ area(σ) dσ, split where the profile joins and where
// the line enters or leaves a section (kinks), Gauss–Kronrod on each piece. Any h; relative
// error below 1e-11 of the full tank, checked against the closed forms of the level heads,
// the tilted cylinder's integral and python-fluids' torispherical and spherical heads.
AxialParts axialVolume(const AxialTank& tank, double h);

}  // namespace quorvel::exact
