// Everything the program knows about a kind of head but its volume: its radio button on
// each side, its caption in the window, its dimension fields (edits, letters, hints, summary
// labels), where it may be chosen and whether it has the standard straight flange. One row
// per kind (head_kinds.cpp); a new kind is one row here plus its row of the computation (its
// depth, classic volumes, true-geometry profile: tank/head_model.h).
#pragma once

#include <span>
#include <string_view>

#include "form/field_source.h"
#include "form/fields.h"

namespace quorvel {

enum class HeadKind {
    StandardEllipsoidal,
    NonStandardEllipsoidal,
    Conical,
    Frustum,
    SphericalCap,
    StandardDished,
    NonStandardDished,
    Hemispherical,
    Flat,
};

enum class HeadSide { Left, Right };

enum class HeadDimension { Flange, Depth, ConeHeight, SmallDiameter, SphereRadius };

struct HeadField {
    HeadDimension dimension;
    std::string_view left;      // edit of the left head
    std::string_view right;     // edit of the right head
    std::string_view label;     // its name in the parameter summary
    std::string_view letter;    // its letter beside the edit and in the drawings
    std::string_view leftHint;  // what the field holds, shown on both sides
};

struct HeadKindInfo {
    HeadKind kind;
    std::string_view leftRadio;
    std::string_view rightRadio;
    std::string_view name;     // in the parameter summary
    std::string_view caption;  // of the radio buttons
    std::span<const HeadField> fields;
    // Only a circular horizontal shell has this kind: it cannot be chosen on an elliptical
    // section or a tilted tank.
    bool circularOnly = false;
    // The standard head's straight flange (25 or 40 mm) is implied, not entered.
    bool standardFlange = false;
};

// The nine kinds, in the order of the window's head group boxes.
std::span<const HeadKindInfo> headKinds();

const HeadKindInfo& headKindInfo(HeadKind kind);

inline std::string_view radioOn(const HeadKindInfo& info, HeadSide side) {
    return side == HeadSide::Left ? info.leftRadio : info.rightRadio;
}

inline std::string_view fieldOn(const HeadField& field, HeadSide side) {
    return side == HeadSide::Left ? field.left : field.right;
}

// A head's field says what it holds on either side: the right-hand fields take the left's
// words ("直边高度，毫米"), not the bare unit.
inline std::string_view hintOn(const HeadField& field, HeadSide) {
    return field.leftHint;
}

// The kind chosen on `side` (its radio button checked), or nullptr when none is.
const HeadKindInfo* chosenHeadKind(const FieldSource& form, HeadSide side);

// The volume list of each side: ComboBox3 (left), ComboBox4 (right); entry 1 subtracts.
inline std::string_view volumeListOn(HeadSide side) {
    return side == HeadSide::Left ? kLeftHeadVolumeList : kRightHeadVolumeList;
}

}  // namespace quorvel
