// Reads the upright tank's page (立式圆筒) into TankConfig::upright: its course and deadwood
// rows and its scalar fields, checked, with a stop that names the course or row at fault.
#pragma once

#include <optional>
#include <string>

#include "form/field_source.h"
#include "tank/outcome.h"
#include "tank/tank_config.h"

namespace quorvel {

// The courses (at least one), the bottom volume (empty: 0), the deadwood rows, the head
// correction's density (empty: none) and Young's modulus (empty: 206 GPa), the floating roof
// (mass empty or 0: none). Refused: no course, a course without height or with a height not
// above 0, one with neither a diameter nor a circumference, a diameter or thickness not above
// 0, a circumference not above 2π × thickness, a course without thickness when the head
// correction is asked, a deadwood row incomplete or outside 0 … the tank's height, a density
// or modulus not above 0, a roof without its level, with a level below 0 or above the tank,
// or without the density its displacement is computed at. A text that is not a number throws
// ConversionError.
std::optional<Stop> readUprightFields(const FieldSource& form, TankConfig& config);

// The summary lines of an upright tank, each preceded by CR LF: the tank, its courses, its
// deadwood, the head correction and the roof.
std::string uprightSummary(const FieldSource& form, const TankConfig& config);

}  // namespace quorvel
