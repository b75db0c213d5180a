// The true-geometry volume of a tank below a horizontal plane: closed forms where the axis is
// level, integration along the axis where it is tilted or a head has no closed form.
#pragma once

#include <array>

#include "exact/head_profile.h"
#include "exact/piece_integral.h"

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

// A tank with everything that does not depend on the level worked out once: the section's
// reach, the cut's slope, each piece's scaled radii, whole volume and closed-form constants.
// Build it once per tank and call volume() per level; a table walk should do so.
//
// Below the plane through the point at distance h (mm) along the gauge from the shell wall,
// the liquid in the section at σ lies below the line at c(σ) = (h − A/2)·cos β +
// (gauge − σ)·tan α from the centre.
//   α = 0 (any roll): every section is cut at the same height, and each part is a solid of
//   revolution pressed by B/A (by a·b/reach² under a roll): the shell a circular segment,
//   cones and frustums the horizontal cone's closed form, ellipsoidal, hemispherical and
//   spherical-cap heads and the crown of a dished head the sphere's closed form stretched
//   along the axis (see closed_forms.h). Only the knuckle of a dished head is integrated,
//   and any piece whose closed form loses more than 10⁻¹³ of its value to cancellation (a
//   thin layer near empty, a shallow cap, a frustum whose ends nearly match) — its error
//   bound says when.
//   α ≠ 0: the shell by the tilted cylinder's closed form (integrated where its two ends'
//   terms cancel), every head piece by integratePiece.
// Below c > 0 each piece holds its whole less what lies above −c, so that only the lower half
// is ever computed, and every thin wetted or dry layer is measured from the level itself (h,
// A − h), never as a difference of the level and the centre. Any h; each part within 10⁻¹² of
// its own value from 10⁻⁹ of the diameter to full (measured: within 3·10⁻¹⁴ against 32-digit
// integrals, tests/golden/exact/true_geometry.txt); closer to empty than that the rim's own
// rounding in the profile is larger than the layer. Checked against python-fluids, the
// classic closed forms, 32-digit integrals and the quadrature it replaces.
class PreparedTank {
  public:
    explicit PreparedTank(const AxialTank& tank);
    AxialParts volume(double h) const;

  private:
    struct Piece {
        ProfilePiece profile;
        enum class Kind { Line, Zone, Integrated } kind = Kind::Integrated;
        double full = 0;            // mm³ when wholly below the plane
        double rc0 = 0, rc1 = 0;    // radii at the ends, scaled by reach/rim
        double lowest = 0;          // the largest scaled radius: how far the piece reaches down
        double lengthFactor = 0;    // line: the factor of (G(rc1) − G(rc0)); zone: w/(k·q)
        long double q = 0, t0 = 0;  // zone: the sphere's radius and the start's offset
    };
    struct Head {
        std::array<Piece, 2> pieces{};
        int count = 0;
    };
    void prepare(const HeadProfile& profile, Head& head) const;
    double integrated(const Piece& piece, LinearCut cut) const;
    double levelHead(const Head& head, double c, double below, double above) const;
    double levelPiece(const Piece& piece, double c, double below, double above) const;
    double tiltedShell(LinearCut cut) const;

    double A_ = 0, length_ = 0, gauge_ = 0;
    bool rolled_ = false;
    SectionShape section_;
    double rise_ = 0, cosBeta_ = 1;
    double scale_ = 0;   // reach / rim
    double factor_ = 0;  // a·b / reach²: the section's area over the scaled circle's
    Head low_, high_;
};

// PreparedTank(tank).volume(h), for a caller that computes one level of a tank.
AxialParts axialVolume(const AxialTank& tank, double h);

}  // namespace quorvel::exact
