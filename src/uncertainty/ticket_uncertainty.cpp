#include "uncertainty/ticket_uncertainty.h"

#include <array>
#include <cmath>

#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "uncertainty/propagation.h"
#include "units/units.h"

namespace quorvel::uncertainty {
namespace {

// The chain's three results for one set of inputs.
using Results = std::array<double, 3>;  // Vt, V20, mass

double litres(const TankConfig& config, Method method, double level) {
    const VolumeModel model(config, method);
    VolumeState state;
    return model(config.limitToTank(level), 0, state) *
           static_cast<double>(units::kLitresPerCubicMetre);
}

Results formed(const TankConfig& config, Method method, const TicketChain& c) {
    const double vt = litres(config, method, c.dip);
    const double fw = c.waterLevel ? litres(config, method, *c.waterLevel) : 0;
    const double vgo = (vt - fw) * c.ctsh;
    const double rho20 = c.testTemperature
                             ? oil::rho20FromObserved(c.group, c.density, *c.testTemperature)
                             : c.density;
    const double v20 = vgo * oil::vcf20(c.group, rho20, c.temperature);
    const double mass = v20 * (1 - c.sedimentWaterPercent / 100) * (rho20 - 1.1) / 1000;
    return {vt, v20, mass};
}

}  // namespace

TicketU ticketUncertainty(const TankConfig& config, Method method, const UncertaintyInputs& in,
                          const TicketChain& chain) {
    Results sum{};
    // One input's contribution to each result: the difference of the chain over ± its step
    // (one-sided at the bottom of a level), times u.
    auto add = [&](double x, double u, bool positive, auto&& at) {
        if (!(u > 0)) {
            return;
        }
        const double step = differenceStep(x, u);
        const double low = positive && x - step < 0 ? x : x - step;
        const double high = x + step;
        const Results a = at(low);
        const Results b = at(high);
        for (std::size_t k = 0; k < 3; ++k) {
            const double c = (b[k] - a[k]) / (high - low);
            sum[k] += (c * u) * (c * u);
        }
    };
    for (const TankDimension& d : tankDimensions(config)) {
        TankConfig probe = config;
        add(d.at(probe), in.of(d.name), d.positive, [&](double x) {
            TankConfig changed = config;
            d.at(changed) = x;
            deriveDishedRatios(changed);
            return formed(changed, method, chain);
        });
    }
    auto along = [&](double TicketChain::*member) {
        return [&, member](double x) {
            TicketChain c = chain;
            c.*member = x;
            return formed(config, method, c);
        };
    };
    add(chain.dip, in.level, true, along(&TicketChain::dip));
    if (chain.waterLevel) {
        add(*chain.waterLevel, in.level, true, [&](double x) {
            TicketChain c = chain;
            c.waterLevel = x;
            return formed(config, method, c);
        });
    }
    add(chain.temperature, in.temperature, false, along(&TicketChain::temperature));
    add(chain.density, in.density, true, along(&TicketChain::density));
    if (chain.testTemperature) {
        add(*chain.testTemperature, in.temperature, false, [&](double x) {
            TicketChain c = chain;
            c.testTemperature = x;
            return formed(config, method, c);
        });
    }
    return {2 * std::sqrt(sum[0]), 2 * std::sqrt(sum[1]), 2 * std::sqrt(sum[2])};
}

}  // namespace quorvel::uncertainty
