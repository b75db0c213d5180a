// The generate button: the request is read and walked, then the table goes to the workbook,
// which asks, saves and opens. The window and the headless front end both call this.
#pragma once

#include <optional>
#include <string>

#include "output/capacity_workbook.h"
#include "platform/ui_services.h"
#include "tank/capacity_table.h"
#include "tank/field_source.h"

namespace quorvel {

// The workbook's fixed name in the program folder.
inline constexpr const char* kWorkbookFileName = "~001.xlsx";

// The workbook's path: the program folder (no trailing separator) and the fixed name.
std::string workbookPath(const std::string& programFolder);

struct GeneratedTable {
    CapacityTable table;  // the rows the window keeps until the next generate
    bool saved = false;   // whether the workbook was written
};

// Hands a walked table to SaveFileToExcel3 for `path`: asks, saves, opens. Returns whether the
// workbook was written; `saveFailure`, when given, receives why a save failed; `progress`
// hears of the rows written.
bool saveCapacityTable(const CapacityTable& table, const std::string& path, UiServices& ui,
                       std::string* saveFailure = nullptr, const WorkbookProgress& progress = {});

// Reads and walks the request (buildCapacityTable), then hands the rows to SaveFileToExcel3
// for `path`. nullopt when the request stopped before a table existed; its message has been
// shown through `ui`, and the caller keeps whatever rows it held.
std::optional<GeneratedTable> generateCapacityTable(FieldSource& form, UiServices& ui,
                                                    const std::string& path,
                                                    const WorkbookProgress& progress = {});

}  // namespace quorvel
