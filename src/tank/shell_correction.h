// The correction of a tank's volume for the temperature of its steel shell (CTSh).
//
// Model: the shell grows by k = 1 + α·(TSh − Tc) in every direction (oil/booked_quantity.h:
// shellGrowth). Every length of the tank scales by k, the gauge's point and the dip's zero
// with it, so the warm tank holds at dip h what the table's tank holds at h/k, scaled by k³:
// V_warm(h) = k³·V(h/k), and CTSh(h) = k³·V(h/k)/V(h), V the tank's own volume by the method
// in use (classic, true geometry, calibration points), its dead volume and fitting included,
// as they are steel of the same tank. For an upright cylinder (V proportional to h) it is the
// published factor 1 + 2αΔT + α²ΔT² (API MPMS ch. 12.1.1); a horizontal tank runs from about
// 1.5αΔT near the bottom to 3αΔT full.
//
// Units: levels mm, k dimensionless. Domain: a level within the tank (0 to its height, or its
// calibration points). h/k is kept within the same levels (a cold shell at the top, a warm one
// at the lowest calibration point: the table is not extrapolated); where V(h) is 0 there is
// nothing to correct and CTSh is 1. Unrounded.
#pragma once

#include "tank/method.h"
#include "tank/tank_config.h"

namespace quorvel {

// A configuration read by readQuickRequest (dished ratios derived). Throws as volumeAtLevel
// does for a tank that describes no solid.
double shellCorrection(const TankConfig& config, Method method, double level, double growth);

}  // namespace quorvel
