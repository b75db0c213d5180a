#include "app/calibration_page.h"

#include "form/calibration_grid.h"
#include "text/number_text.h"

namespace quorvel::app {

void CalibrationPage::pointCountChanged(WindowForm& form) {
    const int n = textToInteger(form.text("ComboBox2"));
    GridCells& grid = form.grid();
    const int rows = n + 2;
    for (int row = rows; row < grid.rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int col = 1; col < grid.colCount(); ++col) {
            cells.push_back(grid.cell(col, row));
        }
        removed_[row] = std::move(cells);
    }
    const int before = grid.rowCount();
    choosePointCount(grid, n);
    for (int row = before; row < rows; ++row) {
        auto it = removed_.find(row);
        if (it == removed_.end()) {
            continue;
        }
        for (int col = 1; col < grid.colCount() && col <= static_cast<int>(it->second.size());
             ++col) {
            grid.setCell(col, row, it->second[static_cast<std::size_t>(col - 1)]);
        }
        removed_.erase(it);
    }
}

void CalibrationPage::clear(WindowForm& form) {
    clearCalibrationGrid(form.grid());
    removed_.clear();
}

}  // namespace quorvel::app
