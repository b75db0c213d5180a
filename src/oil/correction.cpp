// The expansion model of the 1980 petroleum measurement tables and its iterations.
#include <cmath>

#include "oil/correction.h"
#include "oil/oil_messages.h"

namespace quorvel::oil {
namespace {

// Expansion constants of one band: α = offset + k0/ρ² + k1/ρ, ρ in kg/m³ at the base
// temperature, α per °C at 15 °C or per °F at 60 °F.
struct Band {
    ld k0, k1, offset;
};

// API MPMS 11.1-1980 (ISO 91-1), 15 °C.
constexpr Band kCrude15{613.9723L, 0, 0};
constexpr Band kGasoline15{346.4228L, 0.4388L, 0};
constexpr Band kTransition15{2680.3206L, 0, -0.00336312L};
constexpr Band kKerosene15{594.5418L, 0, 0};
constexpr Band kFuelOil15{186.9696L, 0.4862L, 0};
constexpr Band kLubricating15{0, 0.6278L, 0};
// API MPMS 11.1-1980, 60 °F (the 15 °C constants over 1.8 as published).
constexpr Band kCrude60{341.0957L, 0, 0};
constexpr Band kGasoline60{192.4571L, 0.2438L, 0};
constexpr Band kTransition60{1489.0670L, 0, -0.00186840L};
constexpr Band kJetFuel60{330.3010L, 0, 0};
constexpr Band kFuelOil60{103.8720L, 0.2701L, 0};
constexpr Band kLubricating60{0, 0.34878L, 0};

constexpr ld kWater60 = 999.012L;  // kg/m³, water at 60 °F (API MPMS 11.1-1980)

using BandOf = const Band& (*)(Group, ld);

// The band of a density at 15 °C; an edge belongs to the denser band. A density outside the
// group's range takes the nearest end band (only iterates do; results are checked).
const Band& band15(Group group, ld rho15) {
    switch (group) {
        case Group::CrudeOil:
            return kCrude15;
        case Group::LubricatingOils:
            return kLubricating15;
        case Group::Products:
            break;
    }
    return rho15 < 770.5L   ? kGasoline15
           : rho15 < 788.0L ? kTransition15
           : rho15 < 839.0L ? kKerosene15
                            : kFuelOil15;
}

ld apiOf(ld rho60) {
    return 141.5L * kWater60 / rho60 - 131.5L;
}
ld rho60Of(ld api) {
    return 141.5L * kWater60 / (api + 131.5L);
}

// The band at 60 °F, by API gravity; an edge belongs to the denser band.
const Band& band60(Group group, ld rho60) {
    switch (group) {
        case Group::CrudeOil:
            return kCrude60;
        case Group::LubricatingOils:
            return kLubricating60;
        case Group::Products:
            break;
    }
    const ld api = apiOf(rho60);
    return api > 52 ? kGasoline60 : api > 48 ? kTransition60 : api > 37 ? kJetFuel60 : kFuelOil60;
}

// VCF = exp(−α·Δt·(1 + 0.8·α·Δt)) of a density ρb at the base temperature, Δt from the base.
ld factor(const Band& band, ld rhoBase, ld dt) {
    const ld alpha = band.offset + band.k0 / (rhoBase * rhoBase) + band.k1 / rhoBase;
    return std::exp(-alpha * dt * (1 + 0.8L * alpha * dt));
}

// The density at the base temperature whose expansion by Δt gives ρt: ρb ← ρt / VCF(ρb, Δt)
// from ρb = ρt, the band taken from the current ρb at each step (the 1980 procedure). The map
// contracts by at most about 0.3 per step, so it settles to 10⁻¹⁰ kg/m³ in a few dozen steps
// at most. Where α jumps at a band edge so that no density is its own image, the iterates
// leap to and fro across the edge; the edge itself is then the density.
ld solveBase(Group group, ld rhoT, ld dt, BandOf bandOf) {
    ld previous = rhoT;
    ld rho = rhoT;
    for (int step = 0; step < 80; ++step) {
        const ld next = rhoT / factor(bandOf(group, rho), rho, dt);
        if (std::fabs(next - rho) <= 1e-10L) {
            return next;
        }
        previous = rho;
        rho = next;
    }
    ld low = std::fmin(previous, rho);
    ld high = std::fmax(previous, rho);
    const Band* lowBand = &bandOf(group, low);
    while (high - low > 1e-12L) {
        const ld mid = (low + high) / 2;
        (&bandOf(group, mid) == lowBand ? low : high) = mid;
    }
    return high;
}

const char* groupName(Group group) {
    switch (group) {
        case Group::CrudeOil:
            return messages::kCrudeOil;
        case Group::Products:
            return messages::kProducts;
        case Group::LubricatingOils:
            return messages::kLubricatingOils;
    }
    return "";
}

bool within(double value, double low, double high) {
    return low <= value && value <= high;  // false for NaN
}

void checkDensity(Group group, const char* what, double value) {
    const DensityRange r = densityRange(group);
    if (!within(value, r.low, r.high)) {
        throw RangeError(messages::densityOutOfRange(what, value, groupName(group), r.low, r.high));
    }
}

// The ρ15 found from a density `value` given at another temperature.
ld checkedRho15(Group group, const char* what, double value, ld rho15) {
    const DensityRange r = densityRange(group);
    if (!(r.low <= rho15 && rho15 <= r.high)) {
        throw RangeError(messages::rho15OutOfRange(what, value, static_cast<double>(rho15),
                                                   groupName(group), r.low, r.high));
    }
    return rho15;
}

constexpr double kLowCelsius = -18.0, kHighCelsius = 150.0;
constexpr double kLowFahrenheit = 0.0, kHighFahrenheit = 300.0;

void checkCelsius(const char* what, double t) {
    if (!within(t, kLowCelsius, kHighCelsius)) {
        throw RangeError(messages::temperatureOutOfRange(what, t, kLowCelsius, kHighCelsius, "°C"));
    }
}

void checkFahrenheit(const char* what, double t) {
    if (!within(t, kLowFahrenheit, kHighFahrenheit)) {
        throw RangeError(
            messages::temperatureOutOfRange(what, t, kLowFahrenheit, kHighFahrenheit, "°F"));
    }
}

DensityRange apiRange(Group group) {
    switch (group) {
        case Group::CrudeOil:
            return {0, 100};
        case Group::Products:
            return {0, 85};
        case Group::LubricatingOils:
            return {-10, 45};
    }
    return {0, 0};
}

void checkApi(Group group, const char* what, double api) {
    const DensityRange r = apiRange(group);
    if (!within(api, r.low, r.high)) {
        throw RangeError(messages::apiOutOfRange(what, api, groupName(group), r.low, r.high));
    }
}

// Soda-lime glass hydrometer graduated at tr: the reading's correction for the glass's
// expansion (ASTM D1298 §11.5.1, ISO 3675 §11.4), °C.
ld glassCorrected(double rhoObserved, double t, ld tr) {
    const ld dt = t - tr;
    return rhoObserved * (1 - 0.000023L * dt - 0.00000002L * dt * dt);
}

}  // namespace

DensityRange densityRange(Group group) {
    switch (group) {
        case Group::CrudeOil:
            return {610.5, 1075.0};
        case Group::Products:
            return {653.0, 1075.0};
        case Group::LubricatingOils:
            return {800.0, 1164.0};
    }
    return {0, 0};
}

namespace detail {

ld vcf15L(Group group, double rho15, double t) {
    checkDensity(group, messages::kRho15, rho15);
    checkCelsius(messages::kOilTemperature, t);
    return factor(band15(group, rho15), rho15, t - 15.0L);
}

ld rho15FromRho20L(Group group, double rho20) {
    checkDensity(group, messages::kRho20, rho20);
    return checkedRho15(group, messages::kRho20, rho20, solveBase(group, rho20, 5, band15));
}

ld rho20FromObservedL(Group group, double rhoObserved, double t) {
    checkDensity(group, messages::kObservedDensity, rhoObserved);
    checkCelsius(messages::kTestTemperature, t);
    const ld rho15 =
        checkedRho15(group, messages::kObservedDensity, rhoObserved,
                     solveBase(group, glassCorrected(rhoObserved, t, 20), t - 15.0L, band15));
    return rho15 * factor(band15(group, rho15), rho15, 5);
}

ld vcf20L(Group group, double rho20, double t) {
    const ld rho15 = rho15FromRho20L(group, rho20);
    checkCelsius(messages::kOilTemperature, t);
    const Band& band = band15(group, rho15);
    return factor(band, rho15, t - 15.0L) / factor(band, rho15, 5);
}

}  // namespace detail

double vcf15(Group group, double rho15, double t) {
    return static_cast<double>(detail::vcf15L(group, rho15, t));
}

double rho15FromObserved(Group group, double rhoObserved, double t) {
    checkDensity(group, messages::kObservedDensity, rhoObserved);
    checkCelsius(messages::kTestTemperature, t);
    return static_cast<double>(
        checkedRho15(group, messages::kObservedDensity, rhoObserved,
                     solveBase(group, glassCorrected(rhoObserved, t, 15), t - 15.0L, band15)));
}

double rho15FromRho20(Group group, double rho20) {
    return static_cast<double>(detail::rho15FromRho20L(group, rho20));
}

double rho20FromObserved(Group group, double rhoObserved, double t) {
    return static_cast<double>(detail::rho20FromObservedL(group, rhoObserved, t));
}

double vcf20(Group group, double rho20, double t) {
    return static_cast<double>(detail::vcf20L(group, rho20, t));
}

double vcf60(Group group, double api60, double tF) {
    checkApi(group, messages::kApi60, api60);
    checkFahrenheit(messages::kOilTemperature, tF);
    const ld rho60 = rho60Of(api60);
    return static_cast<double>(factor(band60(group, rho60), rho60, tF - 60.0L));
}

double api60FromObserved(Group group, double apiObserved, double tF) {
    checkApi(group, messages::kObservedApi, apiObserved);
    checkFahrenheit(messages::kTestTemperature, tF);
    const ld dt = tF - 60.0L;
    const ld rhoT = rho60Of(apiObserved) * (1 - 0.00001278L * dt - 0.0000000062L * dt * dt);
    const double api60 = static_cast<double>(apiOf(solveBase(group, rhoT, dt, band60)));
    const DensityRange r = apiRange(group);
    if (!within(api60, r.low, r.high)) {
        throw RangeError(
            messages::api60OutOfRange(apiObserved, api60, groupName(group), r.low, r.high));
    }
    return api60;
}

}  // namespace quorvel::oil
