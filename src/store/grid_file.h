// bd.txt: a grid of texts as plain lines — the column count, the row count, then every cell
// column by column, each on its own line — in GBK with CR LF line ends. The calibration
// points live in it between runs; any grid can be saved and loaded the same way.
#pragma once

#include <string>

#include "form/grid_cells.h"

namespace quorvel {

// The grid file's name in the folder of the stored files.
inline constexpr const char* kGridFileName = "bd.txt";

// Counts a grid file may hold; a larger count is a damaged file, not a grid to allocate.
inline constexpr int kMaxGridColumns = 1000;
inline constexpr int kMaxGridRows = 100000;
// Cells a grid file may hold in all. The window's grid has 3 columns and at most 1,001 rows
// (3,003 cells); the cap is 33 times that and as many cells as the tallest single column, so
// no grid the program makes reaches it, while the promised cells of a damaged file — each an
// empty text of 32 bytes before any is read — stay within about 3 MB instead of the 1.2 GB
// that 592 columns of 65,992 rows, both within their own limits, would take.
inline constexpr int kMaxGridCells = 100000;

// Replaces `path` atomically. Throws FileError, naming the cell, when a cell holds a line
// break or a character without a GBK form, when the grid is larger than a file may hold,
// or when the file cannot be written; the previous file then stays as it was.
void SaveStringGrid(const GridCells& grid, const std::string& path);

// Sets the grid's counts and cells from `path`. A count is read past blanks, tabs and line
// ends, ends at the next one, and the rest of its line is ignored; at the end of the file it
// reads as 0. A cell is the text of its line up to the first CR (a line ends at LF, with or
// without CR); cells past the end of the file become empty.
// Throws FileError:
//  - the file cannot be opened or read, or a cell line is not GBK text: nothing changes;
//  - the column count is not an integer, negative or over kMaxGridColumns: nothing changes;
//  - the row count is not an integer: the column count is applied, no cell is read;
//  - the row count is negative or over kMaxGridRows, or the cells of both counts are more
//    than kMaxGridCells: nothing changes.
void LoadStringGrid(GridCells& grid, const std::string& path);

}  // namespace quorvel
