// How a tilted tank lies, identified from a site's log of dips and metered volumes: the tilt
// α of its axis, the lean β of the gauge's line and the offset δ of the gauge's zero, fitted
// by nonlinear least squares to the true geometry of the tank as configured (its shell,
// heads and gauge position F).
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "identify/tilt_log.h"
#include "tank/outcome.h"
#include "tank/tank_config.h"

namespace quorvel::identify {

// One measurement's residual: the metered volume less the model's, litres. An outflow's
// residual belongs to the row that closes the movement and is plotted at the middle of its
// two levels; an absolute row's at its level.
struct Residual {
    std::size_t row = 0;  // index of the log row, from 0
    double level = 0;     // mm
    double litres = 0;
    bool outlier = false;  // |r| > 4 × RMS of the first fit
};

struct TiltFit {
    Unknowns fitted;
    double alpha = 0, beta = 0, offset = 0;        // degrees, degrees, mm (held ones as given)
    double alphaSe = 0, betaSe = 0, offsetSe = 0;  // standard errors; 0 for a held unknown
    double rms = 0;                                // litres per measurement used
    std::size_t used = 0;                          // measurements the final fit used
    std::vector<Residual> residuals;               // every measurement, at the final fit
    std::size_t outliers = 0;                      // measurements with |r| > 4 × RMS
    bool refitted = false;                         // fitted again without the outliers
    // What it cost: the solver's iterations (of the final fit), evaluations of the whole
    // log's volumes, and single volumes computed.
    int iterations = 0;
    std::size_t evaluations = 0;
    std::size_t volumes = 0;
};

// The model's volume at a reading h: the whole tank's litres by the true geometry at the
// level h + δ (δ: how much the gauge reads short), with α and β set. Dead volume and fitting
// count as in the tank's table, so an absolute log matches the table made after the fit.

// Fits the chosen unknowns of `tank` (a tilted tank as read; its α and β are the values of
// the unknowns not fitted) to `log`: each outflow V(h[i−1] + δ) − V(h[i] + δ), or each
// absolute V(h[i] + δ). The solver (GSL's trust-region Levenberg–Marquardt) starts from the
// best point of a coarse grid of α and β, so a poor start cannot trap it in the wrong valley.
// Standard errors from (JᵀJ)⁻¹·s² at the solution, s² = Σr²/(n − p). With `withoutOutliers`,
// the measurements beyond 4 × RMS are left out and the fit is made again from its solution.
// A stop for a log checkLog refuses and for a fit that does not converge (no figure of it is
// given). Throws exact::GeometryError for a tank that describes no solid.
Outcome<TiltFit> fitTilt(const TankConfig& tank, std::span<const LogRow> log, LogKind kind,
                         Unknowns unknowns, bool withoutOutliers = false);

}  // namespace quorvel::identify
