#include "form/method_controls.h"

#include <array>

namespace quorvel {
namespace {

using K = ControlKind;

// The ullage places the quick calculation's level; the quantity is what the level answer asks.
constexpr std::array<ControlInfo, 3> kControls{{
    {kMethodList, K::List, RadioGroup::None, true},
    {kUllageField, K::Edit, RadioGroup::None, true, kQuickResult | kOilTicket},
    {kQuantityField, K::Edit, RadioGroup::None, true, kLevelAnswer},
}};

}  // namespace

std::span<const ControlInfo> methodControls() {
    return kControls;
}

const std::vector<std::string>& methodEntries() {
    static const std::vector<std::string> entries{std::string(kClassicEntry),
                                                  std::string(kExactEntry)};
    return entries;
}

}  // namespace quorvel
