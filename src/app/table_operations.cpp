#include "app/table_operations.h"

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "files/save_target.h"
#include "tank/density.h"
#include "text/number_format.h"

namespace quorvel::app {

std::optional<CapacityTable> makeTable(FieldSource& form, UiServices& ui, Method method) {
    return guarded(ui, [&]() -> std::optional<CapacityTable> {
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
        CapacityTable table;
        table.config = std::move(*config);
        std::optional<double> density;
        if (table.config.useDensity) {
            // Read once for the whole walk: a density that is not a number ends the request
            // before the first row.
            density = MiDu(form);
        }
        tabulate(table.config, density, table, method);
        return table;
    });
}

bool saveTable(const CapacityTable& table, const std::string& path, UiServices& ui,
               std::string* saveFailure, const WorkbookProgress& progress) {
    const std::optional<bool> saved = guarded(ui, [&]() -> std::optional<bool> {
        // A target no save may replace is refused before anything is asked.
        checkSavePath(path);
        return saveCapacityTable(table, path, ui, saveFailure, progress);
    });
    return saved.value_or(false);
}

std::optional<MethodTotals> compareMethods(const CapacityTable& table, UiServices& ui) {
    return guarded(ui, [&]() -> std::optional<MethodTotals> {
        MethodTotals totals;
        totals.exact = tableTotals(table.config, Method::Exact);
        totals.classic = tableTotals(table.config, Method::Classic);
        return totals;
    });
}

std::optional<CapacityCurve> tankCurve(const TankConfig& config, std::size_t count,
                                       std::optional<double> densityKgPerM3, Method method,
                                       UiServices& ui) {
    return guarded(ui, [&]() -> std::optional<CapacityCurve> {
        return capacityCurve(config, count, densityKgPerM3, method);
    });
}

}  // namespace quorvel::app
