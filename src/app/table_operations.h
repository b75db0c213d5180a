// The capacity table for both front ends: read and walked, saved as the workbook, compared
// with the true geometry, drawn as a curve. Every stop and error is shown here, through `ui`.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "form/field_source.h"
#include "output/capacity_workbook.h"
#include "ports/ui_services.h"
#include "tank/capacity_curve.h"
#include "tank/capacity_table.h"
#include "tank/method.h"

namespace quorvel::app {

// Reads the table request, refuses an interval not greater than zero, an overlong table and
// one without a row (the first level above the last), reads the density once (MiDu, which
// may set ComboBox1) and walks the levels. nullopt when the request stopped; its message or
// error box has been shown.
std::optional<CapacityTable> makeTable(FieldSource& form, UiServices& ui,
                                       Method method = Method::Classic);

// Asks, writes the workbook to `path` and opens it (SaveFileToExcel3). Whether it was saved.
// A path no save may replace (files/save_target.h) is refused in a box before the question.
bool saveTable(const CapacityTable& table, const std::string& path, UiServices& ui,
               std::string* saveFailure = nullptr, const WorkbookProgress& progress = {});

// The total of each row of `table` by the classic method and by the true geometry, cubic
// metres; nullopt (shown) when the tank is no solid for the true geometry.
struct MethodTotals {
    std::vector<double> classic;
    std::vector<double> exact;
};
std::optional<MethodTotals> compareMethods(const CapacityTable& table, UiServices& ui);

// The curve of `count` levels over the tank's height, by `method`, in the quantity the table
// shows (kilograms with its density). nullopt when it could not be formed (shown).
std::optional<CapacityCurve> tankCurve(const TankConfig& config, std::size_t count,
                                       std::optional<double> densityKgPerM3, Method method,
                                       UiServices& ui);

}  // namespace quorvel::app
