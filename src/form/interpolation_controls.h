// The calibrated tank's interpolation "插值" on page 罐容标定: "线性" (straight lines between
// the points, the designed choice) or "单调三次" (a monotone piecewise cubic). A stored
// control added after the 73 of the settings file, written only once it holds something other
// than its designed state (ControlInfo::storedWhenSet). The point count list grows with an
// imported table up to what bd.txt may hold.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/fields.h"

namespace quorvel {

inline constexpr std::string_view kLinearEntry = "线性";
inline constexpr std::string_view kMonotoneCubicEntry = "单调三次";

// CalComboBox1.
std::span<const ControlInfo> interpolationControls();
// The entries of CalComboBox1: "线性", "单调三次".
const std::vector<std::string>& interpolationEntries();

// The most calibration points a grid holds: bd.txt holds at most 100,000 cells
// (store/grid_file.h), 3 columns of 33,333 rows, the heading row and the origin row among
// them. The window's list offers 2 … kListedPointCount and grows to a larger count a grid is
// given.
inline constexpr int kMaxPointCount = 33331;
inline constexpr int kListedPointCount = 999;

}  // namespace quorvel
