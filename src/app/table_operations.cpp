#include "app/table_operations.h"

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "app/method_operations.h"
#include "files/file_error.h"
#include "files/save_target.h"
#include "tank/density.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel::app {

std::optional<TableWalk> readTable(FieldSource& form, UiServices& ui) {
    return guarded(ui, [&]() -> std::optional<TableWalk> {
        std::optional<TankConfig> config = shownOutcome(ui, readTableRequest(form));
        if (!config) {
            return std::nullopt;
        }
        if (TableLevels(config->levelFrom, config->levelTo, config->levelStep).count() == 0) {
            const bool tankTop =
                config->shellKind != ShellKind::Calibrated && config->levelTo == config->height();
            ui.showMessage(app_messages::noTableRows(formatLevel(config->levelFrom),
                                                     formatLevel(config->levelTo), tankTop));
            return std::nullopt;
        }
        TableWalk request{std::move(*config), std::nullopt};
        if (request.config.useDensity) {
            // Read once for the whole walk: a density that is not a number ends the request
            // before the first row.
            request.densityKgPerM3 = shownOutcome(ui, MiDu(form));
            if (!request.densityKgPerM3) {
                return std::nullopt;
            }
        }
        return request;
    });
}

bool walkTable(const TableWalk& request, Method method, UiServices& ui,
               const std::function<void(const TableRow&)>& sink) {
    return guarded(ui,
                   [&]() -> std::optional<bool> {
                       forEachRow(request.config, request.densityKgPerM3, method, sink);
                       return true;
                   })
        .value_or(false);
}

bool walkComparison(const TableWalk& request, UiServices& ui,
                    const std::function<void(const TableRow&, double exactM3)>& sink) {
    return guarded(ui,
                   [&]() -> std::optional<bool> {
                       forEachRowBesideExact(request.config, request.densityKgPerM3, sink);
                       return true;
                   })
        .value_or(false);
}

bool describeTable(CapacityTable& table, const FieldSource& form, UiServices& ui) {
    table.identity = readTableIdentity(form);
    table.increments = form.checked(kIncrementsSwitch);
    const std::string& reference = table.identity.value(kReferenceHeightField);
    return reference.empty() || guarded(ui, [&]() -> std::optional<bool> {
                                    if (textToNumber(reference) >= 0) {
                                        return true;
                                    }
                                    ui.showError(app_messages::kReferenceHeightNegative);
                                    return false;
                                }).value_or(false);
}

std::optional<CapacityTable> makeTable(FieldSource& form, UiServices& ui, Method method) {
    std::optional<TableWalk> request = readTable(form, ui);
    if (!request) {
        return std::nullopt;
    }
    return guarded(ui, [&]() -> std::optional<CapacityTable> {
        CapacityTable table;
        table.config = std::move(request->config);
        tabulate(table.config, request->densityKgPerM3, table, method);
        nameMethod(table, method);
        if (!describeTable(table, form, ui)) {
            return std::nullopt;
        }
        return table;
    });
}

namespace {

// The one save of both: `rows` nullptr reads the rows the table holds.
bool saveTableRows(const CapacityTable& table, const TableRowNumbers* rows, const std::string& path,
                   UiServices& ui, WorkbookSession* session) {
    const std::optional<bool> saved = guarded(ui, [&]() -> std::optional<bool> {
        // A target no save may replace is refused before anything is asked.
        try {
            checkSavePath(path);
        } catch (const FileError& e) {
            if (session != nullptr) {
                session->saveFailure = e.what();
            }
            throw;
        }
        return saveCapacityTable(table, rows, path, ui, session);
    });
    return saved.value_or(false);
}

}  // namespace

bool saveTable(const CapacityTable& table, const std::string& path, UiServices& ui,
               WorkbookSession* session) {
    return saveTableRows(table, nullptr, path, ui, session);
}

bool saveTable(const CapacityTable& table, const TableRowNumbers& rows, const std::string& path,
               UiServices& ui, WorkbookSession* session) {
    return saveTableRows(table, &rows, path, ui, session);
}

std::optional<CapacityCurve> tankCurve(const TankConfig& config, std::size_t count,
                                       std::optional<double> densityKgPerM3, Method method,
                                       UiServices& ui, double reach) {
    return guarded(ui, [&]() -> std::optional<CapacityCurve> {
        return capacityCurve(config, count, densityKgPerM3, method, reach);
    });
}

}  // namespace quorvel::app
