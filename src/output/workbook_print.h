// How the capacity table workbook prints: on A4 portrait with margins for binding, each page
// holding whole column blocks (as many side by side as fit with text of at least 8 points;
// a table narrower than its one-row title shrunk with the title's columns to one page width),
// a page break between blocks so that no column is parted from its levels, the header row
// repeated on every page and the page number in the footer. One rule for every writer of the
// sheet; it changes no cell.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "output/table_layout.h"

namespace quorvel {

// Margins in millimetres: the left one wide enough to bind or punch.
inline constexpr double kBindingMarginMm = 25;
inline constexpr double kOuterMarginMm = 15;
inline constexpr double kTopMarginMm = 20;
inline constexpr double kBottomMarginMm = 20;
inline constexpr double kFooterMarginMm = 10;  // from the paper's edge to the footer

// The cells' font size (the book's default font) and the smallest size a printed page may
// shrink it to.
inline constexpr double kSheetFontPoints = 11;
inline constexpr double kLeastPrintedPoints = 8;

struct WorkbookPrint {
    int zoom = 100;         // % of the sheet's size, with the widths planned for
    int blocksPerPage = 1;  // column blocks side by side on a page
    // The pages side by side the print area fills: the sheet is printed fit to that width
    // (and as many pages down as it takes), so each page holds its blocks whole whatever the
    // font a spreadsheet program measures the columns with (a Calibri-metric font or not).
    int pagesWide = 1;
    std::vector<int> columnBreaks;    // a page break left of each
    int repeatRow = 2;                // the header row, on every page
    int lastRow = 2, lastColumn = 2;  // the print area starts at row 0, column 0
    std::string footer;               // in the file format's codes
};

// The print rules of a sheet laid out as `layout`; `tankNumber` (may be empty) goes into the
// footer as "罐号：…".
WorkbookPrint workbookPrint(const TableLayout& layout, const std::string& tankNumber);

// Why a sheet laid out as `layout` cannot print as `print` says: more page breaks between
// its blocks than a sheet holds, with the block size that would do; nothing when it can.
std::optional<std::string> pageBreakProblem(const TableLayout& layout, const WorkbookPrint& print);

// The printed width of a column of `width` character units, in points: the sheet's default
// font has digits 7 pixels wide at 96 pixels per inch, and a column adds 5 pixels of padding.
double columnPoints(double width);

// `text` with every "&" doubled, so that a header or footer shows it as written.
std::string escapeFooterText(const std::string& text);

}  // namespace quorvel
