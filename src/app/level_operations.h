// The questions about one level, for both front ends: the quick calculation ("计算") and the
// level at which the tank holds a volume or a weight. Every stop and error is shown here.
#pragma once

#include <optional>

#include "form/field_source.h"
#include "ports/ui_services.h"
#include "tank/method.h"
#include "tank/quick_calculation.h"

namespace quorvel::app {

// Reads the quick request, writes into Edit36 the litres, or with CheckBox1 the kilograms,
// at the level of Edit35 limited to the tank's height (Edit35 keeps what was typed). A
// missing field, a text that is not a number or a density that cannot be read stops the
// press with its message or error box and leaves Edit36 as it was.
std::optional<QuickResult> quick(FieldSource& form, UiServices& ui,
                                 Method method = Method::Classic);

// What a level query asks for: litres, or kilograms at the window's density.
struct QuantityAsked {
    double value = 0;
    bool weight = false;
};

// Reads the request as the table does, then the lowest level (mm) at which the tank holds
// `asked`, by `method`. Beyond the tank's range, or a weight without a density: its message
// in the standard error box and nullopt.
std::optional<double> levelForQuantity(FieldSource& form, UiServices& ui, QuantityAsked asked,
                                       Method method);

}  // namespace quorvel::app
