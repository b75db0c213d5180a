// The units of the program's quantities, with their exact factors and the places each is
// printed with: the one home of every conversion. The computation works in millimetres
// (levels, dimensions), cubic metres (volumes, as the geometry routines return them) and
// kilograms per cubic metre (densities); a table, the quick result and the ticket show
// litres and kilograms with two decimals and levels in millimetres in general form.
//
// An output unit (cm, m, in, ft; m³, US bbl, US gal; t) is a row of its quantity's list below,
// with its factor (exact by definition: the inch is 25.4 mm, the foot 304.8 mm, the US gallon
// 3.785411784 L, the US barrel 42 US gallons, the tonne 1000 kg) and its decimals.
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
    // The word that chooses it: the entry of the window's unit list, stored in Config.ini and
    // a tank file, and the value of quorvel-table's --length-unit, --volume-unit, --mass-unit.
    std::string_view word = symbol;
    // How many of the shown default unit (millimetre, litre, kilogram) make one of this unit,
    // exact by definition; a shown number is the default's divided by it.
    long double inDefault = 1;
};

// ---- Length: computed in millimetres ----
inline constexpr Unit kMillimetre{"mm", "毫米", 1, kGeneralForm};

// ---- Volume: computed in cubic metres ----
inline constexpr Unit kLitre{"L", "升", 1000, 2};

// ---- Mass: computed in kilograms ----
inline constexpr Unit kKilogram{"kg", "公斤", 1, 2};

// ---- Output units: what the tables, the quick result, the level of a quantity and the ticket
// show, each a row; the first of each list is the default, printed as before the choice
// existed. Decimals: the fewest for which one unit of the last place is not more than 1 mm,
// 1 L or 1 kg, so no row is coarser than the default's whole unit would be.
inline constexpr Unit kCentimetre{"cm", "厘米", 0.1L, 1, "cm", 10};
inline constexpr Unit kMetre{"m", "米", 0.001L, 3, "m", 1000};
inline constexpr Unit kInch{"in", "英寸", 1 / 25.4L, 2, "in", 25.4L};
inline constexpr Unit kFoot{"ft", "英尺", 1 / 304.8L, 3, "ft", 304.8L};
inline constexpr std::array kLengthUnits{kMillimetre, kCentimetre, kMetre, kInch, kFoot};

inline constexpr Unit kCubicMetre{"m³", "立方米", 1, 3, "m3", 1000};
// The US barrel of petroleum is 42 US gallons of 231 cubic inches: 158.987294928 L exactly.
inline constexpr Unit kUsBarrel{"US bbl", "美制桶", 1000 / 158.987294928L,
                                3,        "bbl",    158.987294928L};
inline constexpr Unit kUsGallon{"US gal", "美制加仑", 1000 / 3.785411784L, 1, "gal", 3.785411784L};
inline constexpr std::array kVolumeUnits{kLitre, kCubicMetre, kUsBarrel, kUsGallon};

inline constexpr Unit kTonne{"t", "吨", 0.001L, 3, "t", 1000};
inline constexpr std::array kMassUnits{kKilogram, kTonne};

// The coarsest step a unit prints: one unit of its last place, in the default unit.
constexpr long double lastPlaceInDefault(const Unit& unit) {
    long double step = unit.inDefault;
    for (int i = 0; i < unit.decimals; ++i) {
        step /= 10;
    }
    return step;
}
static_assert(lastPlaceInDefault(kCentimetre) <= 1 && lastPlaceInDefault(kMetre) <= 1 &&
              lastPlaceInDefault(kInch) <= 1 && lastPlaceInDefault(kFoot) <= 1 &&
              lastPlaceInDefault(kCubicMetre) <= 1 && lastPlaceInDefault(kUsBarrel) <= 1 &&
              lastPlaceInDefault(kUsGallon) <= 1 && lastPlaceInDefault(kTonne) <= 1);

// The units a result is shown in; the defaults print every number as before.
struct OutputUnits {
    const Unit* length = &kLengthUnits[0];
    const Unit* volume = &kVolumeUnits[0];
    const Unit* mass = &kMassUnits[0];
    bool isDefault() const {
        return length == &kLengthUnits[0] && volume == &kVolumeUnits[0] && mass == &kMassUnits[0];
    }
};

// The unit of `units` whose word is `word`, or nullptr.
template <std::size_t N>
constexpr const Unit* unitOf(const std::array<Unit, N>& units, std::string_view word) {
    for (const Unit& unit : units) {
        if (unit.word == word) {
            return &unit;
        }
    }
    return nullptr;
}

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
