// Which controls describe a head of each kind on each side: its radio button, its dimension
// edits in the order they are checked, and the words of its summary line.
#pragma once

#include <span>
#include <string_view>

#include "tank/tank_config.h"

namespace quorvel {

enum class HeadSide { Left, Right };

enum class HeadDimension { Flange, Depth, ConeHeight, SmallDiameter, SphereRadius };

struct HeadField {
    HeadDimension dimension;
    std::string_view left;   // edit of the left head
    std::string_view right;  // edit of the right head
    std::string_view label;  // its name in the summary line
};

struct HeadKindInfo {
    HeadKind kind;
    std::string_view leftRadio;
    std::string_view rightRadio;
    std::string_view name;  // in the summary line
    std::span<const HeadField> fields;
};

// The nine kinds, in the order of the window's head tables.
std::span<const HeadKindInfo> headKinds();

const HeadKindInfo& headKindInfo(HeadKind kind);

inline std::string_view fieldOn(const HeadField& field, HeadSide side) {
    return side == HeadSide::Left ? field.left : field.right;
}

}  // namespace quorvel
