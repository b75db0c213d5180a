#include "output/table_layout.h"

#include <algorithm>

#include "output/output_messages.h"
#include "xlsx/xl_book.h"

namespace quorvel {

TableLayout tableLayout(std::size_t rowCount, bool useDensity, int rowsPerBlock) {
    TableLayout layout;
    layout.rowCount = rowCount;
    layout.rowsPerBlock = rowsPerBlock;
    layout.blockWidth = useDensity ? 4 : 3;
    const auto n = static_cast<std::size_t>(layout.rowsPerBlock);
    layout.blocks = rowCount <= n ? 1 : (rowCount + n - 1) / n;
    return layout;
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
    const auto maxTableRows = static_cast<std::size_t>(kXlMaxRows - kFirstTableRow);
    if (rowsUsed > maxTableRows) {
        return output_messages::tooManySheetRows(rowsUsed, kXlMaxRows, maxTableRows);
    }
    return std::nullopt;
}

}  // namespace quorvel
