// The controls of the calculation method and of the two questions that start from the top
// of the tank or from a quantity: the method list "计算方法" (经典公式, 真实几何), the ullage
// "空高" and the volume or weight whose level is asked. Stored controls added after the 73 of the
// settings file, each written only once it holds something other than its designed state
// (ControlInfo::storedWhenSet).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/fields.h"
#include "form/table_identity.h"

namespace quorvel {

// The method list's entries (kMethodList); the first, the classic formulas, is the designed
// choice.
inline constexpr std::string_view kClassicEntry = "经典公式";
inline constexpr std::string_view kExactEntry = "真实几何";

// The gauge's reference height "参照高度" (Edit48, mm), from which an ullage (kUllageField) is
// measured down, is one stored field of the table's identity: kReferenceHeightField.

// ComboBox5, Edit59, Edit60, in key order.
std::span<const ControlInfo> methodControls();

// The entries of ComboBox5: "经典公式", "真实几何".
const std::vector<std::string>& methodEntries();

}  // namespace quorvel
