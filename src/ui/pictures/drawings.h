// The dimensioned drawings that give the field letters their meaning: eight on the page
// "图一至图八" and three on the page "倾斜圆筒", each an SVG resource with its caption.
#pragma once

#include <QString>
#include <optional>
#include <span>

#include "tank/tank_config.h"

namespace quorvel::ui {

enum class Drawing {
    EllipsoidalHead,
    ConicalHead,
    SphericalCapHead,
    DishedHead,
    HemisphericalHead,
    FlatHead,
    HorizontalCylinder,
    EllipticalCylinder,
    TiltedRaisedLeft,
    TiltedRaisedRight,
    TiltedCrossSections,
};

struct DrawingInfo {
    Drawing drawing;
    const char* file;     // file name inside the resource folder
    const char* caption;  // shown below the drawing, UTF-8
};

// Every drawing, in page order: the eight of "图一至图八", then the three of "倾斜圆筒".
std::span<const DrawingInfo> allDrawings();
const DrawingInfo& drawingInfo(Drawing drawing);

// The resource path of a drawing, ":/quorvel/drawings/<file>".
QString drawingResource(Drawing drawing);
QString drawingCaption(Drawing drawing);

// The drawing of a shell kind, for the curve area before any curve: none for a spherical
// or calibrated tank, which have no drawing of their own.
std::optional<Drawing> shellDrawing(ShellKind shell, SectionKind section);

// The note of the page "图一至图八".
inline constexpr const char* kDishedNote = "标准碟形Ri=D ri=0.1D";

}  // namespace quorvel::ui
