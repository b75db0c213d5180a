#include "cli/table_command.h"

#include <filesystem>

#include "app/error_boundary.h"
#include "app/level_operations.h"
#include "app/method_operations.h"
#include "app/start_and_close.h"
#include "app/table_request.h"
#include "app/tank_batch.h"
#include "app/tank_register.h"
#include "cli/cli_messages.h"
#include "cli/console_ui.h"
#include "cli/form_edits.h"
#include "cli/identify_options.h"
#include "cli/import_options.h"
#include "cli/table_options.h"
#include "form/method_controls.h"
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

// The table (printed, written) or the quick result; whether it was computed. The same
// operations as the window's, on the window without widgets.
bool runRequest(const TableOptions& options, app::MemoryWindow& window, std::ostream& out,
                std::ostream& err) {
    ConsoleUi ui(err);
    const Method method = options.method.value_or(app::chosenMethod(window));
    if (options.identify.file) {
        const bool table = options.csv || options.workbookFile || options.pdfFile;
        const bool fitted = runIdentify(options, window, ui, out, table);
        if (!fitted || !table) {
            return fitted;  // the table, when asked, with the fitted α and β
        }
    }
    if (options.quantity.level) {
        return runQuantity(options, window, ui, method, out);
    }
    if (options.ullage || options.quickLevel) {
        // The level typed, or the one the ullage gives below the reference height.
        std::optional<QuickResult> result;
        if (options.ullage) {
            window.setText(kUllageField, *options.ullage);
            result = app::quickAtUllage(window, ui, method);
        } else {
            window.setText(kQuickLevelField, *options.quickLevel);
            result = app::quick(window, ui, method);
        }
        if (!result || ui.sawError()) {
            return false;
        }
        out << window.text(kQuickResultField);
        if (!result->uncertaintyText.empty()) {
            out << ',' << result->uncertaintyText;  // value,U
        }
        out << '\n';
        return out.good();
    }
    if (options.volumeLitres || options.weightKg) {
        const app::QuantityAsked asked{options.weightKg.value_or(options.volumeLitres.value_or(0)),
                                       options.weightKg.has_value()};
        const std::optional<double> level = app::levelForQuantity(window, ui, asked, method);
        if (!level) {
            return false;
        }
        out << app::levelAnswerText(window, *level) << '\n';
        return out.good();
    }
    app::TableRequest table;
    table.method = method;
    table.workbook = options.workbookFile;
    table.pdf = options.pdfFile;
    table.csv = options.csv;
    table.compare = options.compare;
    table.curvePoints = options.curvePoints;
    return app::runTableRequest(window, ui, table, out);
}

// --batch: every tank's documents, a line per tank on standard error, then the refusals.
int runBatch(const TableOptions& options, std::ostream& err) {
    app::BatchRequest request;
    request.tankFiles = app::batchTankFiles(*options.batch);
    request.outDir = *options.outDir;
    request.pdf = options.pdfFile.has_value();
    request.method = options.method;
    request.edit = [&options](app::MemoryWindow& window) {
        for (const FormEdit& edit : options.edits) {
            applyEdit(window.form(), edit);
        }
    };
    const app::BatchResult result = app::makeBatchTables(
        request, [&err](std::size_t i, std::size_t total, const std::string& file) {
            err << cli_messages::batchProgress(i + 1, total, file) << '\n';
            return true;
        });
    err << cli_messages::batchSummary(result.made.size(), result.refused.size()) << '\n';
    for (const app::BatchRefusal& refusal : result.refused) {
        err << cli_messages::batchRefused(refusal.tankFile, refusal.why) << '\n';
    }
    return result.refused.empty() ? kExitOk : kExitStopped;
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
        if (options.batch) {
            return runBatch(options, err);
        }
        if (options.tankFile) {
            requireFile(options.tankFile, cli_messages::kTankFile);
            std::vector<std::string> warnings;
            window.form().setActivePage(app::loadTank(window, *options.tankFile, warnings));
            for (const std::string& warning : warnings) {
                err << cli_messages::kProgram << *options.tankFile << ": " << warning << '\n';
            }
            if (options.page) {
                window.form().setActivePage(*options.page);
            }
        } else {
            window.form().setActivePage(*options.page);
            requireFile(options.settingsFile, cli_messages::kSettingsFile);
            requireFile(options.gridFile, cli_messages::kGridFile);
            // The window's start-up steps.
            app::loadStoredFiles(window, options.settingsFile, options.gridFile);
            app::finishStartUp(window);
        }
        requireFile(options.importTable, cli_messages::kImportFile);
        if (!importTable(options, window, err)) {
            return kExitStopped;
        }
        for (const FormEdit& edit : options.edits) {
            applyEdit(window.form(), edit);
        }
        if (!options.upright.empty()) {
            window.form().setUprightRows(options.upright);
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
        app::saveStoredFiles(window.form(), window.form().grid(), options.saveSettingsFile,
                             options.saveGridFile);
        if (options.saveTankFile) {
            app::saveTank(window.form(), window.form().grid(), window.form().activePage(),
                          *options.saveTankFile);
        }
    } catch (const std::exception& e) {
        err << cli_messages::kProgram << e.what() << '\n';
        ok = false;
    }
    return ok ? kExitOk : kExitStopped;
}

}  // namespace quorvel::cli
