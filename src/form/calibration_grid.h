// Shaping the calibration point grid: column 0 numbers the rows, columns 1 and 2 hold the
// level (mm) and volume (L) of each point; row 0 is the heading row.
#pragma once

#include "form/grid_cells.h"

namespace quorvel {

// A point count n: n + 2 rows, the origin row 1 reset to "1", "0", "0", and rows 2 … n + 1
// numbered in column 0. Levels and volumes already typed in the remaining rows stay.
void choosePointCount(GridCells& grid, int n);

// Empties every column but the number column in rows 2 onward; the heading row, the numbers,
// the origin row and the row count stay. A grid of fewer than three rows is left alone.
void clearCalibrationGrid(GridCells& grid);

// The headings of row 0: "序号", "高度 mm", "容积 L" (whatever a loaded file held there).
void writeGridHeadings(GridCells& grid);

// The entry of the point-count list (ComboBox2) that a grid of `rows` rows shows: the count
// rows − 2 at index rows − 4; −1 (none) for a grid with no such entry.
int pointCountIndexForRows(int rows);

}  // namespace quorvel
