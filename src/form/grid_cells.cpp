#include "form/grid_cells.h"

#include <algorithm>

namespace quorvel {

TextGrid::TextGrid(int cols, int rows) {
    setColCount(cols);
    setRowCount(rows);
}

void TextGrid::setColCount(int cols) {
    cols_ = std::max(cols, 0);
    columns_.resize(static_cast<size_t>(cols_),
                    std::vector<std::string>(static_cast<size_t>(rows_)));
}

void TextGrid::setRowCount(int rows) {
    rows_ = std::max(rows, 0);
    for (auto& column : columns_) {
        column.resize(static_cast<size_t>(rows_));
    }
}

std::string TextGrid::cell(int col, int row) const {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) {
        return {};
    }
    return columns_[static_cast<size_t>(col)][static_cast<size_t>(row)];
}

void TextGrid::setCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) {
        return;
    }
    columns_[static_cast<size_t>(col)][static_cast<size_t>(row)] = text;
}

}  // namespace quorvel
