// The liquid volume of the whole configured tank at one level: the shell and the two heads
// chosen by their kinds, the heads added or subtracted, the dead volume added and the
// internal fitting taken off. Cubic metres.
#pragma once

#include <cstddef>
#include <memory>

#include "geometry/geometry.h"
#include "tank/method.h"
#include "tank/tank_config.h"

namespace quorvel {

// What one level's computation leaves for the next level of the same request. A routine
// that fails by throwing (the spherical-cap head off its rim, a degenerate calibration
// segment) does not end the request: a tilted tank sums the parts it has with the parts of
// the level before; any other tank keeps the total of the level before. All zero at the
// start of a request.
struct VolumeState {
    double shellVolume = 0;
    double leftHeadVolume = 0;   // signed: negative when the head is subtracted
    double rightHeadVolume = 0;  // signed
    double total = 0;
    // A tilted tank's trigonometry, computed at the first level of a walk and kept for the
    // next ones while the tilt stays the same.
    struct Tilt {
        bool ready = false;
        double alpha = 0, beta = 0;
        TiltConstants constants;
    } tilt;
};

// The volume at `level` (mm) for a configuration read by buildTankConfig (dished ratios
// derived). `interval` is the table's level step (0 for a single level); a fitting is taken
// off whole at every level above its band, so the result does not depend on it.
double volumeAtLevel(const TankConfig& config, double level, double interval, VolumeState& state);

// The same with every routine under its own guard, as each level was once computed; the
// function above tests the fault flags once per level and falls back to this only for a
// level that faulted, with the same results and failure values.
double volumeAtLevelGuarded(const TankConfig& config, double level, double interval,
                            VolumeState& state);

// The same by the chosen method. Exact: the shell and heads from the true geometry of the
// tank below the liquid's plane (sphere and calibrated tank as Classic), then the same dead
// volume and fitting. Throws exact::GeometryError for a tank that describes no solid.
double volumeAtLevel(const TankConfig& config, double level, double interval, VolumeState& state,
                     Method method);

// One level on its own, as the quick calculation asks: the previous parts all count 0.
double volumeAtLevel(const TankConfig& config, double level, double interval);

// volumeAtLevel by a method for many levels of one request: what depends on the tank alone
// (the true geometry's prepared profiles) is worked out once, at construction, which throws
// exact::GeometryError for a tank that describes no solid. Each call gives what volumeAtLevel
// gives for that level.
class VolumeModel {
  public:
    VolumeModel(const TankConfig& config, Method method);
    ~VolumeModel();
    VolumeModel(VolumeModel&&) noexcept;
    double operator()(double level, double interval, VolumeState& state) const;
    // The levels levels[0 … n − 1] into out[0 … n − 1], each as the call above gives it from the
    // state the level before left (with `eachOnItsOwn`, as a level on its own: no part of the
    // level before counts). The same results, faster: the classic routines compute a run
    // under one test of the fault flags.
    void operator()(const double* levels, std::size_t n, double interval, VolumeState& state,
                    double* out, bool eachOnItsOwn = false) const;

  private:
    struct Prepared;
    const TankConfig* config_;
    std::unique_ptr<Prepared> exact_;  // null: the classic routines
};

}  // namespace quorvel
