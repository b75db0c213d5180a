#include "app/table_import.h"

#include <charconv>
#include <filesystem>

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "files/file_error.h"
#include "form/calibration_grid.h"
#include "form/controls.h"
#include "form/fields.h"
#include "form/interpolation_controls.h"
#include "tank/point_checks.h"
#include "text/decimal_text.h"

namespace quorvel::app {
namespace {

namespace msg = app_messages;

// "B12" for column 2, row 12.
std::string cellName(int column, int row) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    }
    return letters + std::to_string(row);
}

std::string where(bool workbook, int row, int column) {
    return msg::importRow(row, workbook ? cellName(column, row) : std::string());
}

std::string shown(double value) {
    return formatShortest(value);
}

// The reason a file could not be read, in the user's words.
std::string notReadReason(const FileError& e) {
    if (e.fault() == FileFault::TooLarge) {
        return msg::tooLarge(kMaxWorkbookBytes / (1024 * 1024));
    }
    if (auto reason = fileFailureReason(e)) {
        return *reason;
    }
    return std::string(msg::kImportNotWorkbook);
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

// The value as the grid holds it: the shortest decimal without exponent that reads back.
std::string cellText(double value) {
    char buffer[512];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, end.ptr);
}

// Shown in a box: the first kFindingsShown, then how many more.
std::string listed(const std::vector<std::string>& findings) {
    std::string text;
    for (std::size_t i = 0; i < findings.size() && i < kFindingsShown; ++i) {
        text.append("\n").append(findings[i]);
    }
    if (findings.size() > kFindingsShown) {
        text.append("\n").append(msg::moreFindings(findings.size() - kFindingsShown));
    }
    return text;
}

}  // namespace

TableImport readTableImport(const std::string& path) {
    TableImport result;
    LevelVolumeFile file;
    try {
        file = readLevelVolumeFile(path);
    } catch (const FileError& e) {
        result.faults.push_back(msg::importNotRead(path, notReadReason(e)));
        return result;
    }
    for (const LevelVolumeFinding& f : file.notNumbers) {
        result.faults.push_back(
            msg::importNotNumber(where(file.workbook, f.row, f.column), f.text));
    }
    const std::size_t n = file.points.size();
    if (n < 2) {
        result.faults.push_back(msg::importTooFewPoints(n));
    } else if (n > static_cast<std::size_t>(kMaxPointCount) + 1) {
        result.faults.push_back(msg::importTooManyPoints(n, kMaxPointCount + 1));
    }
    std::vector<double> levels, volumes;
    levels.reserve(n);
    volumes.reserve(n);
    for (const LevelVolumePoint& p : file.points) {
        levels.push_back(p.level);
        volumes.push_back(p.volume);
    }
    using Kind = PointFinding::Kind;
    for (const PointFinding& f : checkPoints(levels, volumes)) {
        const LevelVolumePoint& p = file.points[f.index];
        const std::string at = where(file.workbook, p.row, p.column);
        switch (f.kind) {
            case Kind::LevelFalls:
                result.faults.push_back(msg::importLevelFalls(at, shown(f.before), shown(f.here)));
                break;
            case Kind::LevelRepeated:
                result.faults.push_back(msg::importLevelRepeated(at, shown(f.here)));
                break;
            case Kind::VolumeFalls:
                result.faults.push_back(msg::importVolumeFalls(at, shown(f.before), shown(f.here)));
                break;
            case Kind::Gap:
                result.warnings.push_back(msg::importGap(at, shown(f.before), shown(f.here)));
                break;
            case Kind::IncrementJump:
                result.warnings.push_back(
                    msg::importIncrementJump(at, formatFixed(f.before, 3), formatFixed(f.here, 3)));
                break;
        }
    }
    if (n > 0) {
        result.summary =
            msg::importSummary(n, file.blocks, shown(levels.front()), shown(levels.back())) +
            msg::importUnits(file.levelFactor, file.volumeFactor);
    }
    result.points = std::move(file.points);
    return result;
}

void replaceGridPoints(WindowForm& form, CalibrationPage& page,
                       const std::vector<LevelVolumePoint>& points) {
    const int count = static_cast<int>(points.size()) - 1;
    page.forget();
    form.setItemIndex(kPointCountList, count - 2);
    GridCells& grid = form.grid();
    if (grid.colCount() < 3) {
        grid.setColCount(3);
    }
    choosePointCount(grid, count);
    writeGridHeadings(grid);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        grid.setCell(1, row, cellText(points[i].level));
        grid.setCell(2, row, cellText(points[i].volume));
    }
}

bool importTable(WindowForm& form, UiServices& ui, CalibrationPage& page, const std::string& path) {
    const TableImport table = readTableImport(path);
    const std::string name = fileName(path);
    if (!table.faults.empty()) {
        ui.messageBox(msg::importRefused(name) + listed(table.faults), msg::kImportCaption,
                      MessageButtons::Ok, MessageIcon::Error);
        form.showStatus(msg::tableNotImported(name));
        return false;
    }
    if (!table.warnings.empty() &&
        ui.messageBox(msg::importQuestion(name, table.summary) + listed(table.warnings) + "\n\n" +
                          std::string(msg::kImportAsk),
                      msg::kImportCaption, MessageButtons::YesNo,
                      MessageIcon::Warning) != MessageAnswer::Yes) {
        form.showStatus(msg::tableNotImported(name));
        return false;
    }
    replaceGridPoints(form, page, table.points);
    form.showStatus(msg::tableImported(name, table.summary));
    return true;
}

}  // namespace quorvel::app
