#include "tank/capacity_curve.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/forms.h"
#include "tank/density.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

using testsupport::circularForm;
using testsupport::setTexts;
using testsupport::startedForm;

MemoryForm flatCircular() {
    MemoryForm form = circularForm("2000", "5000");
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    return form;
}

MemoryForm ellipticalForm() {
    MemoryForm form = startedForm(0);
    form.setChecked("RadioButton2", true);
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    setTexts(form, {{"Edit3", "2000"}, {"Edit4", "1000"}, {"Edit5", "5000"}});
    return form;
}

MemoryForm sphereForm() {
    MemoryForm form = startedForm(2);
    form.setText("Edit34", "1000");
    return form;
}

MemoryForm tiltedForm() {
    MemoryForm form = startedForm(1);
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    setTexts(form, {{"Edit29", "1"},
                    {"Edit30", "0"},
                    {"Edit39", "2000"},
                    {"Edit40", "2400"},
                    {"Edit41", "1800"},
                    {"Edit42", "8000"}});
    return form;
}

MemoryForm calibratedForm() {
    MemoryForm form = startedForm(3);
    form.setItemIndex("ComboBox2", 0);  // 2 points: rows 1 … 3
    form.grid().setRowCount(4);
    const char* cells[3][2] = {{"0", "0"}, {"2000", "1500"}, {"1000", "500"}};
    for (int row = 1; row <= 3; ++row) {
        form.grid().setCell(1, row, cells[row - 1][0]);
        form.grid().setCell(2, row, cells[row - 1][1]);
    }
    return form;
}

TankConfig configOf(MemoryForm form) {
    const Outcome<TankConfig> config = buildTankConfig(form);
    EXPECT_TRUE(config) << (config ? "" : config.stop().text);
    return config ? *config : TankConfig{};
}

TEST(CapacityCurve, ReferenceVolumesOverTheHeight) {
    struct Case {
        const char* name;
        MemoryForm form;
        double height;
        std::vector<double> litres;  // at 0, height / 2, height
    };
    const Case cases[] = {
        {"circular, flat heads", flatCircular(), 2000, {0, 7853.981634, 15707.963268}},
        {"circular, standard ellipsoidal heads",
         circularForm("2000", "5000"),
         2000,
         {0, 8979.719002, 17959.438003}},
        {"elliptical A 1000 B 2000", ellipticalForm(), 1000, {0, 3926.990817, 7853.981634}},
        {"sphere D 1000", sphereForm(), 1000, {0, 261.799388, 523.598776}},
        {"calibrated, highest level entered second", calibratedForm(), 2000, {0, 500, 1500}},
    };
    for (const Case& c : cases) {
        const TankConfig config = configOf(c.form);
        EXPECT_EQ(config.height(), c.height) << c.name;
        const CapacityCurve curve = capacityCurve(config, 3, std::nullopt);
        ASSERT_EQ(curve.points.size(), 3u) << c.name;
        EXPECT_FALSE(curve.weights);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(curve.points[i].level, c.height * static_cast<double>(i) / 2) << c.name;
            EXPECT_NEAR(curve.points[i].value, c.litres[i], 5e-6) << c.name << " point " << i;
        }
    }
}

TEST(CapacityCurve, EveryPointIsTheTankVolumeAtItsLevel) {
    const MemoryForm forms[] = {circularForm("2400", "6000"), ellipticalForm(), sphereForm(),
                                tiltedForm(), calibratedForm()};
    for (const MemoryForm& form : forms) {
        const TankConfig config = configOf(form);
        const CapacityCurve curve = capacityCurve(config, 301, std::nullopt);
        ASSERT_EQ(curve.points.size(), 301u);
        EXPECT_EQ(curve.points.front().level, 0);
        EXPECT_EQ(curve.points.back().level, config.height());
        for (std::size_t i = 1; i < curve.points.size(); ++i) {
            const CurvePoint& p = curve.points[i];
            EXPECT_GT(p.level, curve.points[i - 1].level);
            EXPECT_DOUBLE_EQ(p.value, volumeAtLevel(config, p.level, 0) * 1000) << p.level;
        }
    }
    EXPECT_EQ(configOf(tiltedForm()).height(), 1800);  // A: the gauge reads up to it
}

TEST(CapacityCurve, WeightsWithADensity) {
    const TankConfig config = configOf(flatCircular());
    const CapacityCurve curve = capacityCurve(config, 3, 800.0);
    EXPECT_TRUE(curve.weights);
    ASSERT_EQ(curve.points.size(), 3u);
    EXPECT_NEAR(curve.points[1].value, 6283.185307, 5e-6);  // 7.853981634 m^3 × 800 kg/m^3
    EXPECT_NEAR(curve.points[2].value, 12566.370614, 5e-6);
}

TEST(CapacityCurve, PointCountLimits) {
    const TankConfig config = configOf(flatCircular());
    EXPECT_EQ(capacityCurve(config, 0, std::nullopt).points.size(), kMinCurvePoints);
    EXPECT_EQ(capacityCurve(config, 1, std::nullopt).points.size(), kMinCurvePoints);
    EXPECT_EQ(capacityCurve(config, kMaxCurvePoints + 5, std::nullopt).points.size(),
              kMaxCurvePoints);
}

// A calibrated tank's curve carries its measured points, sorted by level and weighed at the
// density, and reaches on to a level asked above the highest of them.
TEST(CapacityCurve, ACalibratedTankCarriesItsPointsAndReachesALevelBeyondThem) {
    const TankConfig config = configOf(calibratedForm());
    const CapacityCurve curve = capacityCurve(config, 3, 800.0, Method::Classic, 3000);
    EXPECT_EQ(curve.points.back().level, 3000);
    ASSERT_TRUE(curve.measuredSpan.has_value());
    EXPECT_EQ(curve.measuredSpan->to, 2000);
    ASSERT_EQ(curve.measured.size(), 3u);
    EXPECT_EQ(curve.measured[1].level, 1000);
    EXPECT_DOUBLE_EQ(curve.measured[1].value, 400);  // 500 L at 800 kg/m³
    EXPECT_EQ(capacityCurve(config, 3, std::nullopt, Method::Classic, 1500).points.back().level,
              2000);
    const CapacityCurve flat =
        capacityCurve(configOf(flatCircular()), 3, std::nullopt, Method::Classic, 3000);
    EXPECT_EQ(flat.points.back().level, 2000);  // a level above the tank is the full tank
    EXPECT_TRUE(flat.measured.empty());
    EXPECT_FALSE(flat.measuredSpan.has_value());
}

}  // namespace
}  // namespace quorvel
