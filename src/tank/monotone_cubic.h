// The volume of a calibrated tank between its points by a monotone piecewise cubic (PCHIP,
// Fritsch and Carlson, SIAM J. Numer. Anal. 17 (1980) 238–246): a cubic Hermite piece on each
// interval whose slopes keep the curve from overshooting, so a volume that never falls between
// the points never falls between them either. Inside the points only; beyond them the table's
// end segments are extended as straight lines, as for the straight-line interpolation.
#pragma once

#include <memory>
#include <vector>

namespace quorvel {

// How a calibrated tank's volume goes from point to point.
enum class Interpolation { Linear = 0, MonotoneCubic = 1 };

// The fewest points a monotone cubic is drawn through: with two or three the volume stays
// the straight line between them.
inline constexpr std::size_t kLeastCubicPoints = 4;

class MonotoneCubic {
  public:
    // `levels` (mm) strictly ascending, at least kLeastCubicPoints of them, with their
    // volumes (L). Slopes: inside, the weighted harmonic mean of the neighbouring secants
    // (Fritsch and Butland), zero where the volume turns; at each end, the three-point formula
    // that keeps the end's shape (C. Moler, Numerical Computing with MATLAB, 2004, §3.6).
    // The cubic Hermite pieces are Boost.Math's pchip. Throws std::domain_error when the
    // levels do not rise strictly.
    MonotoneCubic(std::vector<double> levels, std::vector<double> volumes);

    // The volume (L) at `level`, levels.front() ≤ level ≤ levels.back().
    double operator()(double level) const;

  private:
    struct Curve;
    std::shared_ptr<const Curve> curve_;
};

}  // namespace quorvel
