// The units of the program's quantities, with their exact factors and the places each is
// printed with: the one home of every conversion. The computation works in millimetres
// (levels, dimensions), cubic metres (volumes, as the geometry routines return them) and
// kilograms per cubic metre (densities); a table, the quick result and the ticket show
// litres and kilograms with two decimals and levels in millimetres in general form.
//
// An output unit to come (cm, m, in, ft; m³, US bbl, US gal; t) is one more row of its
// quantity's table below, with its factor to the computing unit (exact by definition: the
// inch is 25.4 mm, the US gallon 3.785411784 L, the US barrel 42 US gallons) and its decimals.
// Standard library only.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quorvel::units {

// How a unit's numbers are printed: a fixed number of decimals, or the general form with
// up to 15 significant digits (levels).
inline constexpr int kGeneralForm = -1;

struct Unit {
    std::string_view symbol;  // as headings and summaries write it: "L", "mm", "kg"
    std::string_view name;    // as the window's labels write it: "升", "毫米", "公斤"
    long double perBase;      // how many of this unit make one of the computing unit
    int decimals;             // kGeneralForm, or the places after the point
};

// ---- Length: computed in millimetres ----
inline constexpr Unit kMillimetre{"mm", "毫米", 1, kGeneralForm};
inline constexpr std::array kLengthUnits{kMillimetre};

// ---- Volume: computed in cubic metres ----
inline constexpr Unit kLitre{"L", "升", 1000, 2};
inline constexpr std::array kVolumeUnits{kLitre};

// ---- Mass: computed in kilograms ----
inline constexpr Unit kKilogram{"kg", "公斤", 1, 2};
inline constexpr std::array kMassUnits{kKilogram};

// The litres of a cubic metre and the cubic metres of a litre, as the products are formed:
// m³ × 1000 gives litres; a volume in litres (the dead volume, a fitting, a calibration
// point) is turned into cubic metres by multiplying by the extended-precision 0.001.
inline constexpr long double kLitresPerCubicMetre = kLitre.perBase;
inline constexpr long double kCubicMetresPerLitre = 0.001L;

// A cubic millimetre in cubic metres, 10⁻⁹: the factor of every geometry routine.
inline constexpr long double kCubicMetresPerCubicMillimetre = 1e-9L;
static_assert(kCubicMetresPerCubicMillimetre == 1.0L / 1'000'000'000.0L);

// Litres of `cubicMetres`, in extended precision.
inline constexpr long double litres(long double cubicMetres) {
    return cubicMetres * kLitresPerCubicMetre;
}

// ---- Density: computed in kilograms per cubic metre ----
// The units a density may be typed in, as the window's unit lists offer them (their entry
// texts are stored in Config.ini as they stand), with the kilograms per cubic metre of one.
struct DensityUnit {
    std::string_view entry;   // "Kg/m^3", "g/cm^3"
    std::string_view symbol;  // as the ticket writes it: "kg/m³", "g/cm³"
    double kgPerCubicMetre;
};
inline constexpr std::array kDensityUnits{
    DensityUnit{"Kg/m^3", "kg/m³", 1},
    DensityUnit{"g/cm^3", "g/cm³", 1000},
};
// The unit of the petroleum measurement tables, the first of the list.
inline constexpr const DensityUnit& kKgPerCubicMetre = kDensityUnits[0];
inline constexpr const DensityUnit& kGramsPerCubicCentimetre = kDensityUnits[1];

// The unit whose list entry is `entry`, or nullopt (nothing chosen, "单位", a stored "0").
inline std::optional<DensityUnit> densityUnitOf(std::string_view entry) {
    for (const DensityUnit& unit : kDensityUnits) {
        if (unit.entry == entry) {
            return unit;
        }
    }
    return std::nullopt;
}

}  // namespace quorvel::units
