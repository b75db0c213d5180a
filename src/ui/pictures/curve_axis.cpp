#include "ui/pictures/curve_axis.h"

#include <algorithm>
#include <cmath>

#include "text/number_format.h"

namespace quorvel::ui {

AxisScale niceScale(double min, double max, int maxTicks) {
    maxTicks = std::max(maxTicks, 2);
    if (!std::isfinite(min) || !std::isfinite(max)) {
        min = max = 0;
    }
    if (min > max) {
        std::swap(min, max);
    }
    if (max - min <= 0) {
        // A flat curve: one unit around its value, so the line sits inside the frame.
        const double unit = min == 0 ? 1 : std::pow(10.0, std::floor(std::log10(std::abs(min))));
        min -= unit;
        max += unit;
        if (min < 0 && max > 0 && min > -unit * 1.01) {
            min = 0;
        }
    }
    const double raw = (max - min) / (maxTicks - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    constexpr double kMantissas[] = {1, 2, 5};
    for (int k = 0;; ++k) {
        const double step = kMantissas[k % 3] * magnitude * std::pow(10.0, k / 3);
        if (step < raw * (1 - 1e-12)) {
            continue;
        }
        // Whole steps covering the range; rounding out may need one step more than fits.
        const double low = std::floor(min / step + 1e-9) * step;
        const double high = std::ceil(max / step - 1e-9) * step;
        const auto steps = std::llround((high - low) / step);
        if (steps + 1 <= maxTicks) {
            AxisScale scale{low, high, step, {}};
            for (long long i = 0; i <= steps; ++i) {
                const double tick = low + static_cast<double>(i) * step;
                scale.ticks.push_back(std::abs(tick) < step * 1e-9 ? 0 : tick);
            }
            return scale;
        }
    }
}

std::string tickText(double value) {
    // 15 significant digits hide the rounding of low + i × step.
    return formatLevel(value);
}

}  // namespace quorvel::ui
