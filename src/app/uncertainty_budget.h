// The contribution table of the dialog "不确定度…": for the tank the form describes and the u
// stated, each input's share of the volume's uncertainty (|∂V/∂x|·u(x), L, k = 1) at levels
// spread over the tank's height, with U (k = 2) and U relative to the volume at each; the
// metrologist's first question, which input dominates where.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "form/field_source.h"
#include "ports/ui_services.h"
#include "tank/method.h"

namespace quorvel::app {

struct UncertaintyBudget {
    std::vector<double> levels;       // mm
    std::vector<std::string> inputs;  // "level", "Edit1", … in the propagation's order
    std::vector<double> u;            // each input's standard uncertainty, in its unit
    // shares[i][j]: input i's share at levels[j], L.
    std::vector<std::vector<double>> shares;
    std::vector<double> expanded;  // U (k = 2), L
    std::vector<double> relative;  // U / V, %; 0 where the tank is empty
};

// The budget at 2, 10, 25, 50, 75, 90 and 98 % of the tank's height by `method`; nullopt when
// the tank or the u could not be read (shown).
std::optional<UncertaintyBudget> uncertaintyBudget(FieldSource& form, UiServices& ui,
                                                   Method method);

}  // namespace quorvel::app
