#include "app/calibration_page.h"

#include <algorithm>

#include "form/calibration_grid.h"
#include "form/controls.h"
#include "form/fields.h"
#include "form/input_filter.h"
#include "form/interpolation_controls.h"
#include "text/number_text.h"

namespace quorvel::app {

void CalibrationPage::pointCountChanged(WindowForm& form) {
    const int n = textToInteger(form.text(kPointCountList));
    GridCells& grid = form.grid();
    const int rows = n + 2;
    for (int row = rows; row < grid.rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int col = 1; col < grid.colCount(); ++col) {
            cells.push_back(grid.cell(col, row));
        }
        removed_[row] = std::move(cells);
    }
    const int before = grid.rowCount();
    choosePointCount(grid, n);
    for (int row = before; row < rows; ++row) {
        auto it = removed_.find(row);
        if (it == removed_.end()) {
            continue;
        }
        for (int col = 1; col < grid.colCount() && col <= static_cast<int>(it->second.size());
             ++col) {
            grid.setCell(col, row, it->second[static_cast<std::size_t>(col - 1)]);
        }
        removed_.erase(it);
    }
}

namespace {

constexpr int kFirstPointRow = 1;  // the origin row, editable like the points
constexpr int kLevelColumn = 1;
constexpr int kVolumeColumn = 2;

// The lines of a copied block, without their line ends; a last empty line (a copy ends with
// one) is no row.
std::vector<std::string_view> blockLines(std::string_view block) {
    std::vector<std::string_view> lines;
    while (!block.empty()) {
        const std::size_t end = block.find('\n');
        std::string_view line = block.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        block = end == std::string_view::npos ? std::string_view() : block.substr(end + 1);
    }
    return lines;
}

}  // namespace

int CalibrationPage::paste(WindowForm& form, int col, int row, std::string_view block) {
    const std::vector<std::string_view> lines = blockLines(block);
    if (lines.empty()) {
        return 0;
    }
    const auto& counts = listEntries(kPointCountList);
    const int least = textToInteger(counts.front());
    const int most = kListedPointCount;
    const int first = std::max(row, kFirstPointRow);
    const int last = std::min(first + static_cast<int>(lines.size()) - 1, most + 1);
    // A block of rows from the top of the table is a new table: the grid ends with it.
    // Otherwise the grid grows to hold the block and keeps its other rows.
    const bool newTable = lines.size() > 1 && first <= kFirstPointRow + 1;
    const int lastRow = newTable ? last : std::max(last, form.grid().rowCount() - 1);
    const int count = std::clamp(lastRow - 1, least, most);
    if (count + 2 != form.grid().rowCount()) {
        form.setItemIndex(kPointCountList, count - least);
        pointCountChanged(form);
    }
    GridCells& grid = form.grid();
    for (int r = first; r <= last; ++r) {
        std::string_view cells = lines[static_cast<std::size_t>(r - first)];
        for (int c = std::max(col, kLevelColumn); c <= kVolumeColumn; ++c) {
            const std::size_t tab = cells.find('\t');
            grid.setCell(c, r, filtered(FilterKind::DigitsAndPoint, cells.substr(0, tab)));
            if (tab == std::string_view::npos) {
                break;
            }
            cells.remove_prefix(tab + 1);
        }
    }
    return last - first + 1;
}

void CalibrationPage::clear(WindowForm& form) {
    clearCalibrationGrid(form.grid());
    removed_.clear();
}

}  // namespace quorvel::app
