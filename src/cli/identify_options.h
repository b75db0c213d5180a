// quorvel-table --identify: how a tilted tank lies, identified from a log of dips and metered
// volumes by the window's "变位识别" operation, printed as "name,value" lines; with --csv,
// --out or --pdf the table is then made with the fitted α and β, as after "应用".
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "app/memory_window.h"
#include "ports/ui_services.h"

namespace quorvel::cli {

struct TableOptions;
struct OptionSpec;

struct IdentifyOptions {
    std::optional<std::string> file;  // --identify FILE
    std::optional<bool> absolute;     // --data outflow|absolute
    std::optional<std::string> fit;   // --fit alpha,beta,offset (default alpha,beta)
    bool withoutOutliers = false;     // --drop-outliers
};

// The rows of the option table.
std::span<const OptionSpec> identifyOptions();

// Throws UsageError for an option of the identification without --identify, --identify
// without --data, an unknown word in --fit, or --identify beside a request of one result.
void checkIdentifyOptions(const TableOptions& options);

// What --help says of the identification's output.
std::string_view identifyUsage();

// Reads the log, identifies the tank on `window` and prints the lines; with `apply`, writes
// the fitted α and β into the page as "应用" does. False when it stopped (its message shown).
bool runIdentify(const TableOptions& options, app::MemoryWindow& window, UiServices& ui,
                 std::ostream& out, bool apply);

}  // namespace quorvel::cli
