// The quick calculation ("计算"): the volume or weight at one level. It reads the tank as the
// table does, with its own check of the level and correction fields and without the table
// range.
#pragma once

#include <optional>

#include "form/field_source.h"
#include "form/request_fields.h"
#include "tank/method.h"
#include "tank/outcome.h"
#include "tank/tank_config.h"

namespace quorvel {

// A quick calculation read from the window.
struct QuickRequest {
    TankConfig config;      // with the correction fields and dished ratios
    double level = 0;       // mm, Edit35 limited to the tank's height
    double askedLevel = 0;  // mm, as asked, before the limit
};

// Reads the shell (its stop when a field is missing), then the level of `levelField` (Edit35,
// or the dip of the window "油量计算") and, where they apply, the correction fields Edit13,
// Edit31, Edit32, Edit33 ("呵呵，数据还没输完呢！"), then the heads of a tank that has them. A
// level below zero stops it ("液位不能为负"). The table fields are neither checked nor read.
// Throws ConversionError for a text that is not a number. A `level` given (one an ullage gave,
// which the field shows as printed) is taken as it is, the field not read.
Outcome<QuickRequest> readQuickRequest(FieldSource& form,
                                       std::string_view levelField = kQuickLevelField,
                                       std::optional<double> level = std::nullopt);

// What a quick calculation computed: the tank as read, the level used and the value shown.
struct QuickResult {
    TankConfig config;
    double level = 0;                      // mm, limited to the tank's height
    double askedLevel = 0;                 // mm, as asked
    double value = 0;                      // litres, or kilograms with a density
    std::optional<double> densityKgPerM3;  // set when the value is a weight
    std::string text;                      // the value as Edit36 shows it
    // Its expanded uncertainty (k = 2) in the value's unit, two decimals, when the dialog
    // 不确定度… asks for U; empty otherwise.
    std::string uncertaintyText;
};

// The total (m³) at the request's level by `method`. A failure inside the geometry is not
// reported: the total is formed from the parts computed.
long double quickTotal(const QuickRequest& request, Method method);

// The result that total shows: litres, or kilograms at a density.
QuickResult quickResult(const QuickRequest& request, long double totalM3,
                        std::optional<double> densityKgPerM3);

}  // namespace quorvel
