// A grid of texts, addressed (column, row) from 0 — the calibration point grid and anything
// the grid file routines save or load.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

class GridCells {
  public:
    virtual ~GridCells() = default;
    virtual int colCount() const = 0;
    virtual int rowCount() const = 0;
    // Resizing keeps the cells that remain; new cells are empty.
    virtual void setColCount(int cols) = 0;
    virtual void setRowCount(int rows) = 0;
    // Empty outside the grid; setting outside the grid is ignored.
    virtual std::string cell(int col, int row) const = 0;
    virtual void setCell(int col, int row, const std::string& text) = 0;
};

// The in-memory grid. Initial shape as the window designs it: 3 columns, 2 rows.
class TextGrid : public GridCells {
  public:
    TextGrid(int cols = 3, int rows = 2);
    int colCount() const override { return cols_; }
    int rowCount() const override { return rows_; }
    void setColCount(int cols) override;
    void setRowCount(int rows) override;
    std::string cell(int col, int row) const override;
    void setCell(int col, int row, const std::string& text) override;

  private:
    int cols_ = 0;
    int rows_ = 0;
    std::vector<std::vector<std::string>> columns_;  // columns_[col][row]
};

}  // namespace quorvel
