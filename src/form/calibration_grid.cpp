#include "form/calibration_grid.h"

#include <string>

#include "form/interpolation_controls.h"

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

void writeGridHeadings(GridCells& grid) {
    grid.setCell(0, 0, "序号");
    grid.setCell(1, 0, "高度 mm");
    grid.setCell(2, 0, "容积 L");
}

int pointCountIndexForRows(int rows) {
    // Entries are the counts 2 … kMaxPointCount at indexes 0 … kMaxPointCount − 2.
    const int index = rows - 4;
    return index >= 0 && index <= kMaxPointCount - 2 ? index : -1;
}

}  // namespace quorvel
