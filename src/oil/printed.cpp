// The printed 20 °C tables as GB/T 1885 reads them, and the depot quantity of GB/T 19779
// formed from their printed values.
#include <cmath>

#include "oil/correction.h"
#include "oil/oil_messages.h"

namespace quorvel::oil {
namespace {

using decimal::Int128;

// The nearest temperature row of the printed tables (every 0.25 °C), a tie to the warmer
// row. Ties are multiples of 1/8 and so exact in binary.
double nearestRow(double t) {
    return std::floor(t * 4 + 0.5) / 4;
}

Int128 tenths(ld value) {
    return std::llround(value * 10);
}

// Table 59 in tenths of kg/m³.
Int128 rho20Tenths(Group group, double rhoObserved, double t, Reading reading) {
    const ld exact = detail::rho20FromObservedL(group, rhoObserved, t);  // checks the inputs
    if (reading == Reading::Exact) {
        return tenths(exact);
    }
    // Columns every 2.0 kg/m³ inside the group's range, odd for products, even otherwise.
    const double origin = group == Group::Products ? 1.0 : 0.0;
    const DensityRange r = densityRange(group);
    const double first = origin + kTable59ColumnStep * std::ceil((r.low - origin) / 2);
    const double last = origin + kTable59ColumnStep * std::floor((r.high - origin) / 2);
    if (rhoObserved < first || rhoObserved > last) {
        const char* table = group == Group::CrudeOil   ? "59A"
                            : group == Group::Products ? "59B"
                                                       : "59D";
        throw RangeError(messages::outsideTableColumns(rhoObserved, table, first, last));
    }
    const double row = nearestRow(t);
    const double below = origin + kTable59ColumnStep * std::floor((rhoObserved - origin) / 2);
    const Int128 a = tenths(detail::rho20FromObservedL(group, below, row));
    if (rhoObserved == below) {
        return a;
    }
    const Int128 b = tenths(detail::rho20FromObservedL(group, below + kTable59ColumnStep, row));
    // a + (ρ′ − below)/2 · (b − a), in exact decimals: ρ′ = digits · 10^−scale.
    const decimal::Decimal rho = decimal::decimalOf(rhoObserved);
    Int128 unit = 1;
    for (int i = 0; i < rho.scale; ++i) {
        unit *= 10;
    }
    const Int128 offset = rho.digits - static_cast<Int128>(below) * unit;
    return a + decimal::divideRounded(offset * (b - a), 2 * unit);
}

// Table 60 in units of 10⁻⁴.
Int128 vcf20Units(Group group, double rho20, double t, Reading reading) {
    const ld exact = detail::vcf20L(group, rho20, t);  // checks the inputs
    if (reading == Reading::PrintedTable) {
        const double column = std::floor(rho20 * 2 + 0.5) / 2;
        return std::llround(detail::vcf20L(group, column, nearestRow(t)) * 10000);
    }
    return std::llround(exact * 10000);
}

constexpr double kMaxVolume = 1e12;  // L

DepotQuantity formQuantity(Group group, double vtLitres, double t, Int128 rho20Tenths,
                           Reading reading) {
    if (!(std::fabs(vtLitres) <= kMaxVolume)) {
        throw RangeError(messages::volumeOutOfRange(vtLitres));
    }
    const double rho20 = static_cast<double>(rho20Tenths) / 10;
    const Int128 vcf = vcf20Units(group, rho20, t, reading);
    const decimal::Decimal vt = decimal::decimalOf(vtLitres);
    // Vt · VCF in 10^−(scale + 4) L, to hundredths; then hundredths of L times tenths of
    // kg/m³ is 10⁻⁶ kg, to hundredths of kg.
    const Int128 v20 = decimal::shiftRounded(vt.digits * vcf, vt.scale + 2);
    const Int128 mass = decimal::shiftRounded(v20 * (rho20Tenths - 11), 4);
    return {rho20, static_cast<double>(vcf) / 10000, static_cast<double>(v20) / 100,
            static_cast<double>(mass) / 100};
}

}  // namespace

double printedRho20(Group group, double rhoObserved, double t, Reading reading) {
    return static_cast<double>(rho20Tenths(group, rhoObserved, t, reading)) / 10;
}

double printedVcf20(Group group, double rho20, double t, Reading reading) {
    return static_cast<double>(vcf20Units(group, rho20, t, reading)) / 10000;
}

DepotQuantity depotQuantity(Group group, double vtLitres, double t, double rho20, Reading reading) {
    detail::rho15FromRho20L(group, rho20);  // checks ρ20 before it is rounded
    const decimal::Decimal rho = decimal::decimalOf(rho20);
    return formQuantity(group, vtLitres, t, decimal::shiftRounded(rho.digits, rho.scale - 1),
                        reading);
}

DepotQuantity depotQuantityFromObserved(Group group, double vtLitres, double t, double rhoObserved,
                                        double tObserved, Reading reading) {
    return formQuantity(group, vtLitres, t, rho20Tenths(group, rhoObserved, tObserved, reading),
                        reading);
}

DepotQuantityText toText(const DepotQuantity& q) {
    return {formatFixed(q.rho20, 1), formatFixed(q.vcf20, 4), formatFixed(q.v20, 2),
            formatFixed(q.massKg, 2)};
}

}  // namespace quorvel::oil
