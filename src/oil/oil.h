// Temperature correction of petroleum liquids: standard density, volume correction factors,
// standard volume and mass in air, as the petroleum measurement tables print them.
//
// Model: the 1980 procedure of API MPMS 11.1 (ASTM D1250, IP 200) at 15 °C and 60 °F,
// adopted at 20 °C by ISO 91-2 and GB/T 1885-1998. The thermal expansion coefficient at the
// base temperature is α = K0/ρb² + K1/ρb (the transition band: α = A + B/ρb²) and the volume
// correction factor from t to the base temperature VCF = exp(−α·Δt·(1 + 0.8·α·Δt)),
// Δt = t − base. The 20 °C tables use the 15 °C expansion data: ρ20 = ρ15·VCF15(20 °C) and
// VCF20(t) = VCF15(t)/VCF15(20 °C). A glass-hydrometer reading ρ′ is first corrected for the
// expansion of soda-lime glass (ASTM D1298 §11.5.1, ISO 3675 §11.4):
// ρt = ρ′·(1 − 0.000023·(t − tr) − 0.00000002·(t − tr)²), tr the hydrometer's reference
// temperature (15 °C for table 53, 20 °C for table 59, where Chinese hydrometers are graduated).
//
// Units: densities kg/m³, temperatures °C (°F for the 60 °F tables 5 and 6), API gravity in
// degrees, volumes in litres, masses in kilograms. Intermediates are long double.
//
// Domain. Outside it every routine throws RangeError, whose what() is the message for the
// user naming the value and the range; no number is extrapolated.
//   - Density at 15 °C, the domain of the published constants: crude oil (A) 610.5–1075.0,
//     products (B) 653.0–1075.0, lubricating oils (D) 800.0–1164.0. A density given at
//     another temperature (ρ′, ρ20) must lie in the same range, and so must the ρ15 it gives.
//   - Product bands (B) by ρ15: gasolines [653.0, 770.5), transition [770.5, 788.0), jet fuels
//     and kerosenes [788.0, 839.0), fuel oils and diesels [839.0, 1075.0]; a density on an
//     edge belongs to the denser band. At 60 °F by API gravity: gasolines (52, 85], transition
//     (48, 52], jet fuels (37, 48], fuel oils [0, 37].
//   - Temperature: −18.0 to 150.0 °C (tables 53, 54, 59, 60); 0 to 300 °F (tables 5, 6).
//   - API gravity (tables 5, 6): A 0 to 100, B 0 to 85, D −10 to 45.
//
// Printed values: the tables print densities to 0.1 kg/m³, factors to 4 decimals and API
// gravity to 0.1. Only those results are rounded (half away from zero); where the 1980
// procedure rounds inside (α, the iteration's stop) the sources disagree, and a computed value
// may differ from a printed table by one unit in its last place in rare cases.
#pragma once

#include <stdexcept>
#include <string>

#include "text/decimal_text.h"

namespace quorvel::oil {

// An input outside the tables' range; what() is the message for the user.
class RangeError : public std::runtime_error {
  public:
    explicit RangeError(const std::string& what) : std::runtime_error(what) {}
};

// The tables' groups: A crude oil, B products, D lubricating oils.
enum class Group { CrudeOil, Products, LubricatingOils };

// The published density range of a group at 15 °C, kg/m³.
struct DensityRange {
    double low, high;
};
DensityRange densityRange(Group group);

// ---- 15 °C tables (API MPMS 11.1-1980 / ISO 91-1) ----

// Table 54: VCF15 of a liquid of density ρ15 at t °C, unrounded. Reproduces table 54B,
// e.g. 884.0 kg/m³ at 26 °C prints 0.9913.
double vcf15(Group group, double rho15, double t);

// Table 53: ρ15 from a glass-hydrometer reading ρ′ at t °C (hydrometer graduated at 15 °C):
// the glass correction, then the ρ15 that the tables' iteration ρ15 ← ρt / VCF15(ρ15, t)
// settles on, the band taken from ρ15 itself, i.e. ρ15·VCF15(ρ15, t) = ρt. It is solved by
// bracketing band by band, since the plain iteration diverges in the transition band above
// about 100 °C. Where α's step at a band edge lets two densities qualify, or none, the least
// density whose expansion reaches ρt is taken (the lower one, or the edge itself); this moves
// results by at most about 0.4 kg/m³ within 0.4 kg/m³ of an edge. Unrounded.
double rho15FromObserved(Group group, double rhoObserved, double t);

// ---- 20 °C tables (ISO 91-2 / GB/T 1885-1998) ----

// ρ15 of a liquid of standard density ρ20: ρ15·VCF15(ρ15, 20) = ρ20, solved as table 53 does.
double rho15FromRho20(Group group, double rho20);

// Table 59: ρ20 from a glass-hydrometer reading ρ′ at t °C (graduated at 20 °C): ρ15 as
// table 53 does with tr = 20 °C, then ρ20 = ρ15·VCF15(ρ15, 20). Unrounded. Reproduces table
// 59A at 40 °C: columns 804.0 and 806.0 print 818.7 and 820.6.
double rho20FromObserved(Group group, double rhoObserved, double t);

// Table 60: VCF20(t) = VCF15(ρ15, t) / VCF15(ρ15, 20) of a liquid of standard density ρ20.
// Unrounded.
double vcf20(Group group, double rho20, double t);

// How a printed 20 °C value is found.
//   Exact: computed at the exact inputs and rounded as the table prints.
//   PrintedTable: read from the printed GB/T 1885 table as its reading rules say: the
//     nearest temperature row (rows every 0.25 °C, a tie to the warmer row); table 59
//     interpolated linearly between its two observed-density columns, each read as printed,
//     and rounded again (columns every 2.0 kg/m³ inside the group's range: even values for A
//     and D, odd for B, as worked examples quote 804.0/806.0 from 59A and 803.0/805.0 from
//     59B; so 59A runs 612.0 to 1074.0); table 60 at the nearest ρ20 column (every 0.5 kg/m³,
//     a tie to the denser column). A reading between the last columns of 59A and its range's
//     ends, or next to a column whose ρ15 lies outside the range (a blank cell of the printed
//     table), throws RangeError.
enum class Reading { Exact, PrintedTable };

// Table 59 to 0.1 kg/m³.
double printedRho20(Group group, double rhoObserved, double t, Reading reading);
// Table 60 to 4 decimals.
double printedVcf20(Group group, double rho20, double t, Reading reading);

// Column spacing of the printed 20 °C tables, kg/m³.
inline constexpr double kTable59ColumnStep = 2.0;
inline constexpr double kTable60ColumnStep = 0.5;

// ---- 60 °F tables (API MPMS 11.1-1980 tables 5 and 6) ----
// ρ60 = 141.5 · 999.012 / (API + 131.5) kg/m³ (water at 60 °F: 999.012 kg/m³); α60 per °F
// with the published 60 °F constants; the hydrometer correction in °F:
// ρt = ρ′·(1 − 0.00001278·(t − 60) − 0.0000000062·(t − 60)²).

// Table 6: VCF60 of a liquid of API gravity API60 at t °F, unrounded. Reproduces table 6B:
// 56.5 °API at 67.5 °F prints 0.9950.
double vcf60(Group group, double api60, double tF);

// Table 5: API60 from a glass-hydrometer reading in API gravity at t °F, unrounded.
// Reproduces table 5B: 40.5 °API at 83.0 °F prints 38.7.
double api60FromObserved(Group group, double apiObserved, double tF);

// ---- The depot quantity (GB/T 19779) ----

// A tank's quantity formed from the printed ρ20 and VCF20 as a depot does:
// ρ20 to 0.1 kg/m³; VCF20 of that printed ρ20 at the oil temperature, to 4 decimals;
// V20 = Vt × VCF20 to 0.01 L; mass in air m = V20 × (ρ20 − 1.1 kg/m³) / 1000 to 0.01 kg, from
// the printed V20, so that the note's numbers agree with each other. Vt is taken as the
// decimal its shortest text gives (the number typed); the products are formed exactly in
// decimal and rounded half away from zero. Each field is the double nearest its printed
// decimal.
struct DepotQuantity {
    double rho20 = 0;   // kg/m³
    double vcf20 = 0;   // —
    double v20 = 0;     // L
    double massKg = 0;  // kg
};

// Vt in litres at the oil temperature t °C; |Vt| ≤ 10¹² L (a negative Vt, a difference of two
// gaugings, gives a negative V20 and mass). ρ20 is rounded to 0.1 kg/m³ first.
DepotQuantity depotQuantity(Group group, double vtLitres, double t, double rho20, Reading reading);
// The same with ρ20 from a hydrometer reading ρ′ at tObserved °C (table 59).
DepotQuantity depotQuantityFromObserved(Group group, double vtLitres, double t, double rhoObserved,
                                        double tObserved, Reading reading);

// The quantity's texts: ρ20 with 1 decimal, VCF20 with 4, V20 and mass with 2.
struct DepotQuantityText {
    std::string rho20, vcf20, v20, mass;
};
DepotQuantityText toText(const DepotQuantity& quantity);

}  // namespace quorvel::oil
