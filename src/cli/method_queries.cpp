#include "cli/method_queries.h"

#include <exception>

#include "tank/density.h"
#include "tank/level_from_volume.h"
#include "tank/number_format.h"
#include "tank/tank_reader.h"

namespace quorvel::cli {
namespace {

using ld = long double;

std::string twoDecimals(ld value) {
    return FormatTwoDecimals(value);
}

}  // namespace

void printComparison(const CapacityTable& table, std::ostream& out) {
    const std::vector<double> exact = tableTotals(table.config, Method::Exact);
    const std::vector<double> classic = tableTotals(table.config, Method::Classic);
    const bool weights = table.config.useDensity;
    for (std::size_t i = 0; i < table.tableRows.size(); ++i) {
        const ld difference = (static_cast<ld>(exact[i]) - classic[i]) * 1000;
        out << table.tableRows[i];
        if (weights) {
            out << ',' << table.weightTexts[i];
        }
        out << ',' << twoDecimals(static_cast<ld>(exact[i]) * 1000) << ','
            << twoDecimals(difference) << ',';
        if (exact[i] != 0) {
            out << twoDecimals(difference / (static_cast<ld>(exact[i]) * 1000) * 100);
        }
        out << '\n';
    }
}

bool printLevelForQuantity(const TableOptions& options, FieldSource& form, UiServices& ui,
                           std::ostream& out) {
    try {
        const std::optional<TankConfig> config = buildTankConfig(form, ui);
        if (!config) {
            return false;
        }
        const bool byWeight = options.weightKg.has_value();
        double perM3 = 1000;  // litres, or kilograms with the density
        if (byWeight) {
            if (!config->useDensity) {
                ui.showError("按重量求液位需要液体密度：请选中“重量输入密度”并输入密度！");
                return false;
            }
            perM3 = MiDu(form);
            if (!(perM3 > 0)) {
                ui.showError("液体密度必须大于0！");
                return false;
            }
        }
        const double asked = byWeight ? *options.weightKg : *options.volumeLitres;
        LevelSearch found = levelForVolume(
            *config, static_cast<double>(static_cast<ld>(asked) / perM3), options.method);
        // The full tank as its two-decimal text: a table's last row typed back is that level.
        if (found.outcome == LevelSearch::Outcome::AboveFull &&
            twoDecimals(asked) == twoDecimals(static_cast<ld>(found.highest) * perM3)) {
            found = levelForVolume(*config, found.highest, options.method);
        }
        const std::string what = byWeight ? "重量 " : "容积 ";
        const std::string unit = byWeight ? " 千克" : " 升";
        switch (found.outcome) {
            case LevelSearch::Outcome::Found:
                out << twoDecimals(found.level) << '\n';
                return true;
            case LevelSearch::Outcome::AboveFull:
                ui.showError(what + twoDecimals(asked) + unit + "超过最高液位 " +
                             twoDecimals(readableLevels(*config).to) + " 毫米处的" + what +
                             twoDecimals(static_cast<ld>(found.highest) * perM3) + unit + "！");
                return false;
            case LevelSearch::Outcome::BelowEmpty:
                ui.showError(what + twoDecimals(asked) + unit + "低于最低液位 " +
                             twoDecimals(readableLevels(*config).from) + " 毫米处的" + what +
                             twoDecimals(static_cast<ld>(found.lowest) * perM3) + unit + "！");
                return false;
        }
    } catch (const std::exception& e) {
        ui.showError(e.what());
    }
    return false;
}

}  // namespace quorvel::cli
