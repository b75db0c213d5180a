#include "form/upright_fields.h"

#include <algorithm>

namespace quorvel {
namespace {

using K = ControlKind;

constexpr std::array<ControlInfo, 5> kControls{{
    {kBottomVolumeField, K::Edit, RadioGroup::None, true},
    {kHeadDensityField, K::Edit, RadioGroup::None, true},
    {kYoungModulusField, K::Edit, RadioGroup::None, true},
    {kRoofMassField, K::Edit, RadioGroup::None, true},
    {kRoofLevelField, K::Edit, RadioGroup::None, true},
}};

template <typename Row>
void dropEmpty(std::vector<Row>& rows) {
    std::erase_if(rows, [](const Row& row) {
        return std::all_of(row.begin(), row.end(), [](const std::string& c) { return c.empty(); });
    });
}

}  // namespace

UprightRows withoutEmptyRows(UprightRows rows) {
    dropEmpty(rows.courses);
    dropEmpty(rows.deadwood);
    return rows;
}

std::span<const ControlInfo> uprightControls() {
    return kControls;
}

}  // namespace quorvel
