// The questions about one level, for both front ends: the quick calculation ("计算") and the
// level at which the tank holds a volume or a weight. Every stop and error is shown here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "form/field_source.h"
#include "form/method_controls.h"
#include "ports/ui_services.h"
#include "tank/method.h"
#include "tank/quick_calculation.h"
#include "text/printed_number.h"

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

// The level found (mm) as Label52 shows it and quorvel-table prints it: with two decimals in
// millimetres, else in the length unit chosen ("单位", text/unit_number.h).
std::string levelAnswerText(const FieldSource& form, double level);

// Reads the request as the table does, then the lowest level (mm) at which the tank holds
// `asked`, by `method`. Beyond the tank's range, or a weight without a density: its message
// in the standard error box and nullopt.
std::optional<double> levelForQuantity(FieldSource& form, UiServices& ui, QuantityAsked asked,
                                       Method method);

// The same with the tank it was found in and the density of a weight (kg/m^3).
struct LevelAnswer {
    TankConfig config;
    double level = 0;  // mm
    std::optional<double> densityKgPerM3;
};
std::optional<LevelAnswer> levelAnswer(FieldSource& form, UiServices& ui, QuantityAsked asked,
                                       Method method);

// Whether an ullage is given (Edit59 holds more than blanks): the quick calculation is then
// asked from the top of the tank.
bool ullageGiven(const FieldSource& form);

// The level an ullage gives: the reference height (Edit48) less the ullage (`ullageField`:
// Edit59, or the dip of "油量计算"), in mm, as a level is printed. "呵呵，空高或参照高度数据还没
// 输完呢！" when either is empty, the standard error box for a text that is not a number and
// for an ullage above the reference height (a level below 0).
std::optional<PrintedNumber> levelFromUllage(FieldSource& form, UiServices& ui,
                                             std::string_view ullageField = kUllageField);

// The quick calculation at the ullage's level: Edit35 shows that level (its text), and the
// quick calculation computes at it. The level above the tank counts as the full tank, as a
// typed level does.
std::optional<QuickResult> quickAtUllage(FieldSource& form, UiServices& ui, Method method);

}  // namespace quorvel::app
