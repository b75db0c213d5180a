// What quorvel-table adds beside the table for the choice of method: the comparison columns
// and the level at which the tank holds a volume or weight.
#pragma once

#include <ostream>

#include "cli/table_options.h"
#include "platform/ui_services.h"
#include "tank/capacity_table.h"
#include "tank/field_source.h"

namespace quorvel::cli {

// The table as --csv prints it, each row followed by ",exact litres,difference L,difference %"
// (exact − classic, two decimals; the % field is empty where the exact volume is 0). Throws
// what the exact method throws for a tank that is no solid.
void printComparison(const CapacityTable& table, std::ostream& out);

// --volume / --weight: reads the request as generate does, then prints the lowest level.
// Messages through `ui`; false when no level was printed.
bool printLevelForQuantity(const TableOptions& options, FieldSource& form, UiServices& ui,
                           std::ostream& out);

}  // namespace quorvel::cli
