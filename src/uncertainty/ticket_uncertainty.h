// The uncertainty of a gauging ticket's Vt, V20 and mass, propagated to first order (GUM
// 5.1.2) through the chain that forms them: Vt = V(dip); with water FW = V(water dip) and
// Vgo = (Vt − FW)·CTSh; ρ20 from the hydrometer reading ρ′ at its test temperature (table 59)
// or as given; V20 = Vgo·VCF20(ρ20, t) (table 60); Vns = V20·(1 − SW/100);
// m = Vns·(ρ20 − 1.1)/1000. The sensitivities are central differences of that chain at the
// exact inputs (the tables' formulas, unrounded: a printed table's steps of 0.1 kg/m³ and 0.0001
// would make a difference over ± u meaningless), with the steps of differenceStep. Inputs: the
// tank's dimensions, the dip and the water dip (u of the level), the oil's and the test
// temperature (u of the temperature), the hydrometer reading or ρ20 (u of the density). CTSh
// and SW are taken as exact: CTSh moves by α·u(t)·3 ≈ 10⁻⁵ of V for the temperature's u, and
// SW is a laboratory result with its own certificate.
#pragma once

#include <optional>

#include "oil/oil.h"
#include "tank/method.h"
#include "tank/tank_config.h"
#include "uncertainty/uncertainty_inputs.h"

namespace quorvel::uncertainty {

// What the ticket was formed from, at the exact values.
struct TicketChain {
    oil::Group group = oil::Group::Products;
    double dip = 0;                    // mm
    std::optional<double> waterLevel;  // mm, with the booked quantity's water
    double temperature = 0;            // the oil's, °C
    double density = 0;                // ρ′ (kg/m³) with testTemperature, else ρ20
    std::optional<double> testTemperature;
    double ctsh = 1;
    double sedimentWaterPercent = 0;
};

// Expanded uncertainties (k = 2): L, L, kg.
struct TicketU {
    double vt = 0, v20 = 0, mass = 0;
};

// Throws oil::RangeError when a step leaves the tables' range (an input on its edge).
TicketU ticketUncertainty(const TankConfig& config, Method method, const UncertaintyInputs& in,
                          const TicketChain& chain);

}  // namespace quorvel::uncertainty
