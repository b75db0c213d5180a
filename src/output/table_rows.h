// The numbers of a capacity table's rows as its workbook holds them, read by index in runs:
// the level (mm), the volume (L) and, with weights, the weight (kg), each parsed from the
// texts the table prints, so the sheet shows exactly the printed numbers. The workbook is
// written row by row of its sheet, which takes the table's rows out of order (one from each
// column block), so a source is read in short runs rather than walked once.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "text/row_text.h"

namespace quorvel {

struct RowNumbers {
    double level = 0;   // mm
    double volume = 0;  // L
    double weight = 0;  // kg; 0 without weights
};

class TableRowNumbers {
  public:
    virtual ~TableRowNumbers() = default;
    virtual std::size_t size() const = 0;
    // Rows first … first + count − 1 into out[0 … count − 1]; requires first + count ≤ size().
    virtual void read(std::size_t first, std::size_t count, RowNumbers* out) const = 0;
};

// The rows a table holds as texts (the window's lists): each run parsed when read. Throws
// ConversionError, naming the row, for a text that is not a number.
class HeldRowNumbers final : public TableRowNumbers {
  public:
    // `weightTexts` empty, or one per row; both must outlive this.
    HeldRowNumbers(const std::vector<std::string>& tableRows,
                   const std::vector<std::string>& weightTexts)
        : rows_(tableRows), weights_(weightTexts) {}
    std::size_t size() const override { return rows_.size(); }
    void read(std::size_t first, std::size_t count, RowNumbers* out) const override;

  private:
    const std::vector<std::string>& rows_;
    const std::vector<std::string>& weights_;
};

}  // namespace quorvel
