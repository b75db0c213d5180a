#include "form/interpolation_controls.h"

#include <array>

namespace quorvel {
namespace {

constexpr std::array<ControlInfo, 1> kControls{{
    {kInterpolationList, ControlKind::List, RadioGroup::None, true},
}};

}  // namespace

std::span<const ControlInfo> interpolationControls() {
    return kControls;
}

const std::vector<std::string>& interpolationEntries() {
    static const std::vector<std::string> entries{std::string(kLinearEntry),
                                                  std::string(kMonotoneCubicEntry)};
    return entries;
}

}  // namespace quorvel
