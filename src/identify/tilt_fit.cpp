#include "identify/tilt_fit.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <numeric>

#include "identify/identify_messages.h"
#include "tank/method.h"
#include "tank/volume.h"

namespace quorvel::identify {
namespace {

namespace msg = identify_messages;

// The unknowns in the solver's order (α, β, δ, those fitted only) and back.
struct Lie {
    double alpha = 0, beta = 0, offset = 0;
};

// Central-difference steps. The volume is smooth in α, β and δ; its true-geometry value holds
// to about 1e-12 of itself, so the difference's rounding error is 1e-12·V/step and its
// truncation error step²·V‴/6. Steps of 1e-4° tilt the liquid's plane by some 0.02 mm over a
// 10 m shell, the 0.01 mm of δ alike: both errors stay below 1e-6 of the derivative.
constexpr double kAngleStep = 1e-4;   // degrees
constexpr double kOffsetStep = 1e-2;  // mm

// The coarse grid the solver starts from: α over (0, kMaxGridTilt] (or the tank's own
// reach, the tilt that lifts one end by its height), β at these leans.
constexpr double kMaxGridTilt = 10;  // degrees
constexpr int kTiltSteps = 8;
constexpr std::array<double, 6> kGridLeans{1, 3, 6, 10, 15, 20};
// Measurements the grid looks at: an even spread of at most this many.
constexpr std::size_t kGridSample = 80;

constexpr int kMaxIterations = 200;
constexpr double kXTolerance = 1e-10;
constexpr double kGTolerance = 1e-10;

class LogModel {
  public:
    LogModel(const TankConfig& tank, std::span<const LogRow> log, LogKind kind, Unknowns unknowns)
        : tank_(tank),
          log_(log),
          kind_(kind),
          unknowns_(unknowns),
          volumes_(log.size()),
          needed_(log.size()) {}

    std::size_t parameterCount() const { return unknowns_.count(); }

    Lie lieOf(const double* x) const {
        Lie lie{tank_.tiltAlpha, tank_.tiltBeta, 0};
        std::size_t k = 0;
        if (unknowns_.alpha) {
            lie.alpha = x[k++];
        }
        if (unknowns_.beta) {
            lie.beta = x[k++];
        }
        if (unknowns_.offset) {
            lie.offset = x[k++];
        }
        return lie;
    }
    std::vector<double> parametersOf(const Lie& lie) const {
        std::vector<double> x;
        if (unknowns_.alpha) {
            x.push_back(lie.alpha);
        }
        if (unknowns_.beta) {
            x.push_back(lie.beta);
        }
        if (unknowns_.offset) {
            x.push_back(lie.offset);
        }
        return x;
    }
    double stepOf(std::size_t k) const {
        const std::size_t angles =
            static_cast<std::size_t>(unknowns_.alpha) + static_cast<std::size_t>(unknowns_.beta);
        return k < angles ? kAngleStep : kOffsetStep;
    }

    // The log rows measurement m compares: the movement's two rows, or the one row.
    std::size_t firstRow(std::size_t m) const { return m; }
    std::size_t lastRow(std::size_t m) const { return kind_ == LogKind::Outflow ? m + 1 : m; }
    std::size_t measurements() const { return measurementCount(log_.size(), kind_); }
    double measured(std::size_t m) const { return log_[lastRow(m)].volume; }
    double plotLevel(std::size_t m) const {
        return (log_[firstRow(m)].level + log_[lastRow(m)].level) / 2;
    }

    // The residuals of the measurements `which` at `lie`: metered less modelled, litres. Each
    // volume needed is computed once, from one prepared tank.
    void residuals(const Lie& lie, std::span<const std::size_t> which, double* out) {
        std::fill(needed_.begin(), needed_.end(), 0);
        for (std::size_t m : which) {
            needed_[firstRow(m)] = 1;
            needed_[lastRow(m)] = 1;
        }
        TankConfig tank = tank_;
        tank.tiltAlpha = lie.alpha;
        tank.tiltBeta = lie.beta;
        const VolumeModel model(tank, Method::Exact);
        VolumeState state;
        for (std::size_t i = 0; i < log_.size(); ++i) {
            if (needed_[i]) {
                state = VolumeState{};
                volumes_[i] = 1000 * model(log_[i].level + lie.offset, 0, state);
                ++volumesComputed;
            }
        }
        for (std::size_t j = 0; j < which.size(); ++j) {
            const std::size_t m = which[j];
            const double model = kind_ == LogKind::Outflow
                                     ? volumes_[firstRow(m)] - volumes_[lastRow(m)]
                                     : volumes_[lastRow(m)];
            out[j] = measured(m) - model;
        }
        ++evaluations;
    }

    double squares(const Lie& lie, std::span<const std::size_t> which) {
        std::vector<double> r(which.size());
        residuals(lie, which, r.data());
        return std::inner_product(r.begin(), r.end(), r.begin(), 0.0);
    }

    std::size_t evaluations = 0;
    std::size_t volumesComputed = 0;

  private:
    const TankConfig& tank_;
    std::span<const LogRow> log_;
    LogKind kind_;
    Unknowns unknowns_;
    std::vector<double> volumes_;
    std::vector<char> needed_;
};

// What the solver's callbacks see.
struct Problem {
    LogModel* model;
    std::span<const std::size_t> used;
};

int residualsCallback(const gsl_vector* x, void* data, gsl_vector* f) {
    auto* problem = static_cast<Problem*>(data);
    std::vector<double> r(problem->used.size());
    problem->model->residuals(problem->model->lieOf(x->data), problem->used, r.data());
    for (std::size_t i = 0; i < r.size(); ++i) {
        gsl_vector_set(f, i, r[i]);
    }
    return std::ranges::all_of(r, [](double v) { return std::isfinite(v); }) ? GSL_SUCCESS
                                                                             : GSL_EDOM;
}

// The Jacobian of the residuals by central differences (steps above), column by column.
void jacobian(LogModel& model, std::span<const std::size_t> used, const double* x, gsl_matrix* J) {
    const std::size_t p = model.parameterCount();
    std::vector<double> shifted(x, x + p), plus(used.size()), minus(used.size());
    for (std::size_t k = 0; k < p; ++k) {
        const double h = model.stepOf(k);
        shifted[k] = x[k] + h;
        model.residuals(model.lieOf(shifted.data()), used, plus.data());
        shifted[k] = x[k] - h;
        model.residuals(model.lieOf(shifted.data()), used, minus.data());
        shifted[k] = x[k];
        for (std::size_t i = 0; i < used.size(); ++i) {
            gsl_matrix_set(J, i, k, (plus[i] - minus[i]) / (2 * h));
        }
    }
}

int jacobianCallback(const gsl_vector* x, void* data, gsl_matrix* J) {
    auto* problem = static_cast<Problem*>(data);
    jacobian(*problem->model, problem->used, x->data, J);
    return GSL_SUCCESS;
}

// GSL's default error handler aborts the program; the fit reads the status codes instead.
class QuietGsl {
  public:
    QuietGsl() : previous_(gsl_set_error_handler_off()) {}
    ~QuietGsl() { gsl_set_error_handler(previous_); }
    QuietGsl(const QuietGsl&) = delete;
    QuietGsl& operator=(const QuietGsl&) = delete;

  private:
    gsl_error_handler_t* previous_;
};

struct Solution {
    bool converged = false;
    std::vector<double> x;
    int iterations = 0;
};

// Levenberg–Marquardt in GSL's trust region from x0 over the measurements `used`.
Solution solve(LogModel& model, std::span<const std::size_t> used, std::vector<double> x0) {
    const std::size_t n = used.size(), p = x0.size();
    Problem problem{&model, used};
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residualsCallback;
    fdf.df = jacobianCallback;
    fdf.fvv = nullptr;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &problem;
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.trs = gsl_multifit_nlinear_trs_lm;
    const std::unique_ptr<gsl_multifit_nlinear_workspace, void (*)(gsl_multifit_nlinear_workspace*)>
        w(gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, p),
          gsl_multifit_nlinear_free);
    Solution s;
    if (!w) {
        return s;
    }
    gsl_vector_view start = gsl_vector_view_array(x0.data(), p);
    if (gsl_multifit_nlinear_init(&start.vector, &fdf, w.get()) != GSL_SUCCESS) {
        return s;
    }
    int info = 0;
    const int status = gsl_multifit_nlinear_driver(kMaxIterations, kXTolerance, kGTolerance, 0.0,
                                                   nullptr, nullptr, &info, w.get());
    s.iterations = static_cast<int>(gsl_multifit_nlinear_niter(w.get()));
    const gsl_vector* x = gsl_multifit_nlinear_position(w.get());
    s.x.assign(x->data, x->data + p);
    s.converged = status == GSL_SUCCESS &&
                  std::ranges::all_of(s.x, [](double v) { return std::isfinite(v); });
    return s;
}

// The grid point with the least sum of squares over an even spread of the measurements; the
// tank's own α and β are a candidate too. The volumes are even in β, so at β = 0 the solver
// would see no slope in it: the leans tried start at kLeastLean. When δ is fitted, each grid
// point takes the δ that is best for it to first order (the residuals are nearly linear in δ
// over a few centimetres), from one more evaluation at kOffsetProbe.
constexpr double kLeastLean = 0.5;    // degrees
constexpr double kOffsetProbe = 1.0;  // mm
Lie gridStart(LogModel& model, const TankConfig& tank, Unknowns unknowns,
              std::span<const std::size_t> used) {
    std::vector<std::size_t> sample;
    const std::size_t n = used.size(), k = std::min(n, kGridSample);
    for (std::size_t j = 0; j < k; ++j) {
        sample.push_back(used[j * n / k]);
    }
    const double reach =
        std::atan(tank.height() / std::max(tank.lengthWithFlanges(), 1.0)) * 180 / std::numbers::pi;
    const double maxTilt = std::min(kMaxGridTilt, reach);
    std::vector<double> tilts{tank.tiltAlpha}, leans{tank.tiltBeta};
    if (unknowns.alpha) {
        for (int i = 1; i <= kTiltSteps; ++i) {
            tilts.push_back(maxTilt * i / kTiltSteps);
        }
    }
    if (unknowns.beta) {
        leans.front() = std::max(std::fabs(tank.tiltBeta), kLeastLean);
        leans.insert(leans.end(), kGridLeans.begin(), kGridLeans.end());
    }
    std::vector<double> r0(sample.size()), r1(sample.size());
    Lie best{tank.tiltAlpha, tank.tiltBeta, 0};
    double least = INFINITY;
    for (double a : tilts) {
        for (double b : leans) {
            Lie lie{a, b, 0};
            model.residuals(lie, sample, r0.data());
            double s = std::inner_product(r0.begin(), r0.end(), r0.begin(), 0.0);
            if (unknowns.offset) {
                model.residuals({a, b, kOffsetProbe}, sample, r1.data());
                double dd = 0, dr = 0;
                for (std::size_t i = 0; i < sample.size(); ++i) {
                    const double d = (r1[i] - r0[i]) / kOffsetProbe;
                    dd += d * d;
                    dr += d * r0[i];
                }
                if (dd > 0) {
                    lie.offset = -dr / dd;
                    s -= dr * dr / dd;
                }
            }
            if (s < least) {
                least = s;
                best = lie;
            }
        }
    }
    return best;
}

// Standard errors of x from (JᵀJ)⁻¹·s² at the solution.
std::vector<double> standardErrors(LogModel& model, std::span<const std::size_t> used,
                                   const std::vector<double>& x, double s2) {
    const std::size_t n = used.size(), p = x.size();
    const std::unique_ptr<gsl_matrix, void (*)(gsl_matrix*)> J(gsl_matrix_alloc(n, p),
                                                               gsl_matrix_free);
    const std::unique_ptr<gsl_matrix, void (*)(gsl_matrix*)> covar(gsl_matrix_alloc(p, p),
                                                                   gsl_matrix_free);
    jacobian(model, used, x.data(), J.get());
    gsl_multifit_nlinear_covar(J.get(), 0.0, covar.get());
    std::vector<double> se(p);
    for (std::size_t k = 0; k < p; ++k) {
        se[k] = std::sqrt(gsl_matrix_get(covar.get(), k, k) * s2);
    }
    return se;
}

}  // namespace

Outcome<TiltFit> fitTilt(const TankConfig& tank, std::span<const LogRow> log, LogKind kind,
                         Unknowns unknowns, bool withoutOutliers) {
    if (tank.shellKind != ShellKind::Tilted) {
        return messageStop(std::string(msg::kNotTilted));
    }
    if (auto stop = checkLog(tank, log, kind, unknowns)) {
        return *stop;
    }
    const QuietGsl quiet;
    LogModel model(tank, log, kind, unknowns);
    std::vector<std::size_t> all(model.measurements());
    std::iota(all.begin(), all.end(), std::size_t{0});

    Solution s = solve(model, all, model.parametersOf(gridStart(model, tank, unknowns, all)));
    if (!s.converged) {
        return messageStop(msg::notConverged(s.iterations));
    }
    std::vector<double> r(all.size());
    model.residuals(model.lieOf(s.x.data()), all, r.data());
    const double rmsAll =
        std::sqrt(std::inner_product(r.begin(), r.end(), r.begin(), 0.0) / r.size());
    std::vector<std::size_t> used;
    std::vector<bool> outlier(all.size());
    for (std::size_t m : all) {
        outlier[m] = std::fabs(r[m]) > 4 * rmsAll;
        if (!outlier[m]) {
            used.push_back(m);
        }
    }
    TiltFit fit;
    fit.outliers = all.size() - used.size();
    if (withoutOutliers && fit.outliers > 0 && used.size() >= 3 * unknowns.count()) {
        s = solve(model, used, s.x);
        if (!s.converged) {
            return messageStop(msg::notConverged(s.iterations));
        }
        model.residuals(model.lieOf(s.x.data()), all, r.data());
        fit.refitted = true;
    } else {
        used = all;
    }

    double squares = 0;
    for (std::size_t m : used) {
        squares += r[m] * r[m];
    }
    const std::size_t p = unknowns.count();
    fit.used = used.size();
    fit.rms = std::sqrt(squares / used.size());
    const std::vector<double> se = standardErrors(model, used, s.x, squares / (used.size() - p));
    const Lie lie = model.lieOf(s.x.data());
    fit.fitted = unknowns;
    fit.alpha = lie.alpha;
    // The volumes are even in the lean: a lean of −β is the same tank as one of β.
    fit.beta = std::fabs(lie.beta);
    fit.offset = lie.offset;
    std::size_t k = 0;
    fit.alphaSe = unknowns.alpha ? se[k++] : 0;
    fit.betaSe = unknowns.beta ? se[k++] : 0;
    fit.offsetSe = unknowns.offset ? se[k++] : 0;
    for (std::size_t m : all) {
        fit.residuals.push_back({model.lastRow(m), model.plotLevel(m), r[m], outlier[m]});
    }
    fit.iterations = s.iterations;
    fit.evaluations = model.evaluations;
    fit.volumes = model.volumesComputed;
    return fit;
}

}  // namespace quorvel::identify
