#include "ui/pictures/curve_outline.h"

#include <algorithm>
#include <cmath>

namespace quorvel::ui {

std::vector<CurvePoint> outlineForColumns(std::span<const CurvePoint> points, double low,
                                          double high, int columns) {
    if (columns < 1 || !(high > low) || points.size() <= 4 * static_cast<std::size_t>(columns)) {
        return {points.begin(), points.end()};
    }
    auto columnOf = [&](double level) {
        return std::clamp(static_cast<long>(std::floor((level - low) / (high - low) * columns)), 0L,
                          static_cast<long>(columns) - 1);
    };
    std::vector<CurvePoint> kept;
    kept.reserve(4 * static_cast<std::size_t>(columns));
    std::size_t first = 0;
    while (first < points.size()) {
        const long column = columnOf(points[first].level);
        std::size_t end = first + 1, lowest = first, highest = first;
        while (end < points.size() && columnOf(points[end].level) == column) {
            if (points[end].value < points[lowest].value) {
                lowest = end;
            }
            if (points[end].value > points[highest].value) {
                highest = end;
            }
            ++end;
        }
        const std::size_t last = end - 1;
        std::size_t picks[] = {first, lowest, highest, last};
        std::sort(std::begin(picks), std::end(picks));
        for (std::size_t i = 0; i < 4; ++i) {
            if (i == 0 || picks[i] != picks[i - 1]) {
                kept.push_back(points[picks[i]]);
            }
        }
        first = end;
    }
    return kept;
}

}  // namespace quorvel::ui
