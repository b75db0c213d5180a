// An upright cylindrical tank (立式圆筒) as a metrologist describes it after strapping: its
// courses (圈板) from the bottom, each with its height and inner diameter (from the strapped
// outside circumference less twice the plate thickness), the volume below the dip zero (底量),
// the deadwood (columns, heating coils, internal fittings) by height band, the liquid-head
// expansion of the shell at a basis density, and a floating roof.
//
// The model follows the manual strapping method for upright cylindrical tanks (API MPMS
// ch. 2.2A; the Chinese verification regulation for upright metal tanks JJG 168 builds the
// table the same way): the shell is a stack of right circular cylinders, one per course; the
// volume at a level is the bottom volume plus each course's section times its wetted height,
// less the deadwood below the level, plus the shell's expansion under the liquid's head,
// less the floating roof's displacement once it floats.
// Lengths in millimetres, volumes in litres, densities in kg/m³, Young's modulus in GPa.
#pragma once

#include <optional>
#include <vector>

namespace quorvel {

// Standard gravity (CGPM 1901, exact), m/s²: the liquid head's pressure ρ·g·(h − z).
inline constexpr long double kStandardGravity = 9.80665L;
// Young's modulus of carbon steel plate, GPa, when none is entered (the modulus the upright
// tank regulations tabulate for tank steels at ambient temperature).
inline constexpr double kDefaultYoungModulusGPa = 206;

struct UprightCourse {
    double height = 0;         // mm
    double innerDiameter = 0;  // mm
    double thickness = 0;      // mm; 0 when not entered (no liquid-head correction then)
};

// Deadwood in a band of levels [from, to]: `litres` taken away (negative: added, a recess),
// growing linearly through the band and whole above it.
struct DeadwoodBand {
    double from = 0;    // mm
    double to = 0;      // mm
    double litres = 0;  // L
};

struct UprightTank {
    std::vector<UprightCourse> courses;  // from the bottom
    double bottomVolume = 0;             // L, below the dip zero
    std::vector<DeadwoodBand> deadwood;
    // The density the liquid-head correction (and the roof's displacement) is computed at;
    // none: no correction.
    std::optional<double> headDensity;  // kg/m³
    // The density of the liquid actually in the tank when a gauging ticket is formed (the
    // oil's density at its temperature), kg/m³; none: the table's volumes at the basis. Only
    // the head correction follows it (uprightVolume); the roof stays at the basis, as the
    // table issued for the tank carries it.
    std::optional<double> liquidDensity;
    double youngModulus = kDefaultYoungModulusGPa;  // GPa
    double roofMass = 0;                            // kg; 0: no floating roof
    double roofLevel = 0;                           // mm, the level from which it floats

    // The shell's height: the sum of the course heights, mm.
    double height() const;
};

// The inner diameter of a course from its strapped outside circumference C and its plate
// thickness t, mm: C/π − 2t (API MPMS ch. 2.2A, the circumference corrected to the inside).
double innerDiameterFromCircumference(double circumference, double thickness);

// Litres per millimetre of level within a course: π·(D/2)²·1 mm, mm³ to L.
double litresPerMillimetre(const UprightCourse& course);

// The volume of the courses' cylinders below `level` (mm), without bottom, deadwood, head or
// roof, in litres: Σ π·Ri²·(the course's height below the level). Domain: any level; below 0
// nothing, above the shell the full shell.
double courseVolume(const UprightTank& tank, double level);

// The deadwood below `level`, litres (positive: taken away).
double deadwoodBelow(const UprightTank& tank, double level);

// The liquid-head expansion of the shell at `level` (mm) filled with liquid of `density`
// (kg/m³), litres. A thin cylindrical shell of radius R and wall t under the pressure
// p = ρ·g·(h − z) widens by the hoop strain Δr = p·R²/(E·t) (Timoshenko, Strength of
// Materials, thin-walled cylinder, end restraint neglected), so a band dz gains 2π·R·Δr·dz and
//   ΔV(h) = Σ over the courses of 2π·Ri³·ρ·g/(E·ti) · ∫(h − z) dz over its wetted part,
// the closed integral [(h − a)² − (h − min(b, h))²]/2 for a course from a to b. A course
// without a thickness contributes nothing. SI inside: R, t, z in m, E in Pa.
double headExpansion(const UprightTank& tank, double level, double density);

// The whole tank at `level`, litres: bottom volume + courses − deadwood + head expansion at
// headDensity − roof mass / headDensity from roofLevel up (none without a basis). With a
// liquidDensity ρ the head expansion is the basis one scaled by ρ/ρb:
//   V(h) = V_table(h) − ΔV_basis(h) + ΔV_basis(h)·ρ/ρb,
// exact because the hoop strain under the hydrostatic head, and so ΔV, is linear in ρ (thin
// shell, headExpansion; API MPMS ch. 2.2A corrects the strapped table for the liquid's head
// at the density actually held).
double uprightVolume(const UprightTank& tank, double level);

}  // namespace quorvel
