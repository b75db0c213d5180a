#include "tank/point_checks.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

std::vector<PointFinding> checkPoints(std::span<const double> x, std::span<const double> y) {
    using Kind = PointFinding::Kind;
    std::vector<PointFinding> findings;
    const std::size_t n = std::min(x.size(), y.size());
    std::vector<double> steps;
    for (std::size_t i = 1; i < n; ++i) {
        if (x[i] < x[i - 1]) {
            findings.push_back({Kind::LevelFalls, i, x[i - 1], x[i]});
        } else if (x[i] == x[i - 1]) {
            findings.push_back({Kind::LevelRepeated, i, x[i - 1], x[i]});
        } else {
            steps.push_back(x[i] - x[i - 1]);
        }
        if (y[i] < y[i - 1]) {
            findings.push_back({Kind::VolumeFalls, i, y[i - 1], y[i]});
        }
    }
    if (steps.empty()) {
        return findings;
    }
    std::vector<double> sorted = steps;
    const auto middle = sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2);
    std::nth_element(sorted.begin(), middle, sorted.end());
    const double median = *middle;
    const double low = x[0] + kEndBand * (x[n - 1] - x[0]);
    const double high = x[n - 1] - kEndBand * (x[n - 1] - x[0]);
    // The litres per mm of the interval ending at point i, when its levels rise.
    auto increment = [&](std::size_t i) { return (y[i] - y[i - 1]) / (x[i] - x[i - 1]); };
    for (std::size_t i = 1; i < n; ++i) {
        if (!(x[i] > x[i - 1])) {
            continue;
        }
        if (x[i] - x[i - 1] > kGapFactor * median) {
            findings.push_back({Kind::Gap, i, x[i] - x[i - 1], median});
        }
        if (i + 1 < n && x[i + 1] > x[i] && x[i - 1] >= low && x[i + 1] <= high) {
            const double a = increment(i), b = increment(i + 1);
            const double small = std::min(a, b), large = std::max(a, b);
            const bool jump = small <= 0 ? large != small : large > (1 + kIncrementJump) * small;
            if (jump) {
                findings.push_back({Kind::IncrementJump, i, a, b});
            }
        }
    }
    std::stable_sort(
        findings.begin(), findings.end(),
        [](const PointFinding& a, const PointFinding& b) { return a.index < b.index; });
    return findings;
}

}  // namespace quorvel
