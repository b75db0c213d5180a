// The expansion model of the 1980 petroleum measurement tables, the densities at the base
// temperature it implies, and the tables' domain checks.
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

constexpr ld apiOf(ld rho60) {
    return 141.5L * kWater60 / rho60 - 131.5L;
}
constexpr ld rho60Of(ld api) {
    return 141.5L * kWater60 / (api + 131.5L);
}

// A band and the density where the next, denser one begins (an edge belongs to the denser
// band); the last band has no end.
struct Span {
    const Band* band;
    ld end;
};
struct Bands {
    const Span* spans;
    int count;
};

constexpr ld kOpen = 1e9L;
constexpr Span kCrude15Bands[] = {{&kCrude15, kOpen}};
constexpr Span kProduct15Bands[] = {
    {&kGasoline15, 770.5L}, {&kTransition15, 788.0L}, {&kKerosene15, 839.0L}, {&kFuelOil15, kOpen}};
constexpr Span kLubricating15Bands[] = {{&kLubricating15, kOpen}};
constexpr Span kCrude60Bands[] = {{&kCrude60, kOpen}};
// Gasolines above 52 °API, transition above 48, jet fuels above 37, fuel oils to 37.
constexpr Span kProduct60Bands[] = {{&kGasoline60, rho60Of(52)},
                                    {&kTransition60, rho60Of(48)},
                                    {&kJetFuel60, rho60Of(37)},
                                    {&kFuelOil60, kOpen}};
constexpr Span kLubricating60Bands[] = {{&kLubricating60, kOpen}};

Bands bands15(Group group) {
    switch (group) {
        case Group::CrudeOil:
            return {kCrude15Bands, 1};
        case Group::Products:
            return {kProduct15Bands, 4};
        case Group::LubricatingOils:
            break;
    }
    return {kLubricating15Bands, 1};
}

Bands bands60(Group group) {
    switch (group) {
        case Group::CrudeOil:
            return {kCrude60Bands, 1};
        case Group::Products:
            return {kProduct60Bands, 4};
        case Group::LubricatingOils:
            break;
    }
    return {kLubricating60Bands, 1};
}

const Band& bandAt(Bands bands, ld rho) {
    int i = 0;
    while (i + 1 < bands.count && rho >= bands.spans[i].end) {
        ++i;
    }
    return *bands.spans[i].band;
}

// VCF = exp(−α·Δt·(1 + 0.8·α·Δt)) of a density ρb at the base temperature, Δt from the base.
ld factor(const Band& band, ld rhoBase, ld dt) {
    const ld alpha = band.offset + band.k0 / (rhoBase * rhoBase) + band.k1 / rhoBase;
    return std::exp(-alpha * dt * (1 + 0.8L * alpha * dt));
}

// The density ρb at the base temperature that expansion by Δt brings to ρt, the band taken
// from ρb itself: ρb·VCF(ρb, Δt) = ρt, the fixed point of the tables' iteration
// ρb ← ρt / VCF(ρb, Δt). Within a band ρb·VCF rises strictly with ρb, so the root is
// bracketed band by band in density order and halved down to the last bit of a long double
// (the iteration itself diverges in the transition band above about 100 °C). Where α's step
// at a band edge lets two densities qualify, or none, the least density whose expansion
// reaches ρt is taken: the lower root, or the edge itself.
ld solveBase(Bands bands, ld rhoT, ld dt) {
    ld start = rhoT / 2;  // far below any root: |ln VCF| < 0.4 over the tables
    for (int i = 0; i < bands.count; ++i) {
        const Band& band = *bands.spans[i].band;
        const ld end = std::fmin(bands.spans[i].end, 2 * rhoT);
        const auto reaches = [&](ld rho) { return rho * factor(band, rho, dt) >= rhoT; };
        if (end <= start || (i + 1 < bands.count && end < 2 * rhoT && !reaches(end))) {
            start = std::fmax(start, end);
            continue;
        }
        if (reaches(start)) {
            return start;
        }
        ld low = start, high = end;
        for (ld mid = low + (high - low) / 2; mid > low && mid < high;
             mid = low + (high - low) / 2) {
            (reaches(mid) ? high : low) = mid;
        }
        return high;
    }
    return 2 * rhoT;
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
    return factor(bandAt(bands15(group), rho15), rho15, t - 15.0L);
}

ld rho15FromRho20L(Group group, double rho20) {
    checkDensity(group, messages::kRho20, rho20);
    return checkedRho15(group, messages::kRho20, rho20, solveBase(bands15(group), rho20, 5));
}

ld rho20FromObservedL(Group group, double rhoObserved, double t) {
    checkDensity(group, messages::kObservedDensity, rhoObserved);
    checkCelsius(messages::kTestTemperature, t);
    const ld rho15 =
        checkedRho15(group, messages::kObservedDensity, rhoObserved,
                     solveBase(bands15(group), glassCorrected(rhoObserved, t, 20), t - 15.0L));
    return rho15 * factor(bandAt(bands15(group), rho15), rho15, 5);
}

ld vcf20L(Group group, double rho20, double t) {
    const ld rho15 = rho15FromRho20L(group, rho20);
    checkCelsius(messages::kOilTemperature, t);
    const Band& band = bandAt(bands15(group), rho15);
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
                     solveBase(bands15(group), glassCorrected(rhoObserved, t, 15), t - 15.0L)));
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
    return static_cast<double>(factor(bandAt(bands60(group), rho60), rho60, tF - 60.0L));
}

double api60FromObserved(Group group, double apiObserved, double tF) {
    checkApi(group, messages::kObservedApi, apiObserved);
    checkFahrenheit(messages::kTestTemperature, tF);
    const ld dt = tF - 60.0L;
    const ld rhoT = rho60Of(apiObserved) * (1 - 0.00001278L * dt - 0.0000000062L * dt * dt);
    const double api60 = static_cast<double>(apiOf(solveBase(bands60(group), rhoT, dt)));
    const DensityRange r = apiRange(group);
    if (!within(api60, r.low, r.high)) {
        throw RangeError(
            messages::api60OutOfRange(apiObserved, api60, groupName(group), r.low, r.high));
    }
    return api60;
}

}  // namespace quorvel::oil
