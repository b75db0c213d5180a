// What an upright tank's table carries beside its main rows, as such tables are issued: a
// millimetre table per course (litres per millimetre of level within it) and the liquid-head
// correction table at the basis density; and the correction of each main row for --csv.
#pragma once

#include <string>
#include <vector>

#include "tank/tank_config.h"

namespace quorvel {

// A small table beside the main one: a sheet of the workbook, a section of the paper.
struct SideTable {
    std::string name;  // the sheet's name and the section's heading
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;  // texts as printed; numbers stay numbers
};

// The levels of the correction table: every 100 mm from 0, and the tank's height.
inline constexpr double kHeadTableStep = 100;

// The side tables of `config`: none unless it is an upright tank; the millimetre table, and
// the correction table when a basis density is given.
std::vector<SideTable> uprightTables(const TankConfig& config);

// Whether the rows carry the head correction (an upright tank with a basis density).
bool hasHeadColumn(const TankConfig& config);
// The liquid-head correction at `level` (mm) at the basis density, litres, two decimals.
std::string headLitresText(const TankConfig& config, double level);

// The title block's items of an upright tank: its bottom volume, and the correction's basis.
std::vector<std::pair<std::string, std::string>> uprightTitleItems(const TankConfig& config);

}  // namespace quorvel
