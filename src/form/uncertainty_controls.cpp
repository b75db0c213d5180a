#include "form/uncertainty_controls.h"

#include <array>

#include "form/fields.h"

namespace quorvel {
namespace {

using K = ControlKind;
using G = RadioGroup;

// The level's u enters the quick result and the ticket, the temperature's and the
// hydrometer's only the ticket; the dimensions' u, the limit and the switches every result
// that shows a U.
constexpr std::array<ControlInfo, 7> kControls{{
    {kULevelField, K::Edit, G::None, true, kQuickResult | kOilTicket},
    {kUDimensionsField, K::Edit, G::None, true, kQuickResult | kOilTicket},
    {kULimitField, K::Edit, G::None, true, 0},
    {kUTemperatureField, K::Edit, G::None, true, kOilTicket},
    {kUDensityField, K::Edit, G::None, true, kOilTicket},
    {kUColumnSwitch, K::CheckBox, G::None, true, kQuickResult | kOilTicket},
    {kUTitleSwitch, K::CheckBox, G::None, true, 0},
}};

}  // namespace

std::span<const ControlInfo> uncertaintyControls() {
    return kControls;
}

}  // namespace quorvel
