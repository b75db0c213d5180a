// What quorvel-table prints on standard output: the table's rows, the rows beside the true
// geometry's volumes, the curve's points.
#pragma once

#include <ostream>

#include "app/table_operations.h"
#include "tank/capacity_curve.h"
#include "tank/capacity_table.h"

namespace quorvel::cli {

// One row per level: level,litres and, with weights, ,kilograms.
void printCsv(const CapacityTable& table, std::ostream& out);

// The table as printCsv prints it, each row followed by ",exact litres,difference L,
// difference %" (exact − classic, two decimals; the % field is empty where the exact volume
// is 0).
void printComparison(const CapacityTable& table, const app::MethodTotals& totals,
                     std::ostream& out);

// The curve's points as the table's texts: the level, a comma, two decimals.
void printCurve(const CapacityCurve& curve, std::ostream& out);

}  // namespace quorvel::cli
