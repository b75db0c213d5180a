// The stored controls of the dialog "不确定度…": the standard uncertainties of the level, the
// dimensions, the temperatures and the hydrometer reading, the limit of the relative expanded
// uncertainty, the switch of the U column (and the quick result's "± U") and the switch that
// fills the title block's 不确定度. Added after the controls of the ticket, each written only
// once it holds something.
#pragma once

#include <span>

#include "form/controls.h"

namespace quorvel {

// UEdit1 … UEdit5, UCheckBox1, UCheckBox2, in key order.
std::span<const ControlInfo> uncertaintyControls();

}  // namespace quorvel
