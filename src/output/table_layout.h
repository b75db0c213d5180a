// How a capacity table is laid out on its sheet: blocks of N rows side by side, each block
// 3 columns wide (row number, level, volume), one more with weights and one more with the
// increments, below a title (one row, or the title block of an issued table), an empty row
// and a header row. Every rule of where a cell goes lives here, for every writer of the sheet.
#pragma once

#include "units/units.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

// Sheet row of the first table row under the one-row title (row 0 the title, row 1 empty,
// row 2 the headers).
inline constexpr int kFirstTableRow = 3;

// The one-row title is merged over columns 0 to 10, whatever the number of blocks.
inline constexpr int kTitleLastColumn = 10;
// The width of a column whose width is never set (the sheet's default), in characters.
inline constexpr double kDefaultColumnWidth = 8.43;

// The columns of a block, left to right.
enum class BlockColumn { RowNumber, Level, Volume, Weight, Uncertainty, Increment };

struct TableLayout {
    std::size_t rowCount = 0;
    int rowsPerBlock = 1;
    int blockWidth = 3;
    std::size_t blocks = 1;  // at least one, so an empty table still gets its headers
    bool weights = false;
    bool increments = false;
    bool uncertainty = false;  // the column "U(k=2) L", before the increments
    int titleRows = 1;         // rows 0 … titleRows − 1 hold the title
    units::OutputUnits units;  // the headings' units

    int headerRow() const { return titleRows + 1; }
    int firstTableRow() const { return titleRows + 2; }
    int lastColumn() const { return static_cast<int>(blocks) * blockWidth - 1; }
    // The sheet row of the last table row (the header row of an empty table).
    int lastRow() const;
    std::vector<BlockColumn> columns() const;
};

// The layout of `rowCount` rows in blocks of `rowsPerBlock` (> 0, TankConfig::rowsPerBlock),
// under `titleRows` rows of title.
TableLayout tableLayout(std::size_t rowCount, bool useDensity, int rowsPerBlock,
                        bool increments = false, int titleRows = 1, bool uncertainty = false);

// The width of a column of that kind, in character units: 6, 8, 11, 11, 11, 11.
double columnWidth(BlockColumn column);

// Why the layout does not fit on one sheet (too many columns or rows), as a message for the
// user; nullopt when it fits.
std::optional<std::string> layoutProblem(const TableLayout& layout);

}  // namespace quorvel
