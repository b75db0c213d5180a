// The capacity table workbook: the summary is shown for confirmation, then the table rows are
// laid out in side-by-side column blocks under a title on the sheet "罐容表", saved and opened.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "output/table_document.h"
#include "ports/ui_services.h"
#include "tank/capacity_table.h"
#include "tank/tank_config.h"

namespace quorvel {

// The workbook's fixed name in the folder of the stored files.
inline constexpr const char* kWorkbookFileName = "~001.xlsx";

struct CapacityWorkbookInput {
    const std::vector<std::string>& tableRows;    // "level,volume", in table order
    const std::vector<std::string>& weightTexts;  // one per row when useDensity
    bool useDensity;
    const std::string& parameterSummary;  // lines separated by CR LF
    ShellKind shellKind;
    int rowsPerBlock;  // table rows per column block (> 0)
    // An issued table's title block; nullptr keeps the one-row title.
    const TableTitle* title = nullptr;
    std::string tankNumber = {};  // for the footer; may be empty
    bool increments = false;      // the column of litres per millimetre
};

// Told now and then how many table rows of all have been laid out, so a window can show
// progress and keep painting during a long write.
using WorkbookProgress = std::function<void(std::size_t done, std::size_t total)>;

// The summary the prompt and the title start with: "罐容标定" for a calibrated tank.
std::string workbookSummary(const CapacityWorkbookInput& input);
std::string workbookPrompt(const std::string& summary);
std::string workbookTitle(const std::string& summary);

// Asks, writes `path` and opens it. Returns whether the workbook was saved. The writer's own
// boxes are shown through `ui`: a table that does not fit on a sheet, a failed save. The box
// of a failed save keeps its fixed text; when `saveFailure` is given it receives the reason
// (the path and the system's cause), for a caller that can show more than the box.
// `progress` hears of the rows written, for a window that shows a long save. A failure of the
// library while the book is built throws ExceptionXL; a row that is not a number throws
// ConversionError: nothing is written then.
bool SaveFileToExcel3(const CapacityWorkbookInput& input, const std::string& path, UiServices& ui,
                      std::string* saveFailure = nullptr, const WorkbookProgress& progress = {});

// SaveFileToExcel3 for a walked table: with its title block when its identity is filled, and
// with the increment column when asked.
bool saveCapacityTable(const CapacityTable& table, const std::string& path, UiServices& ui,
                       std::string* saveFailure = nullptr, const WorkbookProgress& progress = {});

// The same workbook under a name the user chose ("另存为…"): nothing asked, nothing opened;
// a failed save shows the same box. Whether it was saved.
bool saveCapacityTableAs(const CapacityTable& table, const std::string& path, UiServices& ui,
                         std::string* saveFailure = nullptr);

}  // namespace quorvel
