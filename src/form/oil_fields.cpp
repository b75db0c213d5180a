#include "form/oil_fields.h"

#include <algorithm>
#include <array>

namespace quorvel {
namespace {

using K = ControlKind;
using G = RadioGroup;

constexpr std::array<ControlInfo, 14> kControls{{
    {kOilLevelField, K::Edit, G::None, true},
    {kOilTemperatureField, K::Edit, G::None, true},
    {kObservedDensityChoice, K::RadioButton, G::OilDensity, true},
    {kObservedDensityField, K::Edit, G::None, true},
    {kTestTemperatureField, K::Edit, G::None, true},
    {kStandardDensityChoice, K::RadioButton, G::OilDensity, true},
    {kStandardDensityField, K::Edit, G::None, true},
    {kProductGroupList, K::List, G::None, true},
    {kPrintedTableChoice, K::RadioButton, G::OilReading, true},
    {kFormulaChoice, K::RadioButton, G::OilReading, true},
    {kOilUllageField, K::Edit, G::None, true},
    {kOilDensityUnitList, K::List, G::None, true},
    {kProductNameField, K::Edit, G::None, true},
    {kGaugingTimeField, K::Edit, G::None, true},
}};

}  // namespace

std::span<const ControlInfo> oilQuantityControls() {
    return kControls;
}

const std::vector<std::string>& productGroupEntries() {
    static const std::vector<std::string> entries{"原油（A）", "石油产品（B）", "润滑油（D）"};
    return entries;
}

bool isOilQuantityControl(std::string_view control) {
    return std::any_of(kControls.begin(), kControls.end(),
                       [control](const ControlInfo& c) { return c.name == control; });
}

}  // namespace quorvel
