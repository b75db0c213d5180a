// What a kind of shell is, one row per kind (shell_kinds.cpp): the shell page of the window
// that describes it, its word on the command line, and the rules that follow from it. The
// fields a shell reads, its height and its volume are its arms in tank_reader.cpp,
// tank_config.cpp and volume.cpp; a new shell (an upright tank on page 4) is a row here and
// an arm in each of those.
#pragma once

#include <span>
#include <string_view>

#include "tank/tank_config.h"

namespace quorvel {

struct ShellKindInfo {
    ShellKind kind;
    int page;               // PageControl1's index of the page that describes it
    std::string_view word;  // quorvel-table --shell WORD
    // The tank has heads: their groups are read; otherwise greyed, neither checked nor read.
    bool heads;
    // The dead volume and the fitting correct its volumes; not for measured volumes, whose
    // corrections are neither checked nor read.
    bool corrections;
    // The true geometry computes it (a shell and heads along one axis) otherwise than the
    // classic formulas; the other shells are the same computation by both methods.
    bool trueGeometryDiffers;
    // Its levels are calibration points: not limited to its height, extrapolated beyond them.
    bool measured;
};

// The kinds in the order of the shell pages.
std::span<const ShellKindInfo> shellKinds();

const ShellKindInfo& shellKindInfo(ShellKind kind);

// The kind described on `page`; any page beyond the shells' is the horizontal one.
ShellKind shellOfPage(int page);

}  // namespace quorvel
