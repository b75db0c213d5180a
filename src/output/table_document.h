// What an issued capacity table says about itself: its heading, the title block's items (the
// identity fields that are filled, the total capacity, the dead volume, the fitting, the
// reference height, the levels and their step, the method, any tilt, the standard
// temperature), the parameter summary and the signature lines; and the increment column.
// The workbook and the paper document (PDF, printing) show the same items and numbers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "output/table_rows.h"
#include "tank/capacity_table.h"

namespace quorvel {

struct TitleItem {
    std::string label;
    std::string value;
};

struct TableTitle {
    std::string heading;                // "罐容表"
    std::vector<TitleItem> items;       // shown two to a line
    std::vector<std::string> summary;   // the parameter summary, one line each
    std::vector<TitleItem> signatures;  // 编制, 核验
};

// The title of `table`, the levels of its first and last row read from `rows`. Computes the
// total capacity: the volume at the tank's height by the table's method (throws as the table's
// walk does).
TableTitle tableTitle(const TableHead& table, const TableRows& rows);

// The summary lines the workbook's title starts with: "罐容标定" for a calibrated tank.
std::string tableSummary(const TableHead& table);

// Whether the row at `level` (as the row prints it, in the table's length unit) is no measured or
// computed volume of the tank as described: outside a calibrated tank's points (extrapolated) or
// above a tank's height (the full tank). Such rows are marked with kBeyondMark after their volume
// and weight, on every sheet and page.
bool rowBeyondTank(const TankConfig& config, double level);
inline constexpr const char* kBeyondMark = "*";

// A row whose expanded uncertainty exceeds the table's limit (TableHead::uncertaintyLimit):
// its U carries kUncertaintyMark.
inline constexpr const char* kUncertaintyMark = "▲";
bool rowAboveLimit(const TableHead& table, const RowNumbers& row);
// What the U column and its mark mean, below the summary; empty without the column.
std::string uncertaintyNote(const TableHead& table);
// The notes of a table below its summary (beyondTankNote, uncertaintyNote), one a line.
std::string tableNotes(const TableHead& table, const TableRows& rows);

// The note that explains the mark, in the title, when a row of `rows` is marked; else empty.
// The levels of a table rise, so only its first and last rows need looking at.
std::string beyondTankNote(const TankConfig& config, const TableRows& rows);

// The increment of a row: litres per millimetre from it to the next row, (V₂ − V₁)/(h₂ − h₁),
// from the two rows' numbers as the table prints them, rounded to three decimals (half away
// from zero); the interpolation an operator does between two printed rows. Empty for levels
// that do not rise.
std::string incrementText(LevelAndVolume row, LevelAndVolume next);

}  // namespace quorvel
