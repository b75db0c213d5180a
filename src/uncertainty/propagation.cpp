#include "uncertainty/propagation.h"

#include <algorithm>
#include <cmath>

#include "form/fields.h"
#include "form/head_kinds.h"
#include "tank/tank_reader.h"
#include "units/units.h"

namespace quorvel::uncertainty {
namespace {

using Dimension = TankDimension;

double& headMember(HeadSpec& head, HeadDimension dimension) {
    switch (dimension) {
        case HeadDimension::Flange:
            return head.flangeHeight;
        case HeadDimension::Depth:
            return head.depth;
        case HeadDimension::ConeHeight:
            return head.coneHeight;
        case HeadDimension::SmallDiameter:
            return head.smallDiameter;
        case HeadDimension::SphereRadius:
            break;
    }
    return head.sphereRadius;
}

template <double TankConfig::*member>
Dimension field(std::string_view name, bool positive = true) {
    return {name, [](TankConfig& c) -> double& { return c.*member; }, positive};
}

}  // namespace

std::vector<TankDimension> tankDimensions(const TankConfig& config) {
    std::vector<Dimension> out;
    switch (config.shellKind) {
        case ShellKind::Horizontal:
            if (config.sectionKind == SectionKind::Circular) {
                out.push_back(field<&TankConfig::diameter>(kDiameterField));
                out.push_back(field<&TankConfig::length>(kLengthField));
            } else {
                out.push_back(field<&TankConfig::horizontalDiameter>(kEllipseWidthField));
                out.push_back(field<&TankConfig::verticalDiameter>(kEllipseHeightField));
                out.push_back(field<&TankConfig::length>(kEllipseLengthField));
            }
            break;
        case ShellKind::Tilted:
            out.push_back(field<&TankConfig::tiltAlpha>(kTiltAlphaField));
            out.push_back(field<&TankConfig::tiltBeta>(kTiltBetaField, false));
            out.push_back(field<&TankConfig::tiltOffset>(kGaugeOffsetField, false));
            out.push_back(field<&TankConfig::horizontalDiameter>(kTiltedWidthField));
            out.push_back(field<&TankConfig::verticalDiameter>(kTiltedHeightField));
            out.push_back(field<&TankConfig::length>(kTiltedLengthField));
            break;
        case ShellKind::Spherical:
            out.push_back(field<&TankConfig::diameter>(kSphereDiameterField));
            break;
        case ShellKind::Calibrated:
            break;
    }
    if (config.headsApply()) {
        for (auto [side, headOf] : {std::pair{HeadSide::Left, &TankConfig::leftHead},
                                    std::pair{HeadSide::Right, &TankConfig::rightHead}}) {
            for (const HeadField& f : headKindInfo((config.*headOf).kind).fields) {
                const HeadDimension dimension = f.dimension;
                auto member = headOf;
                out.push_back({fieldOn(f, side), [member, dimension](TankConfig& c) -> double& {
                                   return headMember(c.*member, dimension);
                               }});
            }
        }
    }
    if (config.correctionsApply()) {
        out.push_back(field<&TankConfig::deadVolume>(kDeadVolumeField, false));
        out.push_back(field<&TankConfig::fittingVolume>(kFittingVolumeField, false));
    }
    return out;
}

namespace {

// The litres of `model` (over `config`) at `level`, as a level on its own; the level limited
// to the tank's height as a table's levels are.
double litresAt(const VolumeModel& model, const TankConfig& config, double level) {
    VolumeState state;
    return model(config.limitToTank(level), 0, state) * units::kLitresPerCubicMetre;
}

// A sensitivity from the volumes at two values of its input; 0 for a step that vanished.
double slope(double vLow, double vHigh, double xLow, double xHigh) {
    const double dv = vHigh - vLow;
    return xHigh > xLow && std::isfinite(dv) ? dv / (xHigh - xLow) : 0;
}

}  // namespace

double differenceStep(double x, double u) {
    return std::max(u, 1e-6 * std::max(std::fabs(x), 1.0));
}

// A dimension with the tank built at its two ends of the difference.
struct Propagation::Input {
    Input(const TankConfig& config, const Dimension& d, double uValue, Method method)
        : name(d.name), u(uValue), low(config), high(config) {
        TankConfig probe = config;
        const double x = d.at(probe);
        const double step = differenceStep(x, u);
        xLow = d.positive && x - step <= 0 ? x : x - step;  // one-sided at the domain's edge
        xHigh = x + step;
        d.at(low) = xLow;
        d.at(high) = xHigh;
        deriveDishedRatios(low);
        deriveDishedRatios(high);
        lowModel = std::make_unique<VolumeModel>(low, method);
        highModel = std::make_unique<VolumeModel>(high, method);
    }
    std::string name;
    double u;
    double xLow = 0, xHigh = 0;
    TankConfig low, high;
    std::unique_ptr<VolumeModel> lowModel, highModel;
};

// A calibrated tank's points, whose volumes are changed one at a time in a working copy.
struct Propagation::Points {
    explicit Points(const TankConfig& config) : work(config), model(work, Method::Classic) {}
    TankConfig work;
    VolumeModel model;
};

Propagation::Propagation(const TankConfig& config, Method method, const UncertaintyInputs& in)
    : config_(std::make_unique<const TankConfig>(config)),
      method_(method),
      levelU_(in.level),
      pointsU_(in.of(kPointsName)) {
    for (const Dimension& d : tankDimensions(config)) {
        if (const double u = in.of(d.name); u > 0) {
            inputs_.push_back(std::make_unique<Input>(config, d, u, method));
        }
    }
    if (config.shellKind == ShellKind::Calibrated && pointsU_ > 0 &&
        config.calibrationPoints.size() >= 2) {
        points_ = std::make_unique<Points>(*config_);
    }
    base_ = std::make_unique<VolumeModel>(*config_, method);
}

Propagation::~Propagation() = default;
Propagation::Propagation(Propagation&&) noexcept = default;

double Propagation::sumOfSquares(double level, std::vector<Contribution>* out) const {
    const TankConfig& c = *config_;
    double sum = 0;
    auto add = [&](std::string_view name, double u, double sensitivity, double litres) {
        sum += litres * litres;
        if (out != nullptr) {
            out->push_back({std::string(name), u, sensitivity, litres});
        }
    };
    if (levelU_ > 0) {
        // The level's difference stays within the tank's levels: one-sided at the bottom and
        // at the top, where the volume has no level beyond.
        const double step = differenceStep(level, levelU_);
        const bool measured = c.shellKind == ShellKind::Calibrated;
        const double lo = measured ? level - step : std::max(0.0, level - step);
        const double hi = measured ? level + step : c.limitToTank(level + step);
        const double s = slope(litresAt(*base_, c, lo), litresAt(*base_, c, hi), lo, hi);
        add(kLevelName, levelU_, s, std::fabs(s * levelU_));
    }
    for (const auto& in : inputs_) {
        const double s = slope(litresAt(*in->lowModel, in->low, level),
                               litresAt(*in->highModel, in->high, level), in->xLow, in->xHigh);
        add(in->name, in->u, s, std::fabs(s * in->u));
    }
    if (points_) {
        // The volume is interpolated between neighbouring points: only the two of the
        // level's segment (the first or last segment beyond the points) move it, and they lie
        // among the four about the first point not below the level. Points whose levels do not
        // rise are all tried.
        std::vector<double>& volumes = points_->work.calibrationPoints.volumes;
        const std::vector<double>& levels = c.calibrationPoints.levels;
        const std::size_t n = volumes.size();
        std::size_t from = 0, to = n;
        if (c.calibrationPoints.ascending) {
            const auto k = static_cast<std::size_t>(
                std::lower_bound(levels.begin(), levels.end(), level) - levels.begin());
            from = k >= 2 ? k - 2 : 0;
            to = std::min(n, k + 2);
        }
        double weights = 0, litres = 0;
        auto point = [&](std::size_t j) {
            const double v = volumes[j];
            const double step = differenceStep(v, pointsU_);
            volumes[j] = v - step;
            const double vLow = litresAt(points_->model, points_->work, level);
            volumes[j] = v + step;
            const double vHigh = litresAt(points_->model, points_->work, level);
            volumes[j] = v;
            const double w = slope(vLow, vHigh, v - step, v + step);
            weights += w * w;
            litres += (w * pointsU_) * (w * pointsU_);
        };
        for (std::size_t j = from; j < to; ++j) {
            point(j);
        }
        add(kPointsName, pointsU_, std::sqrt(weights), std::sqrt(litres));
    }
    return sum;
}

VolumeU Propagation::at(double level) const {
    VolumeU result;
    result.standard = std::sqrt(sumOfSquares(level, &result.contributions));
    result.expanded = 2 * result.standard;
    return result;
}

double Propagation::expanded(double level) const {
    return 2 * std::sqrt(sumOfSquares(level, nullptr));
}

}  // namespace quorvel::uncertainty
