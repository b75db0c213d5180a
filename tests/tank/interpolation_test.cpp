// A calibrated tank between its points: the straight line and the monotone cubic against the
// exact volumes of a tank whose table they stand for.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "form/calibration_grid.h"
#include "form/interpolation_controls.h"
#include "support/forms.h"
#include "tank/level_from_volume.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"

namespace quorvel {
namespace {

// A flat-ended horizontal cylinder, D 2000 mm, L 5000 mm: the circular segment's area
// R²·acos((R − h)/R) − (R − h)·√(2Rh − h²) times the length (e.g. Perry's Chemical
// Engineers' Handbook, 8th ed., table 10-52), in litres.
double exactLitres(double h) {
    const double r = 1000, length = 5000;
    const double area = r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(2 * r * h - h * h);
    return area * length * 1e-6;
}

// The calibrated page with the tank's table at `step` mm, volumes printed to 0.01 L as an
// issued table prints them, by the interpolation chosen.
MemoryForm tableForm(double step, std::string_view interpolation) {
    MemoryForm form = testsupport::startedForm(3);
    const int points = static_cast<int>(2000 / step) + 1;
    form.setText("ComboBox2", std::to_string(points - 1));
    choosePointCount(form.grid(), points - 1);
    for (int i = 0; i < points; ++i) {
        const double h = i * step;
        form.grid().setCell(1, i + 1, std::to_string(h));
        form.grid().setCell(2, i + 1, std::to_string(std::round(exactLitres(h) * 100) / 100));
    }
    form.setText(kInterpolationList, interpolation);
    return form;
}

// The worst relative departure from the exact volume at every whole mm above 200 mm (below,
// the litres are few and every interpolation's relative error large), and whether the volume
// never falls from one mm to the next.
struct Departure {
    double worst = 0;
    bool rises = true;
};
Departure departure(const TankConfig& c) {
    Departure d;
    double before = -1;
    for (int h = 0; h <= 2000; ++h) {
        const double litres = volumeAtLevel(c, h, 0) * 1000;
        if (h > 200)
            d.worst = std::max(d.worst, std::fabs(litres - exactLitres(h)) / exactLitres(h));
        d.rises = d.rises && litres >= before;
        before = litres;
    }
    return d;
}

TEST(Interpolation, MonotoneCubicFollowsTheClosedFormWhereTheLineCannot) {
    struct Case {
        double step;
        std::string_view interpolation;
        double least, most;  // the worst departure's bounds, relative
    } cases[] = {
        {100, kLinearEntry, 0.0128, 0.0130},
        {100, kMonotoneCubicEntry, 0.0018, 0.0020},
        {50, kLinearEntry, 0.0039, 0.0041},
        {50, kMonotoneCubicEntry, 0.0003, 0.0005},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.step) + " " + std::string(c.interpolation));
        const Outcome<TankConfig> tank = buildTankConfig(tableForm(c.step, c.interpolation));
        ASSERT_TRUE(tank);
        const Departure d = departure(*tank);
        EXPECT_GE(d.worst, c.least);
        EXPECT_LE(d.worst, c.most);
        EXPECT_TRUE(d.rises);
        // Beyond the points both extend the end segments: 100 mm above the top.
        const TankConfig& t = *tank;
        const double top = t.calibrationPoints.volumes.back();
        const double slope =
            (top - t.calibrationPoints.volumes[t.calibrationPoints.size() - 2]) / c.step;
        EXPECT_NEAR(volumeAtLevel(t, 2100, 0) * 1000, top + 100 * slope, 1e-9);
        // The level of a volume lies on the same curve.
        for (double h : {250.0, 1000.0, 1733.3}) {
            const LevelSearch found = levelForVolume(t, volumeAtLevel(t, h, 0), Method::Classic);
            EXPECT_NEAR(found.level, h, 1e-6);
        }
    }
}

TEST(Interpolation, MonotoneCubicRefusesLevelsThatDoNotRise) {
    MemoryForm form = tableForm(100, kMonotoneCubicEntry);
    form.grid().setCell(1, 5, "300");  // row 5 repeats row 4's level
    const Outcome<TankConfig> tank = buildTankConfig(form);
    ASSERT_FALSE(tank);
    EXPECT_EQ(tank.stop().text,
              "单调三次插值要求标定点高度逐点增大：第 5 行的高度不大于上一行。"
              "请改正标定点或选择“线性”插值。");
    form.setText(kInterpolationList, kLinearEntry);  // the line takes them as they are
    EXPECT_TRUE(buildTankConfig(form));
}

}  // namespace
}  // namespace quorvel
