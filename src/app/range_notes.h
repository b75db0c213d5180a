// What the window says when a level lies beyond what the tank's description covers: the
// computation stays as it is (a level above the tank counts as the full tank, a level
// outside the calibration points is extrapolated), and the user is told.
#pragma once

#include <string>

#include "tank/tank_config.h"

namespace quorvel::app {

// The note beside a quick result at `askedLevel` (mm, as typed): "高于罐高，按满罐计" above
// the tank's height, "超出标定点范围，按外推计算" outside the calibrated levels, else empty.
std::string quickNote(const TankConfig& config, double askedLevel);

// The note below the summary in a table's confirmation box: the last level asked for
// (`askedTo`, mm, before the limit to the tank) lay above the tank's height, or the range
// runs outside the calibrated levels; else empty.
std::string tableNote(const TankConfig& config, double askedTo);

}  // namespace quorvel::app
