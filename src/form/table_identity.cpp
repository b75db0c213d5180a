#include "form/table_identity.h"

#include <algorithm>

namespace quorvel {
namespace {

using K = ControlKind;

constexpr std::array<ControlInfo, 12> kControls{{
    {"Edit48", K::Edit, RadioGroup::None, true},
    {"Edit49", K::Edit, RadioGroup::None, true},
    {"Edit50", K::Edit, RadioGroup::None, true},
    {"Edit51", K::Edit, RadioGroup::None, true},
    {"Edit52", K::Edit, RadioGroup::None, true},
    {"Edit53", K::Edit, RadioGroup::None, true},
    {"Edit54", K::Edit, RadioGroup::None, true},
    {"Edit55", K::Edit, RadioGroup::None, true},
    {"Edit56", K::Edit, RadioGroup::None, true},
    {"Edit57", K::Edit, RadioGroup::None, true},
    {"Edit58", K::Edit, RadioGroup::None, true},
    {"CheckBox3", K::CheckBox, RadioGroup::None, true},
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
