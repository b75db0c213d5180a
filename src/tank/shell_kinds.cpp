#include "tank/shell_kinds.h"

#include <array>

#include "form/upright_fields.h"

namespace quorvel {
namespace {

//  kind, page, word, heads, corrections, true geometry differs, measured
constexpr std::array<ShellKindInfo, 5> kShells{{
    {ShellKind::Horizontal, 0, "horizontal", true, true, true, false},
    {ShellKind::Tilted, 1, "tilted", true, true, true, false},
    {ShellKind::Spherical, 2, "spherical", false, true, false, false},
    {ShellKind::Calibrated, 3, "calibrated", false, false, false, true},
    // Its own bottom volume and deadwood bands stand in for the dead volume and the fitting.
    {ShellKind::Upright, kUprightPage, "vertical", false, false, false, false},
}};

}  // namespace

std::span<const ShellKindInfo> shellKinds() {
    return kShells;
}

const ShellKindInfo& shellKindInfo(ShellKind kind) {
    for (const ShellKindInfo& info : kShells) {
        if (info.kind == kind) {
            return info;
        }
    }
    return kShells.front();
}

ShellKind shellOfPage(int page) {
    for (const ShellKindInfo& info : kShells) {
        if (info.page == page) {
            return info.kind;
        }
    }
    return ShellKind::Horizontal;
}

}  // namespace quorvel
