// The fields of the capacity table request, in the order they are checked, with their "默认"
// values; the last four are the corrections (dead volume and the internal fitting) that the
// quick calculation reads after its level and a calibrated tank leaves out.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace quorvel {

struct RequestField {
    std::string_view name;
    std::string_view defaultText;
};

inline constexpr std::array<RequestField, 8> kTableRequestFields{{
    {"Edit6", "0"},     // first level, mm
    {"Edit7", "9999"},  // last level, mm
    {"Edit8", "1"},     // interval, mm
    {"Edit9", "200"},   // rows per column block of the workbook
    {"Edit13", "0"},    // dead volume, L
    {"Edit31", "0"},    // fitting volume, L
    {"Edit32", "0"},    // fitting's lowest point, mm
    {"Edit33", "0"},    // fitting's height, mm
}};

// Edit13, Edit31, Edit32, Edit33.
inline constexpr std::span<const RequestField, 4> kCorrectionFields{kTableRequestFields.data() + 4,
                                                                    4};

// The quick calculation's level field.
inline constexpr std::string_view kQuickLevelField = "Edit35";
// The quick calculation's result field.
inline constexpr std::string_view kQuickResultField = "Edit36";

}  // namespace quorvel
