// The booked quantity of a tank's contents (GB/T 19779, the static measurement of petroleum in
// tanks; the same chain as API MPMS ch. 12.1.1): free water taken off, the shell's temperature
// corrected, sediment and water taken off, each volume formed from the printed values before it
// as a depot's note forms them.
//
//   Vgo = (Vto − FW) × CTSh          gross observed volume, L to 0.01
//   Vgs = Vgo × VCF20                gross standard volume (V20), L to 0.01 (depotQuantity)
//   Vns = Vgs × (1 − SW/100)         net standard volume, L to 0.01
//   m   = Vns × (ρ20 − 1.1) / 1000   mass in air, kg to 0.01
//
// Vto and FW are the capacity table's litres at the total and the water dip (two decimals);
// CTSh is printed to 5 decimals and SW (% of volume) to 2 before they are used. Products are
// formed exactly in decimal and rounded half away from zero; each result is the double nearest
// its printed decimal. Outside the domains below a routine throws RangeError naming the value.
#pragma once

#include "oil/oil.h"

namespace quorvel::oil {

// The shell's temperature from the liquid's TL and the ambient Ta, °C (API MPMS ch. 12.1.1):
// TL for an insulated tank, (7·TL + Ta)/8 otherwise; rounded to 0.1 °C as a temperature is
// written on the note.
double shellTemperature(double liquidC, double ambientC, bool insulated);

// The domain of a shell, ambient or reference temperature, °C.
inline constexpr double kShellTemperatureLow = -50;
inline constexpr double kShellTemperatureHigh = 200;
// The domain of the shell's linear expansion coefficient, per °C (exclusive at both ends).
inline constexpr double kExpansionHigh = 1e-4;

// Throws RangeError for α outside (0, 1×10⁻⁴) per °C.
void checkShellExpansion(double alphaPerC);

// The linear growth of the shell k = 1 + α·(TSh − Tc): α per °C in (0, 1×10⁻⁴), TSh and Tc
// in [−50, 200] °C.
double shellGrowth(double alphaPerC, double shellC, double tableC);

// CTSh printed to 5 decimals, as the standard rounds it.
double printedShellCorrection(double ctsh);

// a − b of two printed volumes (L, to 0.01), exactly: Vto − FW, V(safe level) − Vto.
// |a|, |b| ≤ 10¹² L.
double volumeDifference(double aLitres, double bLitres);
// A printed volume (L) times a printed factor (CTSh, VCF20: its shortest decimal), to 0.01 L:
// Vgo = (Vto − FW) × CTSh, the room's V20. |volume| ≤ 10¹² L; the factor a printed one near 1.
double volumeTimes(double litres, double factor);

// SW in % of volume to 2 decimals; 0 ≤ SW < 100, else RangeError.
double printedSedimentWater(double percent);

// Vns from Vgs (L, printed) and SW (%, printed), and the mass in air from Vns and the
// printed ρ20 (kg/m³).
struct NetQuantity {
    double vns = 0;     // L
    double massKg = 0;  // kg
};
NetQuantity netQuantity(double vgsLitres, double swPercent, double rho20);

}  // namespace quorvel::oil
