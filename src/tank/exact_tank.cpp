#include "tank/exact_tank.h"

#include <numbers>

#include "geometry/numeric.h"
#include "tank/head_model.h"
#include "tank/tank_messages.h"

namespace quorvel {
namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

exact::HeadProfile sideProfile(const HeadSpec& head, double rimRadius, bool left) {
    try {
        return heads::profile(head, rimRadius);
    } catch (const exact::GeometryError&) {
        throw exact::GeometryError(left ? tank_messages::kLeftHeadNoSolid
                                        : tank_messages::kRightHeadNoSolid);
    }
}

}  // namespace

exact::AxialTank axialTank(const TankConfig& c) {
    exact::AxialTank t;
    t.A = c.sectionHeight();
    t.B = c.sectionWidth();
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
