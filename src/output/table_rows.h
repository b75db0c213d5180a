// The rows of a walked capacity table as every document reads them, however they are kept:
// held in memory as the window's lists (HeldRows), or spooled on disk for a table of any
// length (RowSpool, output/row_spool.h). A row is its texts as the table prints them — the
// level, the litres and, with weights, the kilograms — and the numbers those texts stand for,
// so the sheet shows exactly the printed numbers. A column to come (a mark, an uncertainty) is
// one more member of both and of what the walk hands over (tank/capacity_table.h: TableRow).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tank/capacity_curve.h"
#include "text/row_text.h"

namespace quorvel {

// The numbers of a row, read from its texts when the row was kept.
struct RowNumbers {
    double level = 0;        // mm
    double volume = 0;       // L
    double weight = 0;       // kg; 0 without weights
    double uncertainty = 0;  // U (k = 2), L; 0 without U
};

// The texts of a row; `weight` empty without weights.
struct RowTexts {
    std::string_view level;
    std::string_view volume;
    std::string_view weight;
    std::string_view uncertainty;  // empty without U
};

class TableRows {
  public:
    virtual ~TableRows() = default;
    virtual std::size_t size() const = 0;
    // Rows first … first + count − 1 into out[0 … count − 1]; requires first + count ≤ size().
    // The workbook is written row by row of its sheet, which takes the table's rows out of
    // order (one from each column block), so numbers are read in short runs.
    virtual void read(std::size_t first, std::size_t count, RowNumbers* out) const = 0;
    // The texts of row i, valid until the next call. Reading the rows in order is cheap;
    // going back starts again from the first row.
    virtual RowTexts texts(std::size_t i) const = 0;
    // The weights kept: one per row, or none for a table without weights.
    virtual std::size_t weightCount() const = 0;
    // The expanded uncertainties kept: one per row, or none for a table without them.
    virtual std::size_t uncertaintyCount() const { return 0; }
};

// A row text "level,litres" split at its first comma, as every document splits it.
RowTexts splitRowText(std::string_view row, std::string_view weight = {},
                      std::string_view uncertainty = {});

// The rows a table holds as texts (the window's lists ListBox1 and ListBox2): each run's
// numbers parsed when read. Throws ConversionError, naming the row, for a text that is not a
// number.
class HeldRows final : public TableRows {
  public:
    // `weightTexts` and `uncertaintyTexts` empty, or one per row; all must outlive this.
    HeldRows(const std::vector<std::string>& tableRows, const std::vector<std::string>& weightTexts,
             const std::vector<std::string>& uncertaintyTexts = noTexts())
        : rows_(tableRows), weights_(weightTexts), uncertainties_(uncertaintyTexts) {}
    std::size_t size() const override { return rows_.size(); }
    void read(std::size_t first, std::size_t count, RowNumbers* out) const override;
    RowTexts texts(std::size_t i) const override;
    std::size_t weightCount() const override { return weights_.size(); }
    std::size_t uncertaintyCount() const override { return uncertainties_.size(); }

  private:
    static const std::vector<std::string>& noTexts();
    const std::vector<std::string>& rows_;
    const std::vector<std::string>& weights_;
    const std::vector<std::string>& uncertainties_;
};

// The curve of a walked table: the litres of each row, or its kilograms when it has weights
// (at `densityKgPerM3`, which the measured points of a calibrated tank are weighed at), as the
// rows print them.
CapacityCurve capacityCurve(const TableRows& rows, const TankConfig& config,
                            std::optional<double> densityKgPerM3);

}  // namespace quorvel
