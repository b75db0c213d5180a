// All inputs of one generate or quick-calculation request, read from the window's fields.
// Lengths in millimetres, volumes in litres, angles in degrees.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

// The index of the active shell page, as Jgxs returns it.
enum class ShellKind { Horizontal = 0, Tilted = 1, Spherical = 2, Calibrated = 3 };

enum class SectionKind { Circular, Elliptical };

enum class HeadKind {
    StandardEllipsoidal,
    NonStandardEllipsoidal,
    Conical,
    Frustum,
    SphericalCap,
    StandardDished,
    NonStandardDished,
    Hemispherical,
    Flat,
};

struct HeadSpec {
    HeadKind kind = HeadKind::Flat;
    double flangeHeight = 0;   // h
    double depth = 0;          // H
    double coneHeight = 0;     // H2
    double smallDiameter = 0;  // D2
    double sphereRadius = 0;   // Ri
    bool subtract = false;
};

struct CalibrationPoint {
    double level = 0;   // mm
    double volume = 0;  // L
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
    HeadSpec leftHead;
    HeadSpec rightHead;
    double levelFrom = 0;
    double levelTo = 0;
    double levelStep = 0;
    double rowsPerColumn = 0;
    double deadVolume = 0;
    double fittingVolume = 0;
    double fittingBottom = 0;
    double fittingHeight = 0;
    bool useDensity = false;
    std::string densityText;
    std::string densityUnit;
    std::vector<CalibrationPoint> calibrationPoints;
    std::string parameterSummary;
};

}  // namespace quorvel
