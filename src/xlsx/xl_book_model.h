// What a book records between its creation and its save. Internal to the platform layer:
// callers only see the opaque handles of xl_book.h.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "files/file_error.h"
#include "xlsx/xl_book.h"
#include "xlsx/xl_book_check.h"

namespace quorvel {

struct XlFont {
    XlBook* book = nullptr;
    bool bold = false;
    std::string name = "Calibri";
    int size = 11;
};

struct XlFormat {
    XlBook* book = nullptr;
    const XlFont* font = nullptr;  // nullptr: the book's default font
    int alignH = XL_ALIGNH_GENERAL;
    int alignV = XL_ALIGNV_BOTTOM;
    bool shrinkToFit = false;
    int fillPattern = XL_FILLPATTERN_NONE;
    int patternColor = -1;  // palette index; -1 until set
    int numFormat = XL_NUMFORMAT_GENERAL;
};

struct XlCell {
    std::uint32_t row;
    std::uint16_t col;
    bool isText;
    const XlFormat* format;
    double number;            // when !isText
    std::uint32_t textIndex;  // into XlSheet::texts when isText
};

struct XlRowSetting {
    int row;
    double height;
    const XlFormat* format;
    bool hidden;
};

struct XlColSetting {
    int first;
    int last;
    double width;
    const XlFormat* format;
    bool hidden;
};

struct XlRange {
    int rowFirst, rowLast, colFirst, colLast;
};

struct XlHeaderFooter {
    std::string text;
    double margin;
};

// What a sheet's page setup records; unset parts are not written.
struct XlPageSetup {
    std::optional<int> paper;
    std::optional<bool> landscape;
    std::optional<double> marginLeft, marginRight, marginTop, marginBottom;
    std::optional<XlHeaderFooter> header, footer;
    std::optional<std::pair<int, int>> repeatRows;
    std::optional<XlRange> printArea;
    std::set<int> rowBreaks, colBreaks;
    std::optional<int> zoom;
    std::optional<std::pair<int, int>> fit;
};

struct XlSheet {
    XlBook* book = nullptr;
    std::string name;
    // Cells in the order written; a later write to the same cell replaces the earlier one.
    std::vector<XlCell> cells;
    std::vector<std::string> texts;
    std::vector<XlRowSetting> rows;
    std::vector<XlColSetting> cols;
    std::vector<XlRange> merges;
    XlPageSetup page;
    // The rows produced at save time (xlSheetStreamRowsA); none when source is empty.
    int streamFirst = 0, streamLast = -1;
    XlRowSource streamSource;
};

// Why a number may not go into a cell: an address outside the sheet, a format of another
// book, a value that is not finite; nullopt when it may. The one check of every number
// written, recorded now (xlSheetWriteNumA) or produced at save time.
std::optional<std::string> numberCellProblem(const XlSheet& sheet, int row, int col, double value,
                                             FormatHandle format);

struct XlBook {
    // Deques keep the addresses of their elements, which are the handles given out.
    std::deque<XlFont> fonts;
    std::deque<XlFormat> formats;
    std::deque<XlSheet> sheets;
    std::vector<std::string> customNumFormats;  // id kXlFirstCustomNumFormat + index
    std::string error;
    std::optional<FileError> saveFileError;  // behind the last failed save, if a file failed
};

// What a save gave the library: each sheet's rows and cells as they go into its part (to
// check the part holds them all), and how much that is (to bound its temporary files).
struct XlWritten {
    std::vector<XlSheetCounts> sheets;  // in sheet order
    std::uint64_t textBytes = 0;
    // More than the library's temporary files hold at once: each row and cell as its XML
    // takes them at the longest (a row's and a number cell's markup stay under 100 and 80
    // bytes), twice over — the rows' file and the worksheet part made from it — and a
    // mebibyte for the other parts.
    std::uint64_t temporaryBytesBound() const {
        std::uint64_t bytes = textBytes;
        for (const XlSheetCounts& s : sheets) {
            bytes += s.rows * 100 + s.cells * 80;
        }
        return 2 * bytes + (std::uint64_t{1} << 20);
    }
};

// Produces the .xlsx file of `book` at `path` (written in place, not atomically), the
// library's temporary files in `temporaryFolder`. Throws std::runtime_error with the reason
// when libxlsxwriter fails.
XlWritten writeXlsxFile(const XlBook& book, const std::string& path,
                        const std::string& temporaryFolder);

}  // namespace quorvel
