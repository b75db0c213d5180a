#include "tank/head_fields.h"

#include <array>

namespace quorvel {
namespace {

using D = HeadDimension;

constexpr std::array<HeadField, 2> kNonStandardEllipsoidal{{
    {D::Flange, "Edit21", "Edit10", "直边高度"},
    {D::Depth, "Edit22", "Edit11", "总深度"},
}};
constexpr std::array<HeadField, 2> kConical{{
    {D::Flange, "Edit23", "Edit12", "直边高度"},
    {D::ConeHeight, "Edit24", "Edit14", "总高度"},
}};
constexpr std::array<HeadField, 3> kFrustum{{
    {D::Flange, "Edit25", "Edit15", "直边高度"},
    {D::Depth, "Edit26", "Edit16", "总深度"},
    {D::SmallDiameter, "Edit28", "Edit18", "小端直径"},
}};
constexpr std::array<HeadField, 1> kSphericalCap{{
    {D::Depth, "Edit27", "Edit17", "深度"},
}};
constexpr std::array<HeadField, 3> kNonStandardDished{{
    {D::Flange, "Edit38", "Edit45", "直边高度"},
    {D::Depth, "Edit43", "Edit46", "总深度"},
    {D::SphereRadius, "Edit44", "Edit47", "球面半径"},
}};

const std::array<HeadKindInfo, 9> kKinds{{
    {HeadKind::StandardEllipsoidal, "RadioButton7", "RadioButton22", "标准椭圆封头", {}},
    {HeadKind::NonStandardEllipsoidal, "RadioButton15", "RadioButton8", "非标椭圆封头",
     kNonStandardEllipsoidal},
    {HeadKind::Conical, "RadioButton16", "RadioButton9", "圆锥封头", kConical},
    {HeadKind::Frustum, "RadioButton17", "RadioButton10", "圆台封头", kFrustum},
    {HeadKind::SphericalCap, "RadioButton18", "RadioButton11", "球缺封头", kSphericalCap},
    {HeadKind::StandardDished, "RadioButton19", "RadioButton12", "标准碟形封头", {}},
    {HeadKind::NonStandardDished, "RadioButton5", "RadioButton6", "非标碟形封头",
     kNonStandardDished},
    {HeadKind::Hemispherical, "RadioButton20", "RadioButton13", "半球形封头", {}},
    {HeadKind::Flat, "RadioButton21", "RadioButton14", "平板封头", {}},
}};

}  // namespace

std::span<const HeadKindInfo> headKinds() {
    return kKinds;
}

const HeadKindInfo& headKindInfo(HeadKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

}  // namespace quorvel
