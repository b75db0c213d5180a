// quorvel-table --import-table FILE and --interpolation: a capacity table issued elsewhere
// made the calibration grid's points, checked as the window's "导入罐容表…" checks it, and
// the calibrated tank's interpolation.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "app/memory_window.h"

namespace quorvel::cli {

struct OptionSpec;
struct TableOptions;

// --import-table FILE, --interpolation linear|monotone-cubic.
std::span<const OptionSpec> importOptions();

// With --import-table, reads and checks the file (app/table_import.h): its faults go to `err`
// and nothing changes (false); its warnings go to `err` and the points replace the grid. True
// without --import-table.
bool importTable(const TableOptions& options, app::MemoryWindow& window, std::ostream& err);

}  // namespace quorvel::cli
