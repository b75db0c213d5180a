// What makes a capacity table a document a depot can issue ("罐容表信息"): the tank's number,
// owner and location, its nominal capacity, the certificate with its date and validity, who
// compiled and who checked the table, the gauge's reference height and the uncertainty; and
// whether the table carries the increment column (litres per millimetre). These are stored
// controls added after the 73 of the settings file, written only once they hold something.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "form/controls.h"
#include "form/field_source.h"
#include "form/fields.h"

namespace quorvel {

// The gauge's reference height "参照高度" (kReferenceHeightField, mm) is the height of the gauge
// datum above the tank bottom, from which an ullage is measured: one stored field for every
// use of it. The increment column "增量 L/mm" is the check box kIncrementsSwitch.

struct IdentityField {
    std::string_view control;
    std::string_view caption;  // the label in the window and in the title block
    std::string_view hint;     // what to type, shown in the window
};

// The identity fields in the order the window and the title block show them.
inline constexpr std::array<IdentityField, 11> kIdentityFields{{
    {kTankNumberField, "罐号", "如 T-101"},
    {kOwnerField, "所属单位", "罐的所有者或使用单位"},
    {kLocationField, "所在地点", "库区、罐区"},
    {kNominalCapacityField, "公称容量", "如 50 立方米"},
    {kCertificateField, "证书编号", "检定或校准证书编号"},
    {kTableDateField, "编制日期", "如 2026-12-09"},
    {kValidUntilField, "有效期至", "如 2028-12-08"},
    {kCompiledByField, "编制", "编制人"},
    {kCheckedByField, "核验", "核验人"},
    {kReferenceHeightField, "参照高度", "检尺口基准点距罐底高度，毫米"},
    {kUncertaintyField, "不确定度", "如 U=0.3%，k=2"},
}};

// The 12 stored controls of the table identity, in key order (Edit48 … Edit58, CheckBox3).
std::span<const ControlInfo> tableIdentityControls();

// The identity of the table a form describes, each text trimmed of surrounding blanks.
struct TableIdentity {
    std::array<std::string, kIdentityFields.size()> values;

    // The value of a field by control name; empty when the field is not an identity field.
    const std::string& value(std::string_view control) const;
    // Whether any field holds something: the table then opens with its title block.
    bool any() const;
};

TableIdentity readTableIdentity(const FieldSource& form);

}  // namespace quorvel
