#include "tank/capacity_table.h"

#include <algorithm>
#include <cmath>

#include "tank/density.h"
#include "tank/tank_messages.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "text/number_format.h"
#include "text/row_text.h"

namespace quorvel {
namespace {

using ld = long double;

constexpr ld kSnap = 1e-6L;  // of the interval: closer than this to the last level is it

std::string tooManyRows(long double count) {
    return tank_messages::tooManyRows(formatWholeNumber(count), std::to_string(kMaxTableRows));
}

}  // namespace

TableLevels::TableLevels(double from, double to, double step)
    : from_(from), to_(to), step_(step), threshold_(static_cast<ld>(to) - kSnap * step) {
    if (!(from <= to)) {
        return;
    }
    // n steps reach the last level; the estimate is refined against the level test itself.
    const ld span = (static_cast<ld>(to) - from) / step;
    ld n = std::max(std::ceil(span - kSnap), 0.0L);
    if (n > static_cast<ld>(kMaxTableRows)) {
        count_ = n + 1;
        return;
    }
    auto steps = static_cast<std::size_t>(n);
    while (steps > 0 && levelBefore(steps - 1) >= threshold_) {
        --steps;
    }
    while (levelBefore(steps) < threshold_ && steps <= kMaxTableRows) {
        ++steps;
    }
    count_ = static_cast<ld>(steps) + 1;
}

long double TableLevels::levelBefore(std::size_t i) const {
    return static_cast<ld>(static_cast<double>(from_ + static_cast<ld>(i) * step_));
}

double TableLevels::operator[](std::size_t i) const {
    const ld level = levelBefore(i);
    return level >= threshold_ ? to_ : static_cast<double>(level);
}

void tabulate(const TankConfig& config, std::optional<double> densityKgPerM3, CapacityTable& table,
              Method method) {
    const auto count = static_cast<std::size_t>(
        TableLevels(config.levelFrom, config.levelTo, config.levelStep).count());
    table.tableRows.reserve(table.tableRows.size() + count);
    if (densityKgPerM3) {
        table.weightTexts.reserve(table.weightTexts.size() + count);
    }
    table.method = method;
    forEachRow(config, densityKgPerM3, method, [&](const TableRow& row) {
        table.tableRows.emplace_back(row.text);
        if (densityKgPerM3) {
            table.weightTexts.emplace_back(row.weight);
        }
    });
}

Outcome<TankConfig> readTableRequest(FieldSource& form) {
    Outcome<TankConfig> config = buildTankConfig(form);
    if (!config) {
        return config;
    }
    if (!(config->levelStep > 0)) {
        return messageStop(std::string(tank_messages::kStepNotPositive));
    }
    const TableLevels levels(config->levelFrom, config->levelTo, config->levelStep);
    if (levels.count() > static_cast<ld>(kMaxTableRows)) {
        return messageStop(tooManyRows(levels.count()));
    }
    return config;
}

}  // namespace quorvel
