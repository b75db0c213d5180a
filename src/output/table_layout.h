// How a capacity table is laid out on its sheet: blocks of N rows side by side, each block
// 3 columns wide (row number, level, volume) or 4 with weights, below a title row and a
// header row.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace quorvel {

// Sheet row of the first table row (row 0 is the title, row 1 empty, row 2 the headers).
inline constexpr int kFirstTableRow = 3;

struct TableLayout {
    std::size_t rowCount = 0;
    int rowsPerBlock = 1;
    int blockWidth = 3;
    std::size_t blocks = 1;  // at least one, so an empty table still gets its headers
};

// The layout of `rowCount` rows in blocks of `rowsPerBlock` (> 0, TankConfig::rowsPerBlock).
TableLayout tableLayout(std::size_t rowCount, bool useDensity, int rowsPerBlock);

// Why the layout does not fit on one sheet (too many columns or rows), as a message for the
// user; nullopt when it fits.
std::optional<std::string> layoutProblem(const TableLayout& layout);

}  // namespace quorvel
