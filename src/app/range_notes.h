// What the window says when a level lies beyond what the tank's description covers: the
// computation stays as it is (a level above the tank counts as the full tank, a level
// outside the calibration points is extrapolated), and the user is told.
#pragma once

#include <string>

#include "form/field_source.h"
#include "tank/tank_config.h"

namespace quorvel::app {

// The note beside a quick result at `askedLevel` (mm, as typed): "高于罐高，按满罐计" above
// the tank's height, "超出标定点范围，按外推计算" outside the calibrated levels, else empty.
std::string quickNote(const TankConfig& config, double askedLevel);

// With weights on: the note that questions a density outside 500 to 2000 kg/m^3 (0.5 to
// 2 g/cm^3), most likely typed in the other unit; else empty. The weights stay as computed.
std::string densityNote(const FieldSource& form);

// The notes beside a quick result: the level's, then the density's, joined by "；".
std::string quickNotes(const TankConfig& config, double askedLevel, const FieldSource& form);

// The note below the summary in a table's confirmation box: the last level asked for
// (`askedTo`, mm, before the limit to the tank) lay above the tank's height, or the range
// runs outside the calibrated levels; else empty.
std::string tableNote(const TankConfig& config, double askedTo);

// The notes of a table's confirmation, one a line: the range's (the last level asked for read
// from Edit7), then the density's. What the headless front end prints before a table too.
std::string tableNotes(const TankConfig& config, const FieldSource& form);

}  // namespace quorvel::app
