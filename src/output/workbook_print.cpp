#include "output/workbook_print.h"

#include <algorithm>
#include <cmath>

#include "output/output_messages.h"
#include "xlsx/xl_book.h"

namespace quorvel {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kA4WidthPoints = 210 * kPointsPerMm;
// Spreadsheet programs do not agree on a column's printed width: LibreOffice sets a column
// about a ninth wider than Excel does. Blocks are fitted with that much room to spare.
constexpr double kWidthAllowance = 1.12;
constexpr std::size_t kLongestFooterTank = 100;  // bytes

double blockPoints(const TableLayout& layout) {
    double points = 0;
    for (BlockColumn c : layout.columns()) {
        points += columnPoints(columnWidth(c));
    }
    return points;
}

}  // namespace

std::optional<std::string> pageBreakProblem(const TableLayout& layout, const WorkbookPrint& print) {
    if (print.columnBreaks.size() <= static_cast<std::size_t>(kXlMaxPageBreaks)) {
        return std::nullopt;
    }
    // As many blocks as the pages the breaks allow hold, each as long as that needs.
    const std::size_t blocks = static_cast<std::size_t>(kXlMaxPageBreaks + 1) *
                               static_cast<std::size_t>(print.blocksPerPage);
    const std::size_t minRows = (layout.rowCount + blocks - 1) / blocks;
    return output_messages::tooManyPageBreaks(layout.rowCount, layout.rowsPerBlock, layout.blocks,
                                              print.blocksPerPage, kXlMaxPageBreaks, minRows);
}

double columnPoints(double width) {
    const double pixels = std::floor(width * 7 + 0.5) + 5;
    return pixels * 0.75;
}

std::string escapeFooterText(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c;
        if (c == '&')
            out += '&';
    }
    return out;
}

WorkbookPrint workbookPrint(const TableLayout& layout, const std::string& tankNumber) {
    WorkbookPrint print;
    const double printable = kA4WidthPoints - (kBindingMarginMm + kOuterMarginMm) * kPointsPerMm;
    const double block = blockPoints(layout) * kWidthAllowance;
    const double leastZoom = kLeastPrintedPoints / kSheetFontPoints;
    // As many blocks as fit at the smallest legible size, then as large as they fit.
    const auto fitting =
        static_cast<std::size_t>(std::max(1.0, std::floor(printable / (block * leastZoom))));
    const std::size_t perPage = std::min(layout.blocks, fitting);
    print.blocksPerPage = static_cast<int>(perPage);
    const double zoom = std::floor(100 * printable / (block * static_cast<double>(perPage)));
    print.zoom = static_cast<int>(std::clamp(zoom, std::ceil(100 * leastZoom), 100.0));
    for (std::size_t b = perPage; b < layout.blocks; b += perPage) {
        print.columnBreaks.push_back(static_cast<int>(b) * layout.blockWidth);
    }
    print.pagesWide = static_cast<int>(print.columnBreaks.size()) + 1;
    print.repeatRow = layout.headerRow();
    print.lastRow = layout.lastRow();
    print.lastColumn = layout.lastColumn();
    if (layout.titleRows == 1 && print.lastColumn < kTitleLastColumn) {
        // The one-row title reaches past a narrow table: the page shows it whole, the table
        // and the title's other columns shrunk together to the page's width.
        const double width = block * static_cast<double>(layout.blocks) +
                             columnPoints(kDefaultColumnWidth) *
                                 (kTitleLastColumn - print.lastColumn) * kWidthAllowance;
        print.zoom = static_cast<int>(
            std::clamp(std::floor(100 * printable / width), std::ceil(100 * leastZoom), 100.0));
        print.lastColumn = kTitleLastColumn;
    }
    std::string footer;
    // A footer holds at most 255 characters: a tank "number" longer than any real one is
    // left out of it (the title block still shows it).
    if (!tankNumber.empty() && tankNumber.size() <= kLongestFooterTank) {
        footer = "&L" + escapeFooterText(output_messages::kTankNumberFooter + tankNumber);
    }
    print.footer = footer + "&C" + output_messages::kPageFooter;
    return print;
}

}  // namespace quorvel
