// The capacity table for both front ends: read and walked, saved as the workbook, compared
// with the true geometry, drawn as a curve. Every stop and error is shown here, through `ui`.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "form/field_source.h"
#include "output/capacity_workbook.h"
#include "ports/ui_services.h"
#include "tank/capacity_curve.h"
#include "tank/capacity_table.h"
#include "tank/method.h"

namespace quorvel::app {

// A table request read from the window and checked, with the density its weights are formed
// at (read once for the whole walk).
struct TableWalk {
    TankConfig config;
    std::optional<double> densityKgPerM3;  // with weights ("重量输入密度")
};

// Reads the table request, refuses an interval not greater than zero, an overlong table and
// one without a row (the first level above the last), and reads the density (MiDu: a weight
// without a unit stops). nullopt when the request stopped; its message or error box has been shown.
std::optional<TableWalk> readTable(FieldSource& form, UiServices& ui);

// Walks the request's rows by `method`, handing each to `sink` as it is computed (nothing of
// the table is held). False when the walk failed (its error shown); the rows handed on before
// stand.
bool walkTable(const TableWalk& request, Method method, UiServices& ui,
               const std::function<void(const TableRow&)>& sink);

// The classic walk with the true geometry's total (m³) beside each row. False, before any
// row, when the tank is no solid for the true geometry (shown).
bool walkComparison(const TableWalk& request, UiServices& ui,
                    const std::function<void(const TableRow&, double exactM3)>& sink);

// What the form says of a table to issue: its identity (罐容表信息) and the increment switch.
// The reference height goes onto the document as typed, so it must be a level: one that is
// not a number, or below zero, is refused through `ui`. Whether the table was described.
bool describeTable(CapacityTable& table, const FieldSource& form, UiServices& ui);

// readTable, then the whole walk held as the window holds it (ListBox1/ListBox2).
std::optional<CapacityTable> makeTable(FieldSource& form, UiServices& ui,
                                       Method method = Method::Classic);

// Asks, writes the workbook to `path` and opens it (SaveFileToExcel3). Whether it was saved.
// A path no save may replace (files/save_target.h) is refused in a box before the question.
bool saveTable(const CapacityTable& table, const std::string& path, UiServices& ui,
               WorkbookSession* session = nullptr);
// The same for a table whose rows were spooled as they were walked (`rows`; the table's own
// row lists empty), for a table too long to hold.
bool saveTable(const CapacityTable& table, const TableRowNumbers& rows, const std::string& path,
               UiServices& ui, WorkbookSession* session = nullptr);

// The curve of `count` levels over the tank's height, by `method`, in the quantity the table
// shows (kilograms with its density). nullopt when it could not be formed (shown).
std::optional<CapacityCurve> tankCurve(const TankConfig& config, std::size_t count,
                                       std::optional<double> densityKgPerM3, Method method,
                                       UiServices& ui, double reach = 0);

}  // namespace quorvel::app
