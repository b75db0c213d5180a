// All inputs of one generate or quick-calculation request, read from the window's fields.
// Lengths in millimetres, volumes in litres, angles in degrees.
#pragma once

#include "units/units.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "form/head_kinds.h"
#include "tank/monotone_cubic.h"
#include "tank/upright_tank.h"

namespace quorvel {

// The index of the active shell page, as Jgxs returns it.
enum class ShellKind { Horizontal = 0, Tilted = 1, Spherical = 2, Calibrated = 3, Upright = 4 };

enum class SectionKind { Circular, Elliptical };

struct HeadSpec {
    HeadKind kind = HeadKind::Flat;
    double flangeHeight = 0;   // h
    double depth = 0;          // H
    double coneHeight = 0;     // H2
    double smallDiameter = 0;  // D2
    double sphereRadius = 0;   // Ri
    bool subtract = false;
    // A non-standard dished head is an ellipsoidal head of the same depth scaled by the ratio
    // of the two whole volumes; derived once per request (deriveDishedRatios), 1 otherwise.
    double dishedRatio = 1;
};

// The measured points of a calibrated tank, kept as two parallel arrays because the
// interpolation walks the levels.
struct CalibrationPoints {
    std::vector<double> levels;   // mm, in the order entered
    std::vector<double> volumes;  // L
    // Set when the levels never fall (the reader tests it): the interpolation then finds its
    // segment by binary search. False is always safe.
    bool ascending = false;
    // The monotone cubic between the points, when it is chosen ("单调三次") and there are
    // enough points; the straight line otherwise.
    std::optional<MonotoneCubic> cubic;
    std::size_t size() const { return levels.size(); }
    bool empty() const { return levels.empty(); }
};

// The block size of the workbook when Edit9 gives no positive whole number.
inline constexpr int kDefaultRowsPerBlock = 99999;

// A span of levels, mm.
struct LevelRange {
    double from = 0, to = 0;
};

// Where a level lies against what the tank's description covers.
enum class LevelExtent {
    Within,
    AboveTank,      // above the height of a tank whose levels are limited: the full tank
    OutsidePoints,  // below the lowest or above the highest calibrated level: extrapolated
};

struct TankConfig {
    ShellKind shellKind = ShellKind::Horizontal;
    SectionKind sectionKind = SectionKind::Circular;
    double diameter = 0;            // D
    double length = 0;              // L
    double horizontalDiameter = 0;  // B
    double verticalDiameter = 0;    // A
    double tiltAlpha = 0;           // α
    double tiltBeta = 0;            // β
    double tiltOffset = 0;          // F
    bool lowEndRight = false;  // tilted: "低端在右封头" chosen (else the left head is low)
    HeadSpec leftHead;
    HeadSpec rightHead;
    double levelFrom = 0;
    double levelTo = 0;
    double levelStep = 0;
    int rowsPerBlock = kDefaultRowsPerBlock;  // Edit9: table rows per column block
    double deadVolume = 0;
    double fittingVolume = 0;
    double fittingBottom = 0;
    double fittingHeight = 0;
    bool useDensity = false;
    std::string densityText;
    std::string densityUnit;
    // What the results are shown in ("单位"); the computation is in mm, m³ and kg whatever
    // they are.
    units::OutputUnits units;
    CalibrationPoints calibrationPoints;
    UprightTank upright;  // the upright tank's courses, bottom, deadwood, head and roof
    std::string parameterSummary;

    // What follows from the fields above; every rule about the tank's extent lives here.

    // The height of the tank above its lowest point: D of a circular horizontal or a
    // spherical tank, A of an elliptical or tilted one (the highest reading its gauge gives),
    // the highest calibrated level of a calibrated one, the courses' heights of an upright one.
    double height() const;

    // `level` limited to the tank's height, as a table's last level and a quick level are:
    // a level above height() is height(), when that is positive. A calibrated tank's levels
    // are not limited.
    double limitToTank(double level) const;

    // The levels a table walk, the curve and a level-of-a-volume query describe the tank by:
    // 0 to height().
    LevelRange levelRange() const { return {0, height()}; }

    // The lowest and the highest level of a calibrated tank's points; {0, 0} without points.
    LevelRange calibratedSpan() const;

    // Where `level` lies: above height() on a tank whose levels limitToTank limits, outside
    // calibratedSpan() on a calibrated tank with points, within otherwise.
    LevelExtent extentOf(double level) const;

    // The cylinder the heads are joined to: the shell length plus both straight flanges.
    double lengthWithFlanges() const;

    // Whether the right head is the low end (a tilted tank with "低端在右封头"); otherwise the
    // left head is at the low end, or the tank lies level.
    bool rightEndLow() const;

    // A horizontal tank of circular section (D): the one shape whose heads may be of every
    // kind. Elliptical and tilted shells have the section A × B.
    bool circularSection() const;
    // The diameter the heads are joined to and scaled by: D of a circular section, B of an
    // elliptical or tilted one.
    double rimDiameter() const;
    // The section's vertical and horizontal diameters: D and D, or A and B.
    double sectionHeight() const;
    double sectionWidth() const { return rimDiameter(); }

    // The rules of the shell kind (tank/shell_kinds.h): whether the heads are read and
    // computed, whether the dead volume and the fitting correct the volumes, whether the true
    // geometry computes this tank otherwise than the classic formulas.
    bool headsApply() const;
    bool correctionsApply() const;
    bool trueGeometryDiffers() const;
};

}  // namespace quorvel
