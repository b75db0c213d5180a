// "导入罐容表…" of the calibration page and quorvel-table --import-table: a capacity table
// an institute or another program issued (store/level_volume_file.h) is read, checked
// (tank/point_checks.h) and, when nothing in it is wrong, made the calibration grid's points.
#pragma once

#include <string>
#include <vector>

#include "app/calibration_page.h"
#include "app/window_form.h"
#include "ports/ui_services.h"
#include "store/level_volume_file.h"

namespace quorvel::app {

// What reading and checking a table found. Each finding is a sentence naming its row.
struct TableImport {
    std::vector<LevelVolumePoint> points;
    std::vector<std::string> faults;    // the table cannot replace the grid
    std::vector<std::string> warnings;  // worth a look; the user may accept them
    std::string summary;  // "读到 261 个标定点（2 栏，高度 0 ～ 2600 mm）"
};

// Reads and checks the file at `path`. A file that cannot be read is one fault naming the
// file and the reason; so are fewer than two points and more than the grid holds
// (kMaxPointCount + 1, the origin row being one of them).
TableImport readTableImport(const std::string& path);

// The grid takes `points`: row 1 (the origin row) the first, rows 2 … the others, the count
// list their number less one; the rows of an earlier, longer grid kept aside are forgotten.
// Cells are written as the shortest decimal that reads back to each value.
void replaceGridPoints(WindowForm& form, CalibrationPage& page,
                       const std::vector<LevelVolumePoint>& points);

// The window's import of `path`: faults shown in an error box and nothing replaced; warnings
// shown in a question ("是否仍然导入？"), the grid replaced only on "是"; the status bar says
// what was imported. Returns whether the grid was replaced.
bool importTable(WindowForm& form, UiServices& ui, CalibrationPage& page, const std::string& path);

// The most findings a box lists; the rest are counted.
inline constexpr std::size_t kFindingsShown = 20;

}  // namespace quorvel::app
