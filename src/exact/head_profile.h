// The axial profile of a head: the radius of its cross-section as a function of the axial
// distance z from the rim (the shell's end), in smooth pieces. Millimetres.
#pragma once

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace quorvel::exact {

// A head or shell whose dimensions describe no real solid; what() is shown to the user.
class GeometryError : public std::runtime_error {
  public:
    explicit GeometryError(const std::string& what) : std::runtime_error(what) {}
};

// One smooth stretch of a profile over z0 ≤ z ≤ z1.
//   Arc:  r(z) = centre + q·√(1 − ((z − zc)/w)²), an ellipse or circle arc in the axial plane;
//   Line: r(z) = centre + slope·z.
struct ProfilePiece {
    enum class Shape { Arc, Line } shape = Shape::Line;
    double z0 = 0, z1 = 0;
    double centre = 0;      // radial offset of the arc's centre, or the line's radius at z = 0
    double q = 0;           // arc: radial semi-axis
    double zc = 0;          // arc: axial position of the centre
    double w = 1;           // arc: axial semi-axis
    double slope = 0;       // line: dr/dz
    double r0 = 0, r1 = 0;  // the radius at z0 and at z1, as the head's geometry gives it
};

// A head's profile: at most two pieces (a torispherical knuckle and crown), depth the last z.
struct HeadProfile {
    std::array<ProfilePiece, 2> pieces{};
    int count = 0;
    double depth = 0;
};

// The kinds of head, each with the dimensions its profile needs (mm). `rimRadius` R is half
// the reference diameter: the shell's diameter, or the horizontal one of an elliptical section.
// Each throws GeometryError for dimensions that form no head (R ≤ 0, a negative depth, …).

// Half an ellipsoid of axial semi-axis `depth` ≥ 0: r = R·√(1 − (z/depth)²); the hemisphere
// is depth = R. Checked against the closed form TuoFengTou, the wetted half ellipsoid.
HeadProfile ellipsoidalProfile(double rimRadius, double depth);
// A cone of `height` ≥ 0: r = R·(1 − z/height). Checked against YuangZhui's closed form.
HeadProfile conicalProfile(double rimRadius, double height);
// A frustum to a flat end of `smallDiameter`: r = R + (d/2 − R)·z/height. Checked against
// YuangTai (whole cone less the cut-off one).
HeadProfile frustumProfile(double rimRadius, double height, double smallDiameter);
// A cap of the sphere through the rim and the apex at `depth`: Rs = (R² + depth²)/(2·depth),
// r = √(Rs² − (z − depth + Rs)²). Checked against python-fluids' spherical head.
HeadProfile sphericalCapProfile(double rimRadius, double depth);
// Crown radius Ri > R and knuckle radius 0 < r < R, tangent to each other and to the shell;
// the depth is Ri − √((Ri − r)² − (R − r)²). Checked against python-fluids' torispherical head.
HeadProfile torisphericalProfile(double rimRadius, double crownRadius, double knuckleRadius);
// Crown radius Ri and the depth s of the dished part: the knuckle is the one that makes crown
// and knuckle tangent at that depth, r = (R² + s² − 2·Ri·s)/(2R − 2Ri), which must lie in
// (0, R). Checked against python-fluids with that knuckle.
HeadProfile dishedProfileForDepth(double rimRadius, double crownRadius, double depth);

}  // namespace quorvel::exact
