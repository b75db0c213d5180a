// The calibration grid StringGrid1 as the grid of texts the core reads and the grid file
// routines load and save. Row 0 and column 0 are fixed cells: not editable, drawn in the
// fixed-cell colour. Every text is centred in its cell.
#pragma once

#include <QTableWidget>

#include "form/grid_cells.h"

namespace quorvel::ui {

class GridWidgetCells : public GridCells {
  public:
    explicit GridWidgetCells(QTableWidget& table) : table_(table) {}

    int colCount() const override { return table_.columnCount(); }
    int rowCount() const override { return table_.rowCount(); }
    void setColCount(int cols) override;
    void setRowCount(int rows) override;
    std::string cell(int col, int row) const override;
    void setCell(int col, int row, const std::string& text) override;

    // Gives every fixed cell its item, so it cannot be edited even while empty.
    void markFixedCells();

  private:
    QTableWidgetItem& itemAt(int col, int row);
    QTableWidget& table_;
};

}  // namespace quorvel::ui
