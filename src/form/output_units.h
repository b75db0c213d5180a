// The output units' choice "单位": three lists of fixed entries, one per quantity (length,
// volume, mass), whose entries are the units' words (units/units.h). Stored controls added
// after the 73 of the settings file, written only once a unit other than the default is
// chosen, so a settings file stays as it was while the defaults are kept.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/field_source.h"
#include "units/units.h"

namespace quorvel {

inline constexpr std::string_view kLengthUnitList = "UnitComboBox1";  // mm, cm, m, in, ft
inline constexpr std::string_view kVolumeUnitList = "UnitComboBox2";  // L, m3, bbl, gal
inline constexpr std::string_view kMassUnitList = "UnitComboBox3";    // kg, t

// UnitComboBox1 … 3, in key order.
std::span<const ControlInfo> outputUnitControls();

// The entries of a unit list (the words of its units, the default first); empty for another
// control.
const std::vector<std::string>& outputUnitEntries(std::string_view list);

// The units the form chooses; a list showing no entry of its own is its default.
units::OutputUnits readOutputUnits(const FieldSource& form);

}  // namespace quorvel
