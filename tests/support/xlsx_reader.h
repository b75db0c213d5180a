// Reads a workbook back through an independent reader (openpyxl, run by Debian's
// /usr/bin/python3), so tests check the file, never the writer's own state.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quorvel::testsupport {

struct ReadCell {
    bool isText = false;
    std::string text;
    double number = 0;
    std::string font;
    bool bold = false;
    double size = 0;
    std::string alignH;  // "-" when unset
    std::string alignV;
    bool shrink = false;
    std::string fillPattern;  // "-" when there is no fill
    std::string fillRgb;      // ARGB, e.g. FFFFFF99
    std::string numberFormat;
};

struct ReadSheet {
    std::string name;
    std::map<std::pair<int, int>, ReadCell> cells;  // (row, column) from 0
    std::map<int, double> rowHeights;
    std::map<int, std::string> rowFonts;     // font of the row's own format
    std::map<int, double> colWidths;         // as stored: characters plus the cell padding
    std::vector<std::array<int, 4>> merges;  // row first, row last, col first, col last

    // The cell at (row, col); throws when the file holds none there.
    const ReadCell& at(int row, int col) const;
    bool has(int row, int col) const { return cells.count({row, col}) != 0; }
};

struct ReadBook {
    std::vector<ReadSheet> sheets;
};

// Throws std::runtime_error (with the reader's own error output) when the file cannot be read.
ReadBook readXlsx(const std::string& path);

}  // namespace quorvel::testsupport
