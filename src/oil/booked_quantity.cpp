#include "oil/booked_quantity.h"

#include <cmath>

#include "oil/oil_messages.h"

namespace quorvel::oil {
namespace {

using decimal::Int128;

constexpr double kMaxVolume = 1e12;  // L

// A printed value in units of 10^−places, as its shortest decimal says.
Int128 units(double value, int places) {
    const decimal::Decimal d = decimal::decimalOf(value);
    return decimal::shiftRounded(d.digits, d.scale - places);
}

void checkVolume(double litres) {
    if (!(std::fabs(litres) <= kMaxVolume)) {
        throw RangeError(messages::volumeOutOfRange(litres));
    }
}

void checkTemperature(const char* what, double c) {
    if (!(c >= kShellTemperatureLow && c <= kShellTemperatureHigh)) {
        throw RangeError(messages::shellTemperatureOutOfRange(what, c, kShellTemperatureLow,
                                                              kShellTemperatureHigh));
    }
}

}  // namespace

double shellTemperature(double liquidC, double ambientC, bool insulated) {
    if (insulated) {
        return liquidC;
    }
    checkTemperature(messages::kAmbientTemperature, ambientC);
    // (7·TL + Ta)/8 in hundredths of the typed tenths, to 0.1 °C.
    const Int128 sum = 7 * units(liquidC, 2) + units(ambientC, 2);
    return static_cast<double>(decimal::divideRounded(sum, 80)) / 10;
}

void checkShellExpansion(double alphaPerC) {
    if (!(alphaPerC > 0 && alphaPerC < kExpansionHigh)) {
        throw RangeError(messages::expansionOutOfRange(alphaPerC));
    }
}

double shellGrowth(double alphaPerC, double shellC, double tableC) {
    checkShellExpansion(alphaPerC);
    checkTemperature(messages::kShellTemperature, shellC);
    checkTemperature(messages::kTableTemperature, tableC);
    return static_cast<double>(1 + static_cast<long double>(alphaPerC) *
                                       (static_cast<long double>(shellC) - tableC));
}

double printedShellCorrection(double ctsh) {
    return static_cast<double>(std::llround(static_cast<long double>(ctsh) * 100000)) / 100000;
}

double volumeDifference(double aLitres, double bLitres) {
    checkVolume(aLitres);
    checkVolume(bLitres);
    return static_cast<double>(units(aLitres, 2) - units(bLitres, 2)) / 100;
}

double volumeTimes(double litres, double factor) {
    checkVolume(litres);
    // Hundredths of L times the factor's digits, back to hundredths.
    const decimal::Decimal f = decimal::decimalOf(factor);
    return static_cast<double>(decimal::shiftRounded(units(litres, 2) * f.digits, f.scale)) / 100;
}

double printedSedimentWater(double percent) {
    if (!(percent >= 0 && percent < 100)) {
        throw RangeError(messages::sedimentWaterOutOfRange(percent));
    }
    return static_cast<double>(units(percent, 2)) / 100;
}

NetQuantity netQuantity(double vgsLitres, double swPercent, double rho20) {
    checkVolume(vgsLitres);
    const Int128 sw = units(printedSedimentWater(swPercent), 2);  // 10⁻⁴ of the volume
    const Int128 vns = decimal::shiftRounded(units(vgsLitres, 2) * (10000 - sw), 4);
    // Hundredths of L times tenths of kg/m³ is 10⁻⁶ kg, to hundredths of kg.
    const Int128 mass = decimal::shiftRounded(vns * (units(rho20, 1) - 11), 4);
    return {static_cast<double>(vns) / 100, static_cast<double>(mass) / 100};
}

}  // namespace quorvel::oil
