#include "ui/pictures/drawings.h"

#include <array>

namespace quorvel::ui {
namespace {

constexpr std::array<DrawingInfo, 11> kDrawings{{
    {Drawing::EllipsoidalHead, "ellipsoidal_head.svg", "图一 椭圆(椭球)封头"},
    {Drawing::ConicalHead, "conical_head.svg", "图二 圆锥(圆台)封头"},
    {Drawing::SphericalCapHead, "spherical_cap_head.svg", "图三 球缺封头"},
    {Drawing::DishedHead, "dished_head.svg", "图四 碟形封头"},
    {Drawing::HemisphericalHead, "hemispherical_head.svg", "图五 半球形封头"},
    {Drawing::FlatHead, "flat_head.svg", "图六 平板封头"},
    {Drawing::HorizontalCylinder, "horizontal_cylinder.svg", "图七 水平正直圆柱体"},
    {Drawing::EllipticalCylinder, "elliptical_cylinder.svg", "图八 水平椭圆柱体"},
    {Drawing::TiltedRaisedLeft, "tilted_tank_raised_left.svg", "倾斜圆筒：高端在左"},
    {Drawing::TiltedRaisedRight, "tilted_tank_raised_right.svg", "倾斜圆筒：高端在右"},
    {Drawing::TiltedCrossSections, "tilted_cross_sections.svg", "液位计处横截面：正直与横向倾斜"},
}};

}  // namespace

std::span<const DrawingInfo> allDrawings() {
    return kDrawings;
}

const DrawingInfo& drawingInfo(Drawing drawing) {
    return kDrawings[static_cast<std::size_t>(drawing)];
}

QString drawingResource(Drawing drawing) {
    return QStringLiteral(":/quorvel/drawings/") + QString::fromUtf8(drawingInfo(drawing).file);
}

QString drawingCaption(Drawing drawing) {
    return QString::fromUtf8(drawingInfo(drawing).caption);
}

std::optional<Drawing> shellDrawing(ShellKind shell, SectionKind section) {
    switch (shell) {
        case ShellKind::Horizontal:
            return section == SectionKind::Circular ? Drawing::HorizontalCylinder
                                                    : Drawing::EllipticalCylinder;
        case ShellKind::Tilted:
            return Drawing::TiltedRaisedLeft;
        case ShellKind::Spherical:
        case ShellKind::Calibrated:
        case ShellKind::Upright:
            break;
    }
    return std::nullopt;
}

}  // namespace quorvel::ui
