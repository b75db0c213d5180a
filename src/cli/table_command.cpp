#include "cli/table_command.h"

#include <filesystem>

#include "app/start_and_close.h"
#include "cli/form_edits.h"
#include "cli/method_queries.h"
#include "cli/table_options.h"
#include "output/generate_table.h"
#include "platform/console_ui.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "tank/calibration_grid.h"
#include "tank/capacity_curve.h"
#include "tank/capacity_table.h"
#include "tank/density.h"
#include "tank/number_format.h"
#include "tank/quick_calculation.h"

namespace quorvel::cli {
namespace {

void printCsv(const CapacityTable& table, std::ostream& out) {
    const bool weights = table.config.useDensity;
    for (std::size_t i = 0; i < table.tableRows.size(); ++i) {
        out << table.tableRows[i];
        if (weights) {
            out << ',' << table.weightTexts[i];
        }
        out << '\n';
    }
}

// The curve's points as the table's texts: the level, a comma, two decimals.
void printCurve(const CapacityCurve& curve, std::ostream& out) {
    for (const CurvePoint& point : curve.points) {
        out << formatLevel(point.level) << ',' << FormatTwoDecimals(point.value) << '\n';
    }
}

bool printTable(const CapacityTable& table, const TableOptions& options, UiServices& ui,
                std::ostream& out) {
    if (!options.compare) {
        printCsv(table, out);
        return out.good();
    }
    try {
        printComparison(table, out);
    } catch (const std::exception& e) {
        ui.showError(e.what());
        return false;
    }
    return out.good();
}

// The window reads a settings file that does not exist as an empty one; on a command line
// that is a mistyped name, and a table computed from an empty form would hide it.
void requireFile(const std::optional<std::string>& path, const char* what) {
    std::error_code ec;
    if (path && !std::filesystem::is_regular_file(*path, ec)) {
        throw UsageError(std::string(what) + " \"" + *path + "\" does not exist");
    }
}

// What the window writes when it closes: the settings, then the grid.
void saveFiles(const TableOptions& options, const MemoryForm& form) {
    if (options.saveSettingsFile) {
        SaveSettings(form, *options.saveSettingsFile);
    }
    if (options.saveGridFile) {
        SaveStringGrid(form.grid(), *options.saveGridFile);
    }
}

// The table (printed, written) or the quick result; whether it was computed.
bool runRequest(const TableOptions& options, app::MemoryWindow& window, std::ostream& out,
                std::ostream& err) {
    ConsoleUi ui(err);
    if (options.quickLevel) {
        window.setText("Edit35", *options.quickLevel);
        if (!quickCalculation(window, ui, options.method) || ui.sawError()) {
            return false;
        }
        out << window.text("Edit36") << '\n';
        return out.good();
    }
    if (options.volumeLitres || options.weightKg) {
        return printLevelForQuantity(options, window, ui, out) && out.good();
    }
    const std::optional<CapacityTable> table = buildCapacityTable(window, ui, options.method);
    bool ok = table.has_value() && !ui.sawError();
    if (ok && options.workbookFile) {
        // The box says what to do; a batch user also needs the system's reason.
        std::string saveFailure;
        ok = saveCapacityTable(*table, *options.workbookFile, ui, &saveFailure) && !ui.sawError();
        if (!saveFailure.empty()) {
            err << "quorvel-table: " << saveFailure << '\n';
        }
    }
    if (ok && (options.csv || options.compare)) {
        ok = printTable(*table, options, ui, out);
    }
    if (ok && options.curvePoints) {
        try {
            // The density was read once for the table; it reads the same now.
            std::optional<double> density;
            if (table->config.useDensity) {
                density = MiDu(window);
            }
            printCurve(capacityCurve(table->config, *options.curvePoints, density, options.method),
                       out);
            ok = out.good();
        } catch (const std::exception& e) {
            err << "quorvel-table: " << e.what() << '\n';
            ok = false;
        }
    }
    return ok;
}

}  // namespace

int runTableCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    app::MemoryWindow window = designedWindow();
    TableOptions options;
    try {
        options = parseTableOptions(args);
        if (options.help) {
            out << usageText();
            return kExitOk;
        }
        window.form().setActivePage(*options.page);
        requireFile(options.settingsFile, "settings file");
        requireFile(options.gridFile, "grid file");
        // The window's start-up, except that a loaded table request stands.
        app::loadStoredFiles(window, options.settingsFile, options.gridFile);
        app::finishStartUp(window, app::TableRequest::Keep);
        for (const FormEdit& edit : options.edits) {
            applyEdit(window.form(), edit);
        }
    } catch (const UsageError& e) {
        err << "quorvel-table: " << e.what() << "\n(see quorvel-table --help)\n";
        return kExitUsage;
    } catch (const std::exception& e) {
        err << "quorvel-table: " << e.what() << '\n';
        return kExitStopped;
    }
    bool ok = runRequest(options, window, out, err);
    // Like the window at close, the files are written whatever became of the request.
    try {
        saveFiles(options, window.form());
    } catch (const std::exception& e) {
        err << "quorvel-table: " << e.what() << '\n';
        ok = false;
    }
    return ok ? kExitOk : kExitStopped;
}

}  // namespace quorvel::cli
