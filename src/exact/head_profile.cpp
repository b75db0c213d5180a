#include "exact/head_profile.h"

#include "exact/exact_messages.h"

namespace quorvel::exact {
namespace {

// Thrown by the builders below for dimensions that cannot form the head; the tank layer
// replaces it by the message that names the side.
[[noreturn]] void impossible() {
    throw GeometryError(exact_messages::kHeadNoSolid);
}

ProfilePiece arc(double z0, double z1, double centre, double q, double zc, double w, double r0,
                 double r1) {
    ProfilePiece p;
    p.shape = ProfilePiece::Shape::Arc;
    p.z0 = z0;
    p.z1 = z1;
    p.centre = centre;
    p.q = q;
    p.zc = zc;
    p.w = w;
    p.r0 = r0;
    p.r1 = r1;
    return p;
}

HeadProfile single(const ProfilePiece& piece) {
    HeadProfile h;
    h.pieces[0] = piece;
    h.count = 1;
    h.depth = piece.z1;
    return h;
}

bool positive(double x) {
    return std::isfinite(x) && x > 0;
}

}  // namespace

HeadProfile ellipsoidalProfile(double R, double depth) {
    if (!positive(R) || !(depth >= 0)) {
        impossible();
    }
    return depth == 0 ? HeadProfile{} : single(arc(0, depth, 0, R, 0, depth, R, 0));
}

HeadProfile conicalProfile(double R, double height) {
    return frustumProfile(R, height, 0);
}

HeadProfile frustumProfile(double R, double height, double smallDiameter) {
    if (!positive(R) || !(height >= 0) || !(smallDiameter >= 0) || !std::isfinite(height)) {
        impossible();
    }
    if (height == 0) {
        return {};
    }
    ProfilePiece line;
    line.z1 = height;
    line.centre = R;
    line.slope = (smallDiameter / 2 - R) / height;
    line.r0 = R;
    line.r1 = smallDiameter / 2;
    return single(line);
}

HeadProfile sphericalCapProfile(double R, double depth) {
    if (!positive(R) || !(depth >= 0) || !std::isfinite(depth)) {
        impossible();
    }
    if (depth == 0) {
        return {};
    }
    const double rs = (R * R + depth * depth) / (2 * depth);  // the sphere through rim and apex
    return single(arc(0, depth, 0, rs, depth - rs, rs, R, 0));
}

HeadProfile torisphericalProfile(double R, double Ri, double r) {
    if (!positive(R) || !positive(r) || !(r < R) || !(Ri > R) || !std::isfinite(Ri)) {
        impossible();
    }
    // Knuckle centre at (0, R − r), crown centre on the axis at s − Ri, |centres| = Ri − r.
    const double s = Ri - std::sqrt((Ri - r) * (Ri - r) - (R - r) * (R - r));
    return dishedProfileForDepth(R, Ri, s);
}

HeadProfile dishedProfileForDepth(double R, double Ri, double s) {
    if (!positive(R) || !positive(s) || !(Ri > R) || !std::isfinite(Ri) || !(s < Ri)) {
        impossible();
    }
    // (Ri − s)² + (R − r)² = (Ri − r)²  ⇔  r = (R² + s² − 2·Ri·s) / (2R − 2Ri).
    const double r = (R * R + s * s - 2 * Ri * s) / (2 * R - 2 * Ri);
    if (!positive(r) || !(r < R)) {
        impossible();
    }
    // The knuckle meets the crown on the line through their centres, (0, R − r) and
    // (s − Ri, 0): at z = r·(Ri − s)/(Ri − r) and radius (R − r)·Ri/(Ri − r).
    const double join = r * (Ri - s) / (Ri - r);
    const double joinRadius = (R - r) * Ri / (Ri - r);
    HeadProfile h;
    h.pieces[0] = arc(0, join, R - r, r, 0, r, R, joinRadius);
    h.pieces[1] = arc(join, s, 0, Ri, s - Ri, Ri, joinRadius, 0);
    h.count = 2;
    h.depth = s;
    return h;
}

}  // namespace quorvel::exact
