// A long curve thinned to what a screen can show: a table of a million rows need not be a
// million-segment line on a plot a few hundred pixels wide.
#pragma once

#include <span>
#include <vector>

#include "tank/capacity_curve.h"

namespace quorvel::ui {

// The points that draw the same line as `points` at `columns` pixel columns over the levels
// low … high: of the points in one column, the first, the lowest, the highest and the last,
// in their order. So a single failed level (a spike) stays visible. Points in order of
// level; fewer than 4 per column are kept as they are.
std::vector<CurvePoint> outlineForColumns(std::span<const CurvePoint> points, double low,
                                          double high, int columns);

}  // namespace quorvel::ui
