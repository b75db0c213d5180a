#include "form/oil_fields.h"

#include <array>

namespace quorvel {
namespace {

using K = ControlKind;
using G = RadioGroup;

// The inputs of the ticket; no result of the main window is computed from them (the level
// answer is cleared with them all the same, as it is by any stored control but the quick
// calculation's own).
constexpr Effects kOilInput = kLevelAnswer | kOilTicket;
constexpr std::array<ControlInfo, 14> kControls{{
    {kOilLevelField, K::Edit, G::None, true, kOilInput},
    {kOilTemperatureField, K::Edit, G::None, true, kOilInput},
    {kObservedDensityChoice, K::RadioButton, G::OilDensity, true, kOilInput},
    {kObservedDensityField, K::Edit, G::None, true, kOilInput},
    {kTestTemperatureField, K::Edit, G::None, true, kOilInput},
    {kStandardDensityChoice, K::RadioButton, G::OilDensity, true, kOilInput},
    {kStandardDensityField, K::Edit, G::None, true, kOilInput},
    {kProductGroupList, K::List, G::None, true, kOilInput},
    {kPrintedTableChoice, K::RadioButton, G::OilReading, true, kOilInput},
    {kFormulaChoice, K::RadioButton, G::OilReading, true, kOilInput},
    {kOilUllageField, K::Edit, G::None, true, kOilInput},
    {kOilDensityUnitList, K::List, G::None, true, kOilInput},
    {kProductNameField, K::Edit, G::None, true, kOilInput},
    {kGaugingTimeField, K::Edit, G::None, true, kOilInput},
}};

}  // namespace

std::span<const ControlInfo> oilQuantityControls() {
    return kControls;
}

const std::vector<std::string>& productGroupEntries() {
    static const std::vector<std::string> entries{"原油（A）", "石油产品（B）", "润滑油（D）"};
    return entries;
}

}  // namespace quorvel
