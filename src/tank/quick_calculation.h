// The quick calculation ("计算"): the volume or weight at one level, shown in Edit36. It reads
// the tank as the table does, with its own check of the level and correction fields and
// without the table range.
#pragma once

#include <optional>
#include <string_view>

#include "platform/ui_services.h"
#include "tank/field_source.h"
#include "tank/method.h"
#include "tank/tank_config.h"

namespace quorvel {

inline constexpr std::string_view kQuickMissing = "呵呵，数据还没输完呢！";

// Reads the shell (its message when a field is missing), then Edit35 and the correction
// fields Edit13, Edit31, Edit32, Edit33 ("呵呵，数据还没输完呢！"), then both heads, and
// writes into Edit36 the litres, or with CheckBox1 the kilograms, at the level of Edit35
// limited to the tank's height (Edit35 keeps what was typed). A failure inside the
// geometry is not reported: the result is formed from the parts computed. A missing field,
// a text that is not a number or a density that cannot be read stops the press with its
// message or error box and leaves Edit36 as it was; true when Edit36 was written. The
// window computes by the classic method; quorvel-table may ask for another.
bool quickCalculation(FieldSource& form, UiServices& ui, Method method = Method::Classic);

// What a quick calculation computed, for whoever shows more than Edit36 (the window's
// curve): the tank as read, the level used and the value written.
struct QuickResult {
    TankConfig config;                     // with the correction fields and dished ratios
    double level = 0;                      // mm, limited to the tank's height
    double value = 0;                      // litres, or kilograms with a density
    std::optional<double> densityKgPerM3;  // set when the value is a weight
};

// The same press, handing back what it computed; nullopt when it stopped.
std::optional<QuickResult> quickCalculate(FieldSource& form, UiServices& ui,
                                          Method method = Method::Classic);

}  // namespace quorvel
