// The fields of the capacity table request, in the order they are checked, with their "默认"
// values; the last four are the corrections (dead volume and the internal fitting) that the
// quick calculation reads after its level and a calibrated tank leaves out.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "form/fields.h"

namespace quorvel {

struct RequestField {
    std::string_view name;
    std::string_view defaultText;
};

inline constexpr std::array<RequestField, 8> kTableRequestFields{{
    {kFirstLevelField, "0"},
    {kLastLevelField, "9999"},
    {kIntervalField, "1"},
    {kRowsPerBlockField, "200"},
    {kDeadVolumeField, "0"},
    {kFittingVolumeField, "0"},
    {kFittingBottomField, "0"},
    {kFittingHeightField, "0"},
}};

// Edit13, Edit31, Edit32, Edit33.
inline constexpr std::span<const RequestField, 4> kCorrectionFields{kTableRequestFields.data() + 4,
                                                                    4};

}  // namespace quorvel
