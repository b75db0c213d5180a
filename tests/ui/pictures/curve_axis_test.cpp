#include "ui/pictures/curve_axis.h"

#include <gtest/gtest.h>

#include <limits>

namespace quorvel::ui {
namespace {

TEST(NiceScale, RoundTicksCoveringTheRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double min, max;
        int maxTicks;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {0, 2000, 6, {0, 500, 1000, 1500, 2000}},
        {0, 17959.44, 6, {0, 5000, 10000, 15000, 20000}},
        {0, 523.6, 6, {0, 200, 400, 600}},
        {0, 1, 6, {0, 0.2, 0.4, 0.6000000000000001, 0.8, 1}},
        {-1000, 7853.98, 6, {-2000, 0, 2000, 4000, 6000, 8000}},  // a failed level's −1 m^3
        {0, 2400, 6, {0, 500, 1000, 1500, 2000, 2500}},
        {0, 0, 6, {0, 0.2, 0.4, 0.6000000000000001, 0.8, 1}},  // an empty tank
        {500, 500, 6, {400, 450, 500, 550, 600}},              // a flat curve
        {nan, 10, 6, {0, 0.2, 0.4, 0.6000000000000001, 0.8, 1}},
        {2000, 0, 3, {0, 1000, 2000}},
        {0, 2000, 1, {0, 2000}},  // at least two ticks
    };
    for (const Case& c : cases) {
        const AxisScale scale = niceScale(c.min, c.max, c.maxTicks);
        EXPECT_EQ(scale.ticks, c.ticks) << c.min << ".." << c.max;
        EXPECT_LE(scale.ticks.size(), static_cast<std::size_t>(std::max(c.maxTicks, 2)));
        EXPECT_EQ(scale.low, scale.ticks.front());
        EXPECT_EQ(scale.high, scale.ticks.back());
    }
}

TEST(NiceScale, TickTexts) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},         {-0.0, "0"},      {0.6000000000000001, "0.6"},
        {12000, "12000"}, {-2000, "-2000"}, {2.5, "2.5"}};
    for (auto [value, text] : cases) {
        EXPECT_EQ(tickText(value), text);
    }
}

}  // namespace
}  // namespace quorvel::ui
