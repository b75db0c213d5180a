// A capacity table as text, one line a row, as quorvel-table prints it on standard output: the
// table's rows (CSV), the rows beside the true geometry's volumes, the curve's points.
#pragma once

#include <ostream>

#include "output/table_rows.h"
#include "tank/capacity_curve.h"
#include "tank/capacity_table.h"

namespace quorvel {

// A row as --csv prints it: level,litres and, with weights, ,kilograms; with U, ,U litres; and
// ,head_litres when `config` is given and is an upright tank with a basis density
// (output/upright_tables.h).
void printRow(const TableRow& row, std::ostream& out, const TankConfig* config = nullptr);
// Every row of a walked table so.
void printRows(const TableRows& rows, std::ostream& out, const TankConfig* config = nullptr);

// The row as printRow prints it, followed by ",exact litres,difference L,difference %" (exact −
// classic, two decimals; the % field is empty where the exact volume is 0).
void printComparisonRow(const TableRow& row, double exactM3, std::ostream& out);

// The curve's points (mm, litres or kilograms) as the table's texts in `units`: the level, a
// comma, the value (text/unit_number.h: two decimals in the default units).
void printCurve(const CapacityCurve& curve, std::ostream& out,
                const units::OutputUnits& units = {});

}  // namespace quorvel
