// The uncertainty of a tank's volume at a level, propagated to first order from the standard
// uncertainties of its inputs (GUM, JCGM 100:2008, 5.1.2): u_c(V)² = Σ (c_i · u(x_i))², each
// sensitivity c_i = ∂V/∂x_i taken by a central difference of the method in use, the inputs
// uncorrelated. The expanded uncertainty is U = 2 · u_c (k = 2, about 95 % for a volume whose
// distribution is near normal).
//
// The inputs are what the tank in use reads: the level reading, each dimension of its shell and
// its heads (as TankConfig holds them), the dead volume and the fitting's volume where they
// apply, and the volumes of a calibrated tank's points (each point on its own, with one u).
// A diameter and a length measured with the same tape are treated as independent: the tape's
// own calibration error is a few tenths of a millimetre over tens of metres (class I tapes,
// JJG 4), small beside the reading errors each measurement has on its own, and stating it
// would need the correlation the user rarely knows. A user who wants the tape's error counted
// fully correlated adds it to each dimension's u, which over-states U for the inputs whose
// sensitivities have opposite signs (none of a horizontal tank: every dimension enlarges it).
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tank/method.h"
#include "tank/tank_config.h"
#include "tank/volume.h"
#include "uncertainty/uncertainty_inputs.h"

namespace quorvel::uncertainty {

// A dimension of the tank: its field, where TankConfig holds it, and whether it must stay above
// zero (a diameter, a length, a depth, the tilt angle the level transform divides by).
struct TankDimension {
    std::string_view name;
    std::function<double&(TankConfig&)> at;
    bool positive = true;
};

// The dimensions `config` reads, in the order of its fields: its shell's, its heads' where it
// has heads, the dead volume and the fitting's volume where they correct it. A TankConfig
// changed through them needs deriveDishedRatios again.
std::vector<TankDimension> tankDimensions(const TankConfig& config);

// One input's share of a level's uncertainty.
struct Contribution {
    std::string name;        // the field (Edit1 …), "level" or "points"
    double u = 0;            // its standard uncertainty (mm, degrees, L)
    double sensitivity = 0;  // ∂V/∂x, L per unit of the input
    double litres = 0;       // |c · u|, L; for "points", the root sum of squares over them
};

// The uncertainty of a level's volume.
struct VolumeU {
    double standard = 0;                      // u_c, L
    double expanded = 0;                      // U = 2 u_c, L
    std::vector<Contribution> contributions;  // with a u above zero, in input order
};

class Propagation {
  public:
    // The inputs of `config` (read by buildTankConfig) with a u above zero, by `method`. Throws
    // exact::GeometryError when a changed tank is no solid for the true geometry.
    Propagation(const TankConfig& config, Method method, const UncertaintyInputs& inputs);
    ~Propagation();
    Propagation(Propagation&&) noexcept;

    // U and its contributions at `level` (mm).
    VolumeU at(double level) const;
    // U alone (L), without the contributions' names: what a table row needs.
    double expanded(double level) const;

  private:
    struct Input;
    double sumOfSquares(double level, std::vector<Contribution>* out) const;

    std::unique_ptr<const TankConfig> config_;  // its own copy, at a fixed address
    Method method_;
    double levelU_;
    double pointsU_;
    std::unique_ptr<VolumeModel> base_;
    std::vector<std::unique_ptr<Input>> inputs_;
    struct Points;
    std::unique_ptr<Points> points_;
};

// The step of a central difference for an input of value x and standard uncertainty u: u
// itself, as GUM 5.1.3 (note 2) evaluates a sensitivity over ± u(x), which is where the
// linearisation is meant to hold; never below 10⁻⁶ of |x| (or of one unit), so the difference
// of two volumes rounded to double (10⁻¹⁶ of V) stays 10¹⁰ times above their rounding.
double differenceStep(double x, double u);

}  // namespace quorvel::uncertainty
