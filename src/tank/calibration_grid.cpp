#include "tank/calibration_grid.h"

#include <string>

namespace quorvel {

void choosePointCount(GridCells& grid, int n) {
    grid.setRowCount(n + 2);
    grid.setCell(0, 1, "1");
    grid.setCell(1, 1, "0");
    grid.setCell(2, 1, "0");
    for (int row = 2; row <= n + 1; ++row) {
        grid.setCell(0, row, std::to_string(row));
    }
}

void clearCalibrationGrid(GridCells& grid) {
    for (int row = 2; row < grid.rowCount(); ++row) {
        for (int col = 1; col < grid.colCount(); ++col) {
            grid.setCell(col, row, "");
        }
    }
}

}  // namespace quorvel
