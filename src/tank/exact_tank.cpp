#include "tank/exact_tank.h"

#include <numbers>

#include "geometry/numeric.h"
#include "tank/tank_messages.h"

namespace quorvel {
namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

exact::HeadProfile profile(const HeadSpec& head, double rimRadius) {
    const double R = rimRadius, h = head.flangeHeight;
    switch (head.kind) {
        case HeadKind::StandardEllipsoidal:
            return exact::ellipsoidalProfile(R, R / 2);  // a quarter of the diameter
        case HeadKind::NonStandardEllipsoidal:
            return exact::ellipsoidalProfile(R, head.depth - h);
        case HeadKind::Conical:
            return exact::conicalProfile(R, head.coneHeight - h);
        case HeadKind::Frustum:
            return exact::frustumProfile(R, head.depth - h, head.smallDiameter);
        case HeadKind::SphericalCap:
            return exact::sphericalCapProfile(R, head.depth);
        case HeadKind::StandardDished:
            return exact::torisphericalProfile(R, 2 * R, 0.2 * R);  // Ri = D, r = 0.1·D
        case HeadKind::NonStandardDished:
            return exact::dishedProfileForDepth(R, head.sphereRadius, head.depth - h);
        case HeadKind::Hemispherical:
            return exact::ellipsoidalProfile(R, R);
        case HeadKind::Flat:
            return {};
    }
    return {};
}

exact::HeadProfile sideProfile(const HeadSpec& head, double rimRadius, bool left) {
    try {
        return profile(head, rimRadius);
    } catch (const exact::GeometryError&) {
        throw exact::GeometryError(left ? tank_messages::kLeftHeadNoSolid
                                        : tank_messages::kRightHeadNoSolid);
    }
}

}  // namespace

exact::AxialTank axialTank(const TankConfig& c) {
    exact::AxialTank t;
    const bool circular =
        c.shellKind == ShellKind::Horizontal && c.sectionKind == SectionKind::Circular;
    t.A = circular ? c.diameter : c.verticalDiameter;
    t.B = circular ? c.diameter : c.horizontalDiameter;
    t.length = c.lengthWithFlanges();
    if (!(t.A > 0) || !(t.B > 0) || !(t.length >= 0) || !std::isfinite(t.A * t.B * t.length)) {
        throw exact::GeometryError(tank_messages::kShellNoSolid);
    }
    // The heads of an elliptical section are those of a circle of its horizontal diameter,
    // pressed to the vertical one.
    t.rimRadius = t.B / 2;
    const exact::HeadProfile left = sideProfile(c.leftHead, t.rimRadius, true);
    const exact::HeadProfile right = sideProfile(c.rightHead, t.rimRadius, false);
    t.lowHead = c.rightEndLow() ? right : left;
    t.highHead = c.rightEndLow() ? left : right;
    if (c.shellKind == ShellKind::Tilted) {
        t.alpha = radians(c.tiltAlpha);
        t.beta = radians(c.tiltBeta);
        t.gauge = c.length - c.tiltOffset;
    }
    return t;
}

ExactParts exactParts(const TankConfig& c, const exact::PreparedTank& tank, double level) {
    const exact::AxialParts p = tank.volume(level);
    // The model works in cubic millimetres; the tank's parts are cubic metres.
    const auto m3 = [](double mm3) { return static_cast<double>(mm3 * detail::mm3ToM3()); };
    ExactParts parts;
    parts.shell = m3(p.shell);
    parts.leftHead = m3(c.rightEndLow() ? p.highHead : p.lowHead);
    parts.rightHead = m3(c.rightEndLow() ? p.lowHead : p.highHead);
    if (c.leftHead.subtract) {
        parts.leftHead = -parts.leftHead;
    }
    if (c.rightHead.subtract) {
        parts.rightHead = -parts.rightHead;
    }
    return parts;
}

}  // namespace quorvel
