#include "form/table_identity.h"

#include <algorithm>

namespace quorvel {
namespace {

using K = ControlKind;

// The reference height places the ullage, so it enters the quick result; the other fields
// only name or lay out the issued table, and no volume depends on them (the ticket names the
// tank as the identity does).
constexpr Effects kDescribes = kLevelAnswer | kOilTicket;
constexpr std::array<ControlInfo, 12> kControls{{
    {kReferenceHeightField, K::Edit, RadioGroup::None, true, kQuickResult | kOilTicket},
    {kTankNumberField, K::Edit, RadioGroup::None, true, kDescribes},
    {kOwnerField, K::Edit, RadioGroup::None, true, kDescribes},
    {kLocationField, K::Edit, RadioGroup::None, true, kDescribes},
    {kNominalCapacityField, K::Edit, RadioGroup::None, true, kDescribes},
    {kCertificateField, K::Edit, RadioGroup::None, true, kDescribes},
    {kTableDateField, K::Edit, RadioGroup::None, true, kDescribes},
    {kValidUntilField, K::Edit, RadioGroup::None, true, kDescribes},
    {kCompiledByField, K::Edit, RadioGroup::None, true, kDescribes},
    {kCheckedByField, K::Edit, RadioGroup::None, true, kDescribes},
    {kUncertaintyField, K::Edit, RadioGroup::None, true, kDescribes},
    {kIncrementsSwitch, K::CheckBox, RadioGroup::None, true, kDescribes},
}};

std::string trimmed(const std::string& text) {
    constexpr const char* kBlanks = " \t\r\n";
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::span<const ControlInfo> tableIdentityControls() {
    return kControls;
}

const std::string& TableIdentity::value(std::string_view control) const {
    static const std::string none;
    for (std::size_t i = 0; i < kIdentityFields.size(); ++i) {
        if (kIdentityFields[i].control == control) {
            return values[i];
        }
    }
    return none;
}

bool TableIdentity::any() const {
    return std::any_of(values.begin(), values.end(), [](const auto& v) { return !v.empty(); });
}

TableIdentity readTableIdentity(const FieldSource& form) {
    TableIdentity identity;
    for (std::size_t i = 0; i < kIdentityFields.size(); ++i) {
        identity.values[i] = trimmed(form.text(kIdentityFields[i].control));
    }
    return identity;
}

}  // namespace quorvel
