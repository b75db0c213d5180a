// The cells of a workbook's first worksheet, as an .xlsx file (Office Open XML, ECMA-376
// part 1, SpreadsheetML) holds them: read from the zip with libzip, each XML part streamed
// through expat, so a sheet of any size is read in the memory of its cells.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace quorvel {

struct XlReadCell {
    enum class Kind { Number, Text, Other };  // Other: a truth value, an error, a date
    int row = 0;                              // from 1, as the sheet names it ("B12" → 12)
    int column = 0;                           // from 1 ("B12" → 2)
    Kind kind = Kind::Other;
    // A number as the file writes it ("1234.57", "1E-3"); a text as UTF-8; the stored value
    // of any other cell.
    std::string text;
};

struct XlFirstSheet {
    std::string name;               // the sheet's name as the workbook lists it
    std::vector<XlReadCell> cells;  // in the file's order: row by row, left to right
};

// The most bytes an .xlsx file may have to be read (64 MiB; a table of 100,000 rows takes
// about 3 MB), and the most a part may inflate to (a zip bomb stops there).
inline constexpr std::size_t kMaxWorkbookBytes = std::size_t{64} * 1024 * 1024;
inline constexpr std::size_t kMaxWorkbookPartBytes = std::size_t{512} * 1024 * 1024;

// The cells holding a value of the first sheet the workbook at `path` lists (empty cells
// are left out), with at most `maxCells` of them. Throws FileError naming the path: the file
// cannot be read (files/read_file.h) or is larger than kMaxWorkbookBytes, is not a zip, has
// no worksheet, a part does not inflate or is not XML, a part inflates beyond
// kMaxWorkbookPartBytes, or the sheet holds more than `maxCells` cells.
XlFirstSheet readFirstSheet(const std::string& path, std::size_t maxCells);

// The same, from the bytes of an .xlsx file (`path` only names it in messages).
XlFirstSheet readFirstSheetBytes(const std::string& bytes, const std::string& path,
                                 std::size_t maxCells);

}  // namespace quorvel
