#include "tank/monotone_cubic.h"

// Boost 1.74's pchip.hpp calls isnan unqualified: the C header puts it in the global namespace.
#include <math.h>

#include <boost/math/interpolators/pchip.hpp>
#include <cmath>
#include <stdexcept>

namespace quorvel {
namespace {

// The slope at an end of the points: h0, d0 the end interval's width and secant, h1, d1 the
// next one's. The three-point estimate, set to zero when its sign differs from the end
// secant's and limited to 3·d0 where the secants change sign (Moler, NCM §3.6, pchipend).
double endSlope(double h0, double h1, double d0, double d1) {
    double s = ((2 * h0 + h1) * d0 - h0 * d1) / (h0 + h1);
    if (std::signbit(s) != std::signbit(d0) || d0 == 0) {
        s = 0;
    } else if (std::signbit(d0) != std::signbit(d1) && std::fabs(s) > std::fabs(3 * d0)) {
        s = 3 * d0;
    }
    return s;
}

}  // namespace

struct MonotoneCubic::Curve {
    boost::math::interpolators::pchip<std::vector<double>> pchip;
};

MonotoneCubic::MonotoneCubic(std::vector<double> x, std::vector<double> y) {
    const std::size_t n = x.size();
    if (n < kLeastCubicPoints || y.size() != n) {
        throw std::domain_error("a monotone cubic needs four points or more");
    }
    for (std::size_t i = 1; i < n; ++i) {
        if (!(x[i] > x[i - 1])) {
            throw std::domain_error("the levels do not rise strictly");
        }
    }
    auto secant = [&](std::size_t i) { return (y[i + 1] - y[i]) / (x[i + 1] - x[i]); };
    const double left = endSlope(x[1] - x[0], x[2] - x[1], secant(0), secant(1));
    const double right =
        endSlope(x[n - 1] - x[n - 2], x[n - 2] - x[n - 3], secant(n - 2), secant(n - 3));
    curve_ =
        std::make_shared<const Curve>(Curve{boost::math::interpolators::pchip<std::vector<double>>(
            std::move(x), std::move(y), left, right)});
}

double MonotoneCubic::operator()(double level) const {
    return curve_->pchip(level);
}

}  // namespace quorvel
