#include "uncertainty/propagation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "form/calibration_grid.h"
#include "support/forms.h"
#include "tank/tank_reader.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel::uncertainty {
namespace {

using testsupport::setTexts;
using testsupport::startedForm;

// D 2000 × L 5000 with flat ends, read as the window reads it.
TankConfig flatTank() {
    MemoryForm form = startedForm(0);
    setTexts(form, {{"Edit1", "2000"}, {"Edit2", "5000"}});
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    auto config = buildTankConfig(form);
    EXPECT_TRUE(config);
    return *config;
}

UncertaintyInputs stated(double level, std::vector<NamedU> dimensions) {
    UncertaintyInputs in;
    in.level = level;
    in.dimensions = std::move(dimensions);
    return in;
}

// The sensitivities of a flat-ended cylinder of radius R and length L at level h, from the
// segment area A = R² acos(1 − h/R) − (R − h) s, s = √(2Rh − h²): ∂V/∂h = 2 L s,
// ∂V/∂L = A, ∂V/∂D = L (R acos(1 − h/R) − s). Litres per millimetre.
struct Sensitivities {
    double level, length, diameter;
};
Sensitivities closedForm(double R, double L, double h) {
    const double s = std::sqrt(2 * R * h - h * h);
    const double angle = std::acos(1 - h / R);
    return {2 * L * s * 1e-6, (R * R * angle - (R - h) * s) * 1e-6, L * (R * angle - s) * 1e-6};
}

// The difference over ± u is the slope of a secant: it departs from the tangent by about
// (u / h)² / 8 where the chord grows as √h, 5 × 10⁻⁵ at 50 mm.
constexpr double kSecant = 1e-4;

TEST(Propagation, FlatCylinderFollowsItsClosedFormSensitivities) {
    const TankConfig tank = flatTank();
    const Propagation p(tank, Method::Classic,
                        stated(1, {{"Edit1", 2}, {"Edit2", 3}, {"Edit13", 5}}));
    for (double h : {50.0, 300.0, 1000.0, 1650.0, 1950.0}) {
        const Sensitivities c = closedForm(1000, 5000, h);
        const VolumeU u = p.at(h);
        ASSERT_EQ(u.contributions.size(), 4U) << h;  // the dead volume counts whole
        EXPECT_EQ(u.contributions[0].name, "level");
        EXPECT_NEAR(u.contributions[0].sensitivity, c.level, kSecant * c.level) << h;
        EXPECT_EQ(u.contributions[1].name, "Edit1");
        EXPECT_NEAR(u.contributions[1].sensitivity, c.diameter, kSecant * std::fabs(c.diameter))
            << h;
        EXPECT_EQ(u.contributions[2].name, "Edit2");
        EXPECT_NEAR(u.contributions[2].sensitivity, c.length, 1e-6 * c.length) << h;
        EXPECT_NEAR(u.contributions[3].sensitivity, 1.0, 1e-9) << h;
        const double expected =
            2 * std::sqrt(std::pow(c.level * 1, 2) + std::pow(c.diameter * 2, 2) +
                          std::pow(c.length * 3, 2) + 25.0);
        EXPECT_NEAR(u.expanded, expected, kSecant * expected) << h;
        EXPECT_DOUBLE_EQ(p.expanded(h), u.expanded) << h;
    }
}

TEST(Propagation, LevelAloneGivesTwentyLitresAtHalfHeight) {
    // dV/dh at half height = L × D = 5000 mm × 2000 mm = 10.0 L/mm; U = 2 × 10.0 × 1 mm.
    const Propagation p(flatTank(), Method::Classic, UncertaintyInputs{});
    EXPECT_EQ(FormatTwoDecimals(p.expanded(1000)), "20.00");
    // At the bottom and the top the difference is one-sided, within the tank: the segment
    // 1 mm deep holds L × (4/3) √(2R) × (1 mm)^1.5 = 0.298 L, so U = 2 × 0.298 L.
    EXPECT_EQ(FormatTwoDecimals(p.expanded(0)), "0.60");
    EXPECT_EQ(FormatTwoDecimals(p.expanded(2000)), "0.60");
}

TEST(Propagation, CalibrationPointsMoveTheLevelBetweenThemByTheirWeights) {
    MemoryForm form = startedForm(3);
    form.setItemIndex("ComboBox2", 2);  // 4 points after the origin row
    choosePointCount(form.grid(), 4);
    const char* rows[][2] = {
        {"0", "0"}, {"100", "500"}, {"200", "1100"}, {"300", "1800"}, {"400", "2600"}};
    for (int r = 0; r < 5; ++r) {
        form.grid().setCell(1, r + 1, rows[r][0]);
        form.grid().setCell(2, r + 1, rows[r][1]);
    }
    auto tank = buildTankConfig(form);
    ASSERT_TRUE(tank);
    const Propagation p(*tank, Method::Classic, stated(0, {{"points", 2}}));
    struct Case {
        double level, expected;
    } cases[] = {
        {200, 2 * 2.0},                   // at a point: its own volume alone
        {250, 2 * 2.0 * std::sqrt(0.5)},  // midway: ½ and ½
        {325, 2 * 2.0 * std::hypot(0.75, 0.25)},
        {500, 2 * 2.0 * std::hypot(2.0, 1.0)},  // extrapolated: 2 V4 − V3
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(p.expanded(c.level), c.expected, 1e-9) << c.level;
    }
}

TEST(UncertaintyInputs, RefusalsNameTheEntry) {
    struct Case {
        const char* entry;
        std::string message;
    } cases[] = {
        {"Edit1=-0.5", "不确定度不能为负：Edit1=-0.5"},
        {"level=-1", "不确定度不能为负：level=-1"},
        {"Edit99=1",
         "没有名为“Edit99”的输入：不确定度的名称是字段名（如 Edit1）、points、level、temperature "
         "或 density"},
        {"Edit36=1",
         "没有名为“Edit36”的输入：不确定度的名称是字段名（如 Edit1）、points、level、temperature "
         "或 density"},
        {"Edit1", "不确定度应写成 名称=数值：Edit1"},
    };
    for (const Case& c : cases) {
        UncertaintyInputs in;
        const auto stop = applyEntry(c.entry, in);
        ASSERT_TRUE(stop) << c.entry;
        EXPECT_EQ(stop->text, c.message);
        EXPECT_EQ(stop->box, Stop::Box::Error);
    }
    UncertaintyInputs in;
    EXPECT_THROW(applyEntry("Edit1=abc", in), ConversionError);
}

TEST(UncertaintyInputs, StoredControlsReadWithTheirDefaults) {
    MemoryForm form = startedForm(0);
    auto plain = readUncertaintyRequest(form);
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->shown);
    EXPECT_EQ(plain->inputs.level, 1.0);
    EXPECT_EQ(plain->inputs.temperature, 0.2);
    EXPECT_EQ(plain->inputs.density, 0.2);
    EXPECT_EQ(plain->inputs.limitPercent, 0.4);
    setTexts(
        form,
        {{"UEdit1", "2"}, {"UEdit2", "Edit1=0.5; Edit2=1;level=3;Edit1=0.7"}, {"UEdit3", "0.3"}});
    form.setChecked("UCheckBox1", true);
    auto read = readUncertaintyRequest(form);
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->shown);
    EXPECT_EQ(read->inputs.level, 3.0);  // the list comes after the level's own field
    EXPECT_EQ(dimensionsText(read->inputs), "Edit1=0.7;Edit2=1");
    EXPECT_EQ(read->inputs.limitPercent, 0.3);
    form.setText("UEdit3", "0");
    EXPECT_EQ(readUncertaintyRequest(form).stop().text, "不确定度限值应大于零：0");
}

}  // namespace
}  // namespace quorvel::uncertainty
