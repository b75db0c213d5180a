#include "form/controls.h"

#include <algorithm>
#include <array>

#include "form/booked_fields.h"
#include "form/fields.h"
#include "form/interpolation_controls.h"
#include "form/method_controls.h"
#include "form/oil_fields.h"
#include "form/output_units.h"
#include "form/table_identity.h"
#include "form/tilt_identification.h"
#include "form/uncertainty_controls.h"
#include "form/upright_fields.h"
#include "units/units.h"

namespace quorvel {
namespace {

using K = ControlKind;
using G = RadioGroup;

constexpr std::array<ControlInfo, 73> kControls{{
    // Right head.
    {"Edit10", K::Edit},
    {"Edit11", K::Edit},
    {"RadioButton8", K::RadioButton, G::RightHead},
    {"RadioButton9", K::RadioButton, G::RightHead},
    {"Edit12", K::Edit},
    {"Edit14", K::Edit},
    {"RadioButton10", K::RadioButton, G::RightHead},
    {"Edit15", K::Edit},
    {"Edit16", K::Edit},
    {"RadioButton11", K::RadioButton, G::RightHead},
    {"Edit17", K::Edit},
    {"RadioButton12", K::RadioButton, G::RightHead},
    {"RadioButton13", K::RadioButton, G::RightHead},
    {"RadioButton14", K::RadioButton, G::RightHead},
    {"Edit18", K::Edit},
    {"ComboBox4", K::List},
    {"RadioButton6", K::RadioButton, G::RightHead},
    {"Edit45", K::Edit},
    {"Edit46", K::Edit},
    {"Edit47", K::Edit},
    {"RadioButton22", K::RadioButton, G::RightHead},
    // Left head.
    {"Edit21", K::Edit},
    {"Edit22", K::Edit},
    {"RadioButton15", K::RadioButton, G::LeftHead},
    {"Edit23", K::Edit},
    {"Edit24", K::Edit},
    {"RadioButton17", K::RadioButton, G::LeftHead},
    {"Edit25", K::Edit},
    {"Edit26", K::Edit},
    {"RadioButton18", K::RadioButton, G::LeftHead},
    {"Edit27", K::Edit},
    {"RadioButton19", K::RadioButton, G::LeftHead},
    {"RadioButton20", K::RadioButton, G::LeftHead},
    {"RadioButton21", K::RadioButton, G::LeftHead},
    {"Edit28", K::Edit},
    {"RadioButton16", K::RadioButton, G::LeftHead},
    {"ComboBox3", K::List},
    {"RadioButton5", K::RadioButton, G::LeftHead},
    {"Edit38", K::Edit},
    {"Edit43", K::Edit},
    {"Edit44", K::Edit},
    {"RadioButton7", K::RadioButton, G::LeftHead},
    // Capacity table request.
    {"Edit6", K::Edit},
    {"Edit7", K::Edit},
    {"Edit8", K::Edit},
    {"Edit9", K::Edit},
    {"Edit13", K::Edit},
    {"Edit31", K::Edit},
    {"Edit32", K::Edit},
    {"Edit33", K::Edit},
    // Quick calculation: the level enters the quick result (and the ticket, which is read as
    // the quick calculation is); the result itself enters nothing.
    {"Edit35", K::Edit, G::None, false, kQuickResult | kOilTicket},
    {"Edit36", K::Edit, G::None, false, 0},
    // Weight.
    {"CheckBox1", K::CheckBox},
    {"Edit37", K::Edit},
    {"ComboBox1", K::List},
    // Page 水平圆筒.
    {"RadioButton1", K::RadioButton, G::Section},
    {"Edit1", K::Edit},
    {"Edit2", K::Edit},
    {"Edit5", K::Edit},
    {"Edit4", K::Edit},
    {"Edit3", K::Edit},
    {"RadioButton2", K::RadioButton, G::Section},
    // Page 倾斜圆筒.
    {"Edit39", K::Edit},
    {"Edit40", K::Edit},
    {"Edit41", K::Edit},
    {"RadioButton3", K::RadioButton, G::LowEnd},
    {"RadioButton4", K::RadioButton, G::LowEnd},
    {"Edit29", K::Edit},
    {"Edit30", K::Edit},
    {"Edit42", K::Edit},
    // Page 球罐.
    {"Edit34", K::Edit},
    // Page 罐容标定.
    {"ComboBox2", K::List},
    // 默认.
    {"CheckBox2", K::CheckBox},
}};

std::vector<std::string> pointCounts() {
    std::vector<std::string> entries;
    for (int n = 2; n <= kMaxPointCount; ++n) {
        entries.push_back(std::to_string(n));
    }
    return entries;
}

// The 73, then each block of controls added since, in the order the blocks were added.
const std::vector<ControlInfo>& allControls() {
    static const std::vector<ControlInfo> all = [] {
        std::vector<ControlInfo> controls(kControls.begin(), kControls.end());
        for (std::span<const ControlInfo> added :
             {tableIdentityControls(), methodControls(), oilQuantityControls(),
              interpolationControls(), tiltIdentificationControls(), bookedQuantityControls(),
              // 立式圆筒
              uprightControls(),
              // The uncertainty (不确定度…).
              uncertaintyControls(),
              // The output units.
              outputUnitControls()}) {
            controls.insert(controls.end(), added.begin(), added.end());
        }
        return controls;
    }();
    return all;
}

}  // namespace

std::span<const ControlInfo> storedControls() {
    return allControls();
}

const ControlInfo* findControl(std::string_view name) {
    const auto& all = allControls();
    auto it = std::find_if(all.begin(), all.end(),
                           [name](const ControlInfo& c) { return c.name == name; });
    return it == all.end() ? nullptr : &*it;
}

const std::vector<std::string>& listEntries(std::string_view list) {
    static const std::vector<std::string> densityUnits = [] {
        std::vector<std::string> entries;
        for (const units::DensityUnit& unit : units::kDensityUnits) {
            entries.emplace_back(unit.entry);
        }
        return entries;
    }();
    static const std::vector<std::string> counts = pointCounts();
    static const std::vector<std::string> left{"加上左封头容积", "减去左封头容积"};
    static const std::vector<std::string> right{"加上右封头容积", "减去右封头容积"};
    static const std::vector<std::string> none;
    if (list == "ComboBox1" || list == kOilDensityUnitList)
        return densityUnits;
    if (list == "ComboBox2")
        return counts;
    if (list == "ComboBox3")
        return left;
    if (list == "ComboBox4")
        return right;
    if (list == kMethodList)
        return methodEntries();
    if (list == kProductGroupList)
        return productGroupEntries();
    if (list == kInterpolationList)
        return interpolationEntries();
    if (list == kShellMaterialList)
        return shellMaterialEntries();
    // The output units.
    if (const auto& units = outputUnitEntries(list); !units.empty())
        return units;
    return none;
}

Effects effectsOf(std::string_view control) {
    if (control == kGridControl || control == kShellPages) {
        return kTankInput;
    }
    const ControlInfo* info = findControl(control);
    return info == nullptr ? 0 : info->effects;
}

bool listIsFixed(std::string_view list) {
    return list != "ComboBox1";
}

}  // namespace quorvel
