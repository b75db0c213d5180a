// The capacity table: every level from the first to the last level at the chosen interval,
// the last level always included, each as a text row "level,litres" and, with weights on,
// a weight text.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "form/field_source.h"
#include "form/table_identity.h"
#include "tank/density.h"
#include "tank/method.h"
#include "tank/outcome.h"
#include "tank/tank_config.h"
#include "tank/volume.h"
#include "text/row_text.h"

namespace quorvel {

// Longest table generated; a longer request is refused before the walk.
inline constexpr std::size_t kMaxTableRows = 1'000'000;

// What a table is beside its rows, as its documents show it: the request the rows came from
// (parameterSummary, shellKind, useDensity, rowsPerBlock), how the volumes were computed and,
// for a table to issue, its identity and whether it carries the increment column.
struct TableHead {
    TankConfig config;
    Method method = Method::Classic;  // how the volumes were computed
    TableIdentity identity;           // "罐容表信息"; all empty: no title block
    bool increments = false;          // the column of litres per millimetre
    // "变位识别": the figures of the fit whose α and β the tilted tank has; empty otherwise.
    std::string tiltIdentification;
    // The column "U(k=2) L" of each row's expanded uncertainty, its rows whose U exceeds this
    // share of their volume (%) marked; none without the column.
    std::optional<double> uncertaintyLimit;
};

// A table with its rows held as texts, as the window's lists hold them.
struct CapacityTable : TableHead {
    std::vector<std::string> tableRows;
    std::vector<std::string> weightTexts;       // one per row with useDensity, else empty
    std::vector<std::string> uncertaintyTexts;  // one per row with uncertaintyLimit, else empty
};

// The levels of a table. Level i is from + i × step (no drift from repeated addition); a
// level within a millionth of the step below `to`, or beyond it, is `to` itself and the
// last one. No levels when from > to. Requires step > 0.
class TableLevels {
  public:
    TableLevels(double from, double to, double step);
    // The number of levels; for a request too long to walk, an estimate above kMaxTableRows.
    long double count() const { return count_; }
    double operator[](std::size_t i) const;

  private:
    long double levelBefore(std::size_t i) const;
    double from_, to_, step_;
    long double threshold_;
    long double count_ = 0;
};

// The walk itself: every level of config's range with its volume (cubic metres), computed
// level after level as a table row is, so a level that fails keeps the total before it.
// A template, so the row builder of a long table is called without an indirection.
template <typename Visit>
void forEachLevel(const TankConfig& config, Visit&& visit, Method method = Method::Classic) {
    const TableLevels levels(config.levelFrom, config.levelTo, config.levelStep);
    const auto count = static_cast<std::size_t>(levels.count());
    const VolumeModel volume(config, method);
    VolumeState state;
    // Computed in runs, handed over one by one.
    constexpr std::size_t kRun = 64;
    double at[kRun];
    double totals[kRun];
    for (std::size_t first = 0; first < count; first += kRun) {
        const std::size_t n = std::min(kRun, count - first);
        for (std::size_t k = 0; k < n; ++k) {
            at[k] = levels[first + k];
        }
        volume(at, n, config.levelStep, state, totals);
        for (std::size_t k = 0; k < n; ++k) {
            visit(at[k], totals[k]);
        }
    }
}

// A row of the table as it is written: the level and total behind it, its text "level,litres"
// and, at a density, its weight text (VtoEdit). The texts hold until the next row.
struct TableRow {
    double level = 0;       // mm
    double totalM3 = 0;     // m³
    std::string_view text;  // "level,litres"
    std::string_view weight;
    std::string_view uncertainty;  // U (k = 2) in litres, two decimals; empty without U
};

// The walk's rows, in order, one call of `sink` per row, as they are computed: nothing of the
// table is held. With a density (kg/m^3) each row has its weight text.
template <typename Sink>
void forEachRow(const TankConfig& config, std::optional<double> densityKgPerM3, Method method,
                Sink&& sink) {
    std::string text;  // reused by every row
    std::string weight;
    forEachLevel(
        config,
        [&](double level, double total) {
            text.clear();
            appendTableRow(text, level, shownQuantity(total, std::nullopt), config.units);
            if (densityKgPerM3) {
                weight = VtoEdit(total, densityKgPerM3, config.units);
            }
            sink(TableRow{level, total, text, weight, {}});
        },
        method);
}

// The classic walk's rows with, beside each, the true geometry's total at the same level (m³):
// what the comparison of the two methods prints. Throws exact::GeometryError, before the first
// row, for a tank that is no solid for the true geometry.
template <typename Sink>
void forEachRowBesideExact(const TankConfig& config, std::optional<double> densityKgPerM3,
                           Sink&& sink) {
    const VolumeModel exact(config, Method::Exact);
    VolumeState state;
    forEachRow(config, densityKgPerM3, Method::Classic,
               [&](const TableRow& row) { sink(row, exact(row.level, config.levelStep, state)); });
}

// Reads a table request (buildTankConfig) and refuses an interval not greater than zero and
// a table of more than kMaxTableRows rows. Throws as buildTankConfig does.
Outcome<TankConfig> readTableRequest(FieldSource& form);

// The walk over a configuration already read and checked: appends one row per level and,
// when densityKgPerM3 is given, one weight text per row (VtoEdit).
void tabulate(const TankConfig& config, std::optional<double> densityKgPerM3, CapacityTable& table,
              Method method = Method::Classic);

}  // namespace quorvel
