// A configured tank as the true-geometry method sees it: the shell and both heads along one
// axis, the low end's head first.
#pragma once

#include "exact/exact_volume.h"
#include "tank/tank_config.h"

namespace quorvel {

// The horizontal and tilted shells (the sphere and the calibrated tank keep their own
// computation). Throws exact::GeometryError with the message for the user when a head or the
// shell describes no solid.
exact::AxialTank axialTank(const TankConfig& config);

// The signed parts of the whole tank at `level` (mm), cubic metres: the left and right heads
// (negative when subtracted) and the shell.
struct ExactParts {
    double shell = 0, leftHead = 0, rightHead = 0;
};
ExactParts exactParts(const TankConfig& config, const exact::PreparedTank& tank, double level);

}  // namespace quorvel
