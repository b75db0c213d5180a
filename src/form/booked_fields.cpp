#include "form/booked_fields.h"

namespace quorvel {
namespace {

using K = ControlKind;
using G = RadioGroup;

constexpr Effects kOilInput = kLevelAnswer | kOilTicket;
constexpr std::array<ControlInfo, 9> kControls{{
    {kWaterLevelField, K::Edit, G::None, true, kOilInput},
    {kShellTemperatureField, K::Edit, G::None, true, kOilInput},
    {kAmbientTemperatureField, K::Edit, G::None, true, kOilInput},
    {kInsulatedSwitch, K::CheckBox, G::None, true, kOilInput},
    {kShellMaterialList, K::List, G::None, true, kOilInput},
    {kShellExpansionField, K::Edit, G::None, true, kOilInput},
    {kTableTemperatureField, K::Edit, G::None, true, kOilInput},
    {kSedimentWaterField, K::Edit, G::None, true, kOilInput},
    {kSafeLevelField, K::Edit, G::None, true, kOilInput},
}};

}  // namespace

std::span<const ControlInfo> bookedQuantityControls() {
    return kControls;
}

const std::vector<std::string>& shellMaterialEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> all;
        for (const ShellMaterial& material : kShellMaterials) {
            all.emplace_back(material.entry);
        }
        return all;
    }();
    return entries;
}

}  // namespace quorvel
