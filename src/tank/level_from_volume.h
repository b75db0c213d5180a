// The inverse question: the lowest level at which the tank holds a given volume.
#pragma once

#include "tank/method.h"
#include "tank/tank_config.h"

namespace quorvel {

struct LevelSearch {
    // NoConvergence: the root finder reached its limit of steps without closing the bracket.
    enum class Result { Found, AboveFull, BelowEmpty, NoConvergence } result = Result::Found;
    double level = 0;    // mm, when Found
    double lowest = 0;   // m³: the least the range holds
    double highest = 0;  // m³: the most the range holds
};

// The lowest level in TankConfig::levelRange at which volumeAtLevel (one level on its own, with
// the dead volume and fitting) reaches `m3`, crossing it from below or from above; where the
// volume rises and falls again, its first crossing. A calibrated tank's volume is the table's
// straight-line interpolation, a line between consecutive point levels whatever their order:
// each piece is solved exactly, for both methods; with the monotone cubic (whose levels rise)
// the first piece across m3 is closed in on by TOMS 748. Any other tank: the range is scanned for
// the first step across which the volume passes m3, then TOMS 748 closes the bracket (the classic
// spherical-cap series rises above the full head near the top). Where the volume only grows
// with the level the bracket is the whole range at once; where it can fall the scan takes 1024
// steps for the classic method, 64 for the exact one. No crossing: AboveFull when every volume
// is below m3, BelowEmpty when every one is above it.
LevelSearch levelForVolume(const TankConfig& config, double m3, Method method);

}  // namespace quorvel
