#include "output/table_layout.h"

#include <algorithm>

#include "output/output_messages.h"
#include "xlsx/xl_book.h"

namespace quorvel {

TableLayout tableLayout(std::size_t rowCount, bool useDensity, int rowsPerBlock, bool increments,
                        int titleRows, bool uncertainty) {
    TableLayout layout;
    layout.rowCount = rowCount;
    layout.rowsPerBlock = rowsPerBlock;
    layout.weights = useDensity;
    layout.increments = increments;
    layout.titleRows = titleRows;
    layout.uncertainty = uncertainty;
    layout.blockWidth = 3 + (useDensity ? 1 : 0) + (increments ? 1 : 0) + (uncertainty ? 1 : 0);
    const auto n = static_cast<std::size_t>(layout.rowsPerBlock);
    layout.blocks = rowCount <= n ? 1 : (rowCount + n - 1) / n;
    return layout;
}

int TableLayout::lastRow() const {
    const std::size_t rowsUsed = std::min(rowCount, static_cast<std::size_t>(rowsPerBlock));
    return headerRow() + static_cast<int>(rowsUsed);
}

std::vector<BlockColumn> TableLayout::columns() const {
    std::vector<BlockColumn> out{BlockColumn::RowNumber, BlockColumn::Level, BlockColumn::Volume};
    if (weights)
        out.push_back(BlockColumn::Weight);
    if (uncertainty)
        out.push_back(BlockColumn::Uncertainty);
    if (increments)
        out.push_back(BlockColumn::Increment);
    return out;
}

double columnWidth(BlockColumn column) {
    switch (column) {
        case BlockColumn::RowNumber:
            return 6;
        case BlockColumn::Level:
            return 8;
        default:
            return 11;
    }
}

std::optional<std::string> layoutProblem(const TableLayout& layout) {
    const auto width = static_cast<std::size_t>(layout.blockWidth);
    const auto maxBlocks = static_cast<std::size_t>(kXlMaxColumns) / width;
    if (layout.blocks > maxBlocks) {
        const std::size_t minRows = (layout.rowCount + maxBlocks - 1) / maxBlocks;
        return output_messages::tooManyColumns(layout.rowCount, layout.rowsPerBlock, layout.blocks,
                                               layout.blocks * width, kXlMaxColumns, minRows);
    }
    const std::size_t rowsUsed =
        std::min(layout.rowCount, static_cast<std::size_t>(layout.rowsPerBlock));
    const auto maxTableRows = static_cast<std::size_t>(kXlMaxRows - layout.firstTableRow());
    if (rowsUsed > maxTableRows) {
        return output_messages::tooManySheetRows(rowsUsed, kXlMaxRows, maxTableRows,
                                                 layout.firstTableRow());
    }
    return std::nullopt;
}

}  // namespace quorvel
