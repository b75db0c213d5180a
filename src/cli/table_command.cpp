#include "cli/table_command.h"

#include <filesystem>

#include "app/error_boundary.h"
#include "app/level_operations.h"
#include "app/method_operations.h"
#include "app/range_notes.h"
#include "app/start_and_close.h"
#include "app/table_documents.h"
#include "app/table_operations.h"
#include "cli/cli_messages.h"
#include "cli/console_ui.h"
#include "cli/form_edits.h"
#include "cli/spooled_text.h"
#include "cli/table_options.h"
#include "cli/table_printing.h"
#include "form/method_controls.h"
#include "form/request_fields.h"
#include "output/row_spool.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "text/number_format.h"

namespace quorvel::cli {
namespace {

// The window reads a settings file that does not exist as an empty one; on a command line
// that is a mistyped name, and a table computed from an empty form would hide it. A name
// that is there but no file to read (a folder, a FIFO) is refused by the load itself.
void requireFile(const std::optional<std::string>& path, std::string_view what) {
    std::error_code ec;
    if (path && !std::filesystem::exists(*path, ec)) {
        throw UsageError(cli_messages::fileMissing(what, *path));
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

// The table (printed, written) or the quick result; whether it was computed. The same
// operations as the window's, on the window without widgets.
bool runRequest(const TableOptions& options, app::MemoryWindow& window, std::ostream& out,
                std::ostream& err) {
    ConsoleUi ui(err);
    const Method method = options.method.value_or(app::chosenMethod(window));
    if (options.quantity.level) {
        return runQuantity(options, window, ui, method, out);
    }
    if (options.ullage || options.quickLevel) {
        // The level typed, or the one the ullage gives below the reference height.
        bool computed = false;
        if (options.ullage) {
            window.setText(kUllageField, *options.ullage);
            computed = app::quickAtUllage(window, ui, method).has_value();
        } else {
            window.setText(kQuickLevelField, *options.quickLevel);
            computed = static_cast<bool>(app::quick(window, ui, method));
        }
        if (!computed || ui.sawError()) {
            return false;
        }
        out << window.text(kQuickResultField) << '\n';
        return out.good();
    }
    if (options.volumeLitres || options.weightKg) {
        const app::QuantityAsked asked{options.weightKg.value_or(options.volumeLitres.value_or(0)),
                                       options.weightKg.has_value()};
        const std::optional<double> level = app::levelForQuantity(window, ui, asked, method);
        if (!level) {
            return false;
        }
        out << FormatTwoDecimals(*level) << '\n';
        return out.good();
    }
    const std::optional<app::TableWalk> request = app::readTable(window, ui);
    if (!request || ui.sawError()) {
        return false;
    }
    // What the window's confirmation notes below the summary (a range beyond what the tank
    // describes, an unlikely density), printed with the summary of --out.
    const std::string notes = app::tableNotes(request->config, window);
    bool ok = true;  // nothing has stopped the run
    // The PDF lays out its pages from the rows held; a workbook alone takes them from a
    // spool on disk, so a table of any length is written in the same memory.
    std::optional<CapacityTable> table;
    std::optional<RowSpool> spool;
    std::optional<SpooledText> printed;  // a spooled table's CSV, printed once it is saved
    if (options.workbookFile || options.pdfFile) {
        table.emplace();
        table->config = request->config;
        table->method = method;
        if (!app::describeTable(*table, window, ui)) {
            return false;
        }
        if (!options.pdfFile) {
            spool.emplace();
            if (options.csv) {
                printed.emplace();
            }
        }
        ok = app::walkTable(*request, method, ui, [&](const TableRow& row) {
            if (spool) {
                spool->append(row);
                if (printed) {
                    printed->appendRow(row);
                }
                return;
            }
            table->tableRows.emplace_back(row.text);
            if (request->densityKgPerM3) {
                table->weightTexts.emplace_back(row.weight);
            }
        });
        app::nameMethod(*table, method);
    }
    if (ok && options.workbookFile) {
        // The box of a failed save carries the system's reason on its second line.
        WorkbookSession session;
        session.promptNote = notes;
        ok = (spool ? app::saveTable(*table, *spool, *options.workbookFile, ui, &session)
                    : app::saveTable(*table, *options.workbookFile, ui, &session)) &&
             !ui.sawError();
    }
    if (ok && options.pdfFile) {
        ok = app::writeTablePdf(*table, *options.pdfFile, ui).has_value() && !ui.sawError();
    }
    if (ok && options.compare) {
        ok = app::walkComparison(*request, ui, [&](const TableRow& row, double exactM3) {
            printComparisonRow(row, exactM3, out);
        });
    } else if (ok && printed) {
        ok = app::guarded(ui, [&]() -> std::optional<bool> {
                 printed->copyTo(out);
                 return true;
             }).value_or(false);
    } else if (ok && table) {
        for (std::size_t i = 0; options.csv && i < table->tableRows.size(); ++i) {
            const std::string_view weight =
                table->weightTexts.empty() ? std::string_view() : table->weightTexts[i];
            printRow(TableRow{0, 0, table->tableRows[i], weight}, out);
        }
    } else if (ok) {
        // Rows go out as they are computed; without --csv the table is computed all the same.
        ok = app::walkTable(*request, method, ui, [&](const TableRow& row) {
            if (options.csv) {
                printRow(row, out);
            }
        });
    }
    ok = ok && out.good();
    if (ok && options.curvePoints) {
        const std::optional<CapacityCurve> curve = app::tankCurve(
            request->config, *options.curvePoints, request->densityKgPerM3, method, ui);
        ok = curve.has_value();
        if (ok) {
            printCurve(*curve, out);
            ok = out.good();
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
        requireFile(options.settingsFile, cli_messages::kSettingsFile);
        requireFile(options.gridFile, cli_messages::kGridFile);
        // The window's start-up steps.
        app::loadStoredFiles(window, options.settingsFile, options.gridFile);
        app::finishStartUp(window);
        for (const FormEdit& edit : options.edits) {
            applyEdit(window.form(), edit);
        }
    } catch (const UsageError& e) {
        err << cli_messages::kProgram << e.what() << '\n' << cli_messages::kSeeHelp << '\n';
        return kExitUsage;
    } catch (const std::exception& e) {
        err << cli_messages::kProgram << e.what() << '\n';
        return kExitStopped;
    }
    bool ok = runRequest(options, window, out, err);
    // Like the window at close, the files are written whatever became of the request.
    try {
        saveFiles(options, window.form());
    } catch (const std::exception& e) {
        err << cli_messages::kProgram << e.what() << '\n';
        ok = false;
    }
    return ok ? kExitOk : kExitStopped;
}

}  // namespace quorvel::cli
