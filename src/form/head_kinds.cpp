#include "form/head_kinds.h"

#include <array>
#include <cstddef>

namespace quorvel {
namespace {

using D = HeadDimension;

constexpr std::array<HeadField, 2> kNonStandardEllipsoidal{{
    {D::Flange, "Edit21", "Edit10", "直边高度", "h", "直边高度，毫米"},
    {D::Depth, "Edit22", "Edit11", "总深度", "H", "包含直边高度的封头深度，毫米"},
}};
constexpr std::array<HeadField, 2> kConical{{
    {D::Flange, "Edit23", "Edit12", "直边高度", "h", "直边高度，毫米"},
    {D::ConeHeight, "Edit24", "Edit14", "总高度", "H2", "圆锥封头总深度，毫米"},
}};
constexpr std::array<HeadField, 3> kFrustum{{
    {D::Flange, "Edit25", "Edit15", "直边高度", "h", "直边高度，毫米"},
    {D::Depth, "Edit26", "Edit16", "总深度", "H", "圆台封头总深度，毫米"},
    {D::SmallDiameter, "Edit28", "Edit18", "小端直径", "D2", "圆台小端内直径，毫米"},
}};
constexpr std::array<HeadField, 1> kSphericalCap{{
    {D::Depth, "Edit27", "Edit17", "深度", "H", "球缺封头深度，毫米"},
}};
constexpr std::array<HeadField, 3> kNonStandardDished{{
    {D::Flange, "Edit38", "Edit45", "直边高度", "h", "直边高度，毫米"},
    {D::Depth, "Edit43", "Edit46", "总深度", "H", "碟型封头包含直边的总深度，毫米"},
    {D::SphereRadius, "Edit44", "Edit47", "球面半径", "Ri", "碟型封头球面半径，毫米"},
}};

//  kind, left radio, right radio, summary name, caption, fields, circular only, std flange
const std::array<HeadKindInfo, 9> kKinds{{
    {HeadKind::StandardEllipsoidal,
     "RadioButton7",
     "RadioButton22",
     "标准椭圆封头",
     "图一 标准椭圆封头(只选中)",
     {},
     false,
     true},
    {HeadKind::NonStandardEllipsoidal, "RadioButton15", "RadioButton8", "非标椭圆封头",
     "图一 非标椭圆封头", kNonStandardEllipsoidal, false, false},
    {HeadKind::Conical, "RadioButton16", "RadioButton9", "圆锥封头", "图二 圆锥封头", kConical,
     true, false},
    {HeadKind::Frustum, "RadioButton17", "RadioButton10", "圆台封头", "图二 圆台封头", kFrustum,
     true, false},
    {HeadKind::SphericalCap, "RadioButton18", "RadioButton11", "球缺封头", "图三 球缺封头",
     kSphericalCap, false, false},
    {HeadKind::StandardDished,
     "RadioButton19",
     "RadioButton12",
     "标准碟形封头",
     "图四 标准碟形封头(只选中)",
     {},
     true,
     true},
    {HeadKind::NonStandardDished, "RadioButton5", "RadioButton6", "非标碟形封头",
     "图四 非标碟形封头", kNonStandardDished, true, false},
    {HeadKind::Hemispherical,
     "RadioButton20",
     "RadioButton13",
     "半球形封头",
     "图五 半球形封头(只选中)",
     {},
     true,
     false},
    {HeadKind::Flat,
     "RadioButton21",
     "RadioButton14",
     "平板封头",
     "图六 平板封头(只选中)",
     {},
     false,
     false},
}};

}  // namespace

std::span<const HeadKindInfo> headKinds() {
    return kKinds;
}

const HeadKindInfo& headKindInfo(HeadKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

const HeadKindInfo* chosenHeadKind(const FieldSource& form, HeadSide side) {
    for (const HeadKindInfo& info : kKinds) {
        if (form.checked(radioOn(info, side))) {
            return &info;
        }
    }
    return nullptr;
}

}  // namespace quorvel
