// The capacity table workbook: the summary is shown for confirmation, then the table rows are
// laid out in side-by-side column blocks under a title on the sheet "罐容表", saved and opened.
#pragma once

#include "units/units.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "output/table_document.h"
#include "output/table_rows.h"
#include "output/upright_tables.h"
#include "ports/ui_services.h"
#include "tank/capacity_table.h"
#include "tank/tank_config.h"

namespace quorvel {

// The workbook's fixed name in the folder of the stored files.
inline constexpr const char* kWorkbookFileName = "~001.xlsx";

struct CapacityWorkbookInput {
    const TableRows& rows;  // in table order; weights one per row when useDensity
    bool useDensity;
    const std::string& parameterSummary;  // lines separated by CR LF
    ShellKind shellKind;
    int rowsPerBlock;  // table rows per column block (> 0)
    // An issued table's title block; nullptr keeps the one-row title.
    const TableTitle* title = nullptr;
    std::string tankNumber = {};  // for the footer; may be empty
    bool increments = false;      // the column of litres per millimetre
    // Set when some rows lie beyond what the tank describes (rowBeyondTank): their volume and
    // weight carry the mark, and `note`, below the summary of the title, says what it means.
    std::function<bool(double level)> beyondTank = {};
    std::string note = {};
    // Tables beside the main one (an upright tank's millimetre and correction tables), each on
    // a sheet of its own after "罐容表".
    std::vector<SideTable> sideTables = {};
    // The column "U(k=2) L", its rows above the limit marked (the note says what it means).
    bool uncertainty = false;
    std::function<bool(const RowNumbers&)> aboveLimit = {};
    units::OutputUnits units = {};  // what the rows are printed in: the headings say it
};

// Told now and then how many table rows of all have been laid out, so a window can show
// progress and keep painting during a long write.
using WorkbookProgress = std::function<void(std::size_t done, std::size_t total)>;

// What a front end adds to a save and learns from it.
struct WorkbookSession {
    // In: a note shown below the summary in the confirmation box (the title keeps the summary
    // alone), and the listener told of the rows laid out.
    std::string promptNote;
    WorkbookProgress progress;
    // Out: why the save failed (the path and the system's cause, shown on the box's second
    // line, below its fixed text), and what became of "open" once the workbook was saved.
    std::string saveFailure;
    std::optional<OpenOutcome> opened;
};

// The summary the prompt and the title start with: "罐容标定" for a calibrated tank.
std::string workbookSummary(const CapacityWorkbookInput& input);
// The summary, the note (when there is one) and the question, each after an empty line.
std::string workbookPrompt(const std::string& summary, const std::string& note = {});
// The summary, the note (when there is one) on the next line, then the footer.
std::string workbookTitle(const std::string& summary, const std::string& note = {});

// How a workbook is saved: asked for first and opened after, as 生成容积表 saves ~001.xlsx, or
// neither, as "另存为…" saves it under a name the user chose; and what the front end adds and
// learns (nullptr: nothing).
struct WorkbookSave {
    bool confirmAndOpen = true;
    WorkbookSession* session = nullptr;
};

// Asks (when `how` says so), writes `path` and opens it. Returns whether the workbook was
// saved. The writer's own boxes are shown through `ui`: a table that does not fit on a sheet, a
// failed save. A failure of the library while the book is built throws ExceptionXL; a row that
// is not a number throws ConversionError: nothing is written then. The rows are read while the
// book is saved, so its memory does not grow with the table.
bool SaveFileToExcel3(const CapacityWorkbookInput& input, const std::string& path, UiServices& ui,
                      const WorkbookSave& how = {});

// SaveFileToExcel3 for a walked table: with its title block when its identity is filled, and
// with the increment column when asked.
bool saveCapacityTable(const TableHead& table, const TableRows& rows, const std::string& path,
                       UiServices& ui, const WorkbookSave& how = {});

}  // namespace quorvel
