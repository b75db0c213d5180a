// A capacity table as another program or an institute issues it: level/volume points read
// from a text file (CSV or tab-separated, one "level,volume" pair a line, an optional heading
// line, UTF-8 or GBK) or from the first sheet of an .xlsx workbook (the level/volume column
// pairs of as many column blocks as it has, as the capacity table workbooks this program
// writes hold them). Nothing is checked here but that each value is a number: the order and
// shape of the points are the tank layer's to judge.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "xlsx/xl_sheet_reader.h"

namespace quorvel {

struct LevelVolumePoint {
    double level = 0;   // mm
    double volume = 0;  // litres
    int row = 0;        // the line of a text file, the sheet row of a workbook (from 1)
    int column = 0;     // the level's column (from 1)
};

// A value where a number belongs: `text` as the file holds it, empty when the cell is.
struct LevelVolumeFinding {
    int row = 0;
    int column = 0;
    std::string text;
};

struct LevelVolumeFile {
    bool workbook = false;                 // read from an .xlsx workbook
    std::vector<LevelVolumePoint> points;  // in the table's order: block by block, down each
    std::vector<LevelVolumeFinding> notNumbers;
    // The units the headings name, as factors to mm and litres: a level heading in cm
    // ("高度cm") gives 10, a volume heading in m³ ("容积m3") 1000. The points are converted.
    double levelFactor = 1, volumeFactor = 1;
    int blocks = 0;  // level/volume column pairs found (1 in a text file)
};

// The most cells read from a workbook's sheet (a table of 100,000 rows in five columns takes
// half of them).
inline constexpr std::size_t kMaxLevelVolumeCells = 1000000;

// Reads the file at `path`: a workbook when it starts as a zip does ("PK\3\4"), else text
// (a binary .xls workbook, which starts as a compound file, is refused).
// Throws FileError naming the path when the file cannot be read (files/read_file.h; at most
// kMaxWorkbookBytes) or is a workbook that cannot be (xlsx/xl_sheet_reader.h).
LevelVolumeFile readLevelVolumeFile(const std::string& path);

// The same from a file's bytes (`path` only names it in messages).
LevelVolumeFile readLevelVolumeBytes(const std::string& bytes, const std::string& path);

// How a table's columns are found, for both kinds of file. A heading row holds a level
// heading ("高度mm", "液位 cm", "Level") and a volume heading ("容积L", "体积 m3", "Volume"):
// each level column pairs with the next volume column to its right; weight ("重量Kg") and
// increment ("增量L/mm") columns and any other are left out, and so is a text longer than
// a heading or holding a colon (a title line "液位：0 ～ 2600 mm"). Each heading row starts
// a band of rows read block by block, top to bottom. Without any heading row, columns 1 and 2
// are the one pair. In each block, rows before the first number and after the last are title
// and footer rows, left out; a row between them with a level or volume that is not a number
// (or only one of the two) is a finding; a row with neither is skipped.
LevelVolumeFile levelVolumeOfCells(const std::vector<XlReadCell>& cells);

}  // namespace quorvel
