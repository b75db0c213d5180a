// bd.txt: a grid of texts as plain lines — the column count, the row count, then every cell
// column by column, each on its own line — in GBK with CR LF line ends. The calibration
// points live in it between runs; any grid can be saved and loaded the same way.
#pragma once

#include <cstdint>
#include <string>

#include "files/file_error.h"
#include "form/grid_cells.h"
#include "form/interpolation_controls.h"
#include "store/save_over.h"

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
static_assert(kMaxGridCells / 3 - 2 == kMaxPointCount, "the point count list fits bd.txt");

// A grid file whose counts make no grid. what() says it in a sentence; the fields let a
// window say it in its own words.
class GridCountError : public FileError {
  public:
    enum class Fault { NotAnInteger, Negative, OverLimit, TooManyCells };
    GridCountError(const std::string& what, const std::string& path, Fault fault)
        : FileError(what, path), fault(fault) {}
    Fault fault;
    bool isRowCount = false;  // else the column count (TooManyCells: both)
    std::string token;        // the count as written (TooManyCells: the column count)
    int line = 0;             // the line it is on
    std::int64_t limit = 0;   // OverLimit, TooManyCells
    std::string rowToken;     // TooManyCells: the row count as written
    std::int64_t cells = 0;   // TooManyCells: columns × rows
};

// Replaces `path` atomically: the counts, then every cell in GBK, GB18030 where GBK has no
// form (storedBytes: a cell that reads as the file's cell keeps its bytes). With `over`
// ReadableFile the file there is read first, and one that cannot be read (files/read_file.h) is not
// replaced. Throws FileError, naming the cell, when a cell holds a line break or a character that
// cannot be stored, when the grid is larger than a file may hold, or when the file cannot be read
// (`over`) or written; the previous file then stays as it was.
void SaveStringGrid(const GridCells& grid, const std::string& path,
                    SaveOver over = SaveOver::ReadableFile);

// Sets the grid's counts and cells from `path`. A count is read past blanks, tabs and line
// ends, ends at the next one, and the rest of its line is ignored; at the end of the file it
// reads as 0. A cell is the text of its line up to the first CR (a line ends at LF, with or
// without CR; in a file with no LF at all, at CR), read as store/text_encoding.h says (GBK,
// else UTF-8, else with U+FFFD for what is neither); cells past the end of the file become
// empty. In a file an editor saved as UTF-8 (isUtf8File: a byte-order mark, which is skipped,
// or UTF-8 throughout) the cells are read as UTF-8 first; the next save writes it in GBK.
// Throws FileError:
//  - the file does not exist (code ENOENT) or cannot be read (files/read_file.h): nothing
//    changes;
//  - GridCountError: the column count is not an integer, negative or over kMaxGridColumns:
//    nothing changes; the row count is not an integer: the column count is applied, no
//    cell is read; the row count is negative or over kMaxGridRows, or the cells of both
//    counts are more than kMaxGridCells: nothing changes.
void LoadStringGrid(GridCells& grid, const std::string& path);

}  // namespace quorvel
