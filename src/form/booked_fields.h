// The booked quantity's inputs of the window "油量计算": the water dip, the shell's temperature
// (typed, or from the ambient temperature and whether the tank is insulated), the shell's
// material and its expansion, the table's reference temperature, the sediment and water and
// the safe filling height. Stored controls appended after the oil quantity's, written only once
// they hold something.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/controls.h"
#include "form/fields.h"

namespace quorvel {

// The 9 stored controls (form/fields.h: OilEdit9 …), in key order.
std::span<const ControlInfo> bookedQuantityControls();

// A shell material of the list OilComboBox3 with its published linear expansion coefficient
// (per °C); the last entry takes the coefficient typed in OilEdit12. The entries are stored in
// the settings file, so they are texts of its code page (GBK: "10^-5", no superscripts).
struct ShellMaterial {
    std::string_view entry;
    double alphaPerC;  // 0 for the typed one
};
inline constexpr std::array<ShellMaterial, 4> kShellMaterials{{
    {"低碳钢 1.116×10^-5 /°C", 1.116e-5},
    {"不锈钢 304 1.728×10^-5 /°C", 1.728e-5},
    {"不锈钢 316 1.590×10^-5 /°C", 1.590e-5},
    {"其他（输入 α）", 0},
}};
// The entry whose coefficient is typed.
inline constexpr int kTypedMaterial = static_cast<int>(kShellMaterials.size()) - 1;

// The entries of OilComboBox3, in order.
const std::vector<std::string>& shellMaterialEntries();

}  // namespace quorvel
