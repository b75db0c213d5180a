#include "ui/pictures/curve_outline.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel::ui {
namespace {

std::vector<CurvePoint> rising(std::size_t count, double height) {
    std::vector<CurvePoint> points;
    for (std::size_t i = 0; i < count; ++i) {
        const double level = height * static_cast<double>(i) / static_cast<double>(count - 1);
        points.push_back({level, level * 5});
    }
    return points;
}

TEST(CurveOutline, AMillionRowsThinnedToTheColumnsKeepingEndsAndSpikes) {
    std::vector<CurvePoint> points = rising(1'000'001, 3000);
    points[500'000].value = -1000;  // a failed level
    points[700'001].value = 1e6;
    const std::vector<CurvePoint> kept = outlineForColumns(points, 0, 3000, 300);
    EXPECT_LE(kept.size(), 4u * 300);
    EXPECT_GE(kept.size(), 2u * 300);
    EXPECT_EQ(kept.front().level, 0);
    EXPECT_EQ(kept.back().level, 3000);
    EXPECT_TRUE(
        std::is_sorted(kept.begin(), kept.end(),
                       [](const CurvePoint& a, const CurvePoint& b) { return a.level < b.level; }));
    auto has = [&](const CurvePoint& p) {
        return std::any_of(kept.begin(), kept.end(), [&](const CurvePoint& k) {
            return k.level == p.level && k.value == p.value;
        });
    };
    EXPECT_TRUE(has(points[500'000]));
    EXPECT_TRUE(has(points[700'001]));
}

TEST(CurveOutline, ShortCurvesAndDegenerateAxesStayWhole) {
    const std::vector<CurvePoint> few = rising(1200, 2000);
    struct Case {
        double low, high;
        int columns;
    };
    for (const Case& c : {Case{0, 2000, 300}, Case{0, 2000, 0}, Case{2000, 2000, 300}}) {
        const std::vector<CurvePoint> kept = outlineForColumns(few, c.low, c.high, c.columns);
        ASSERT_EQ(kept.size(), few.size()) << c.columns << " columns";
        EXPECT_EQ(kept[599].value, few[599].value);
    }
    // Just past four a column: a rising curve's first point is its lowest and its last the
    // highest, so two a column remain.
    EXPECT_EQ(outlineForColumns(rising(1201, 2000), 0, 2000, 300).size(), 600u);
}

}  // namespace
}  // namespace quorvel::ui
