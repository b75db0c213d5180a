#include "form/method_controls.h"

#include <array>

namespace quorvel {
namespace {

using K = ControlKind;

constexpr std::array<ControlInfo, 3> kControls{{
    {kMethodList, K::List, RadioGroup::None, true},
    {kUllageField, K::Edit, RadioGroup::None, true},
    {kQuantityField, K::Edit, RadioGroup::None, true},
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
