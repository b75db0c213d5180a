#include "tank/tank_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form/calibration_grid.h"
#include "geometry/geometry.h"
#include "support/forms.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

using testsupport::circularForm;
using testsupport::setTexts;
using testsupport::startedForm;

const std::string kShell = "呵呵，中间圆筒数据还没输完呢！";
const std::string kTilted = "呵呵，倾斜圆筒数据还没输完呢！";
const std::string kSphere = "呵呵，球罐数据还没输完呢！";
const std::string kPoints = "呵呵，标定点数据还没输完呢！";
const std::string kTable = "呵呵，容积表数据还没输完呢！";
const std::string kLeft = "呵呵，左封头数据还没输完呢！";
const std::string kRight = "呵呵，右封头数据还没输完呢！";

// The text of the stop that ends reading the form; empty when it was read.
std::string stopOf(FieldSource& form) {
    const Outcome<TankConfig> config = buildTankConfig(form);
    return config ? std::string() : config.stop().text;
}

MemoryForm tiltedForm() {
    MemoryForm form = startedForm(1);
    setTexts(form, {{"Edit29", "1"},
                    {"Edit30", "0"},
                    {"Edit39", "5000"},
                    {"Edit40", "2000"},
                    {"Edit41", "2000"},
                    {"Edit42", "10000"}});
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    return form;
}

MemoryForm sphereForm() {
    MemoryForm form = startedForm(2);
    form.setText("Edit34", "3000");
    return form;
}

MemoryForm calibratedForm(int n) {
    MemoryForm form = startedForm(3);
    form.setItemIndex("ComboBox2", n - 2);
    choosePointCount(form.grid(), n);
    for (int row = 2; row <= n + 1; ++row) {
        form.grid().setCell(1, row, std::to_string((row - 1) * 100));
        form.grid().setCell(2, row, std::to_string((row - 1) * 500));
    }
    return form;
}

struct MissingCase {
    const char* name;
    std::function<MemoryForm()> form;
    std::string message;
};

TEST(BuildTankConfig, EachMissingFieldStopsWithItsGroupsMessage) {
    std::vector<MissingCase> cases = {
        {"diameter", [] { return circularForm("", "5000"); }, kShell},
        {"length", [] { return circularForm("2000", ""); }, kShell},
        {"elliptical short diameter",
         [] {
             MemoryForm f = startedForm(0);
             f.setChecked("RadioButton2", true);
             setTexts(f, {{"Edit3", "2000"}, {"Edit5", "5000"}});
             return f;
         },
         kShell},
        {"no section chosen",
         [] {
             MemoryForm f = circularForm("2000", "5000");
             f.setChecked("RadioButton1", false);
             return f;
         },
         kShell},
        {"sphere diameter", [] { return startedForm(2); }, kSphere},
        {"calibration volume",
         [] {
             MemoryForm f = calibratedForm(5);
             f.grid().setCell(2, 6, "");
             return f;
         },
         kPoints},
        {"calibration origin level",
         [] {
             MemoryForm f = calibratedForm(2);
             f.grid().setCell(1, 1, "");
             return f;
         },
         kPoints},
        {"left non-standard ellipsoidal flange on the sphere page: no head is read",
         [] {
             MemoryForm f = sphereForm();
             f.setChecked("RadioButton15", true);
             f.setText("Edit22", "500");
             return f;
         },
         ""},
        {"left head without a kind",
         [] {
             MemoryForm f = circularForm("2000", "5000");
             f.setChecked("RadioButton7", false);
             return f;
         },
         kLeft},
        {"right frustum small diameter",
         [] {
             MemoryForm f = circularForm("2000", "5000");
             f.setChecked("RadioButton10", true);
             setTexts(f, {{"Edit15", "20"}, {"Edit16", "500"}});
             return f;
         },
         kRight},
        {"right dished crown radius",
         [] {
             MemoryForm f = circularForm("2000", "5000");
             f.setChecked("RadioButton6", true);
             setTexts(f, {{"Edit45", "40"}, {"Edit46", "440"}});
             return f;
         },
         kRight},
        {"right head without a kind",
         [] {
             MemoryForm f = circularForm("2000", "5000");
             f.setChecked("RadioButton22", false);
             return f;
         },
         kRight},
    };
    for (const char* name : {"Edit29", "Edit30", "Edit39", "Edit40", "Edit41", "Edit42"}) {
        cases.push_back({name,
                         [name] {
                             MemoryForm f = tiltedForm();
                             f.setText(name, "");
                             return f;
                         },
                         kTilted});
    }
    for (const char* name :
         {"Edit6", "Edit7", "Edit8", "Edit9", "Edit13", "Edit31", "Edit32", "Edit33"}) {
        cases.push_back({name,
                         [name] {
                             MemoryForm f = circularForm("2000", "5000");
                             f.setText(name, "");
                             return f;
                         },
                         kTable});
    }
    // A shell without a positive diameter describes no tank: every routine would return its
    // failure value, summed as −1 m³ a part.
    const std::string noDiameter = "筒体直径必须大于0！";
    cases.push_back({"circular D 0", [] { return circularForm("0", "5000"); }, noDiameter});
    cases.push_back({"circular D negative, as a settings file may hold it",
                     [] { return circularForm("-2600", "8000"); }, noDiameter});
    cases.push_back({"elliptical A 0",
                     [] {
                         MemoryForm f = startedForm(0);
                         f.setChecked("RadioButton2", true);
                         setTexts(f, {{"Edit3", "2400"}, {"Edit4", "0"}, {"Edit5", "5000"}});
                         return f;
                     },
                     noDiameter});
    for (const char* name : {"Edit40", "Edit41"}) {
        cases.push_back({name,
                         [name] {
                             MemoryForm f = tiltedForm();
                             f.setText(name, "0");
                             return f;
                         },
                         noDiameter});
    }
    cases.push_back({"sphere D 0",
                     [] {
                         MemoryForm f = sphereForm();
                         f.setText("Edit34", "0");
                         return f;
                     },
                     noDiameter});
    for (const auto& c : cases) {
        MemoryForm form = c.form();
        EXPECT_EQ(stopOf(form), c.message) << c.name;
    }
}

TEST(BuildTankConfig, ChecksStopInOrderShellTableLeftRight) {
    MemoryForm form = startedForm(0);  // shell, table, both heads all missing
    form.setText("Edit6", "");
    form.setChecked("RadioButton7", false);
    form.setChecked("RadioButton22", false);
    EXPECT_EQ(stopOf(form), kShell);
    form.setText("Edit1", "2000");
    form.setText("Edit2", "5000");
    EXPECT_EQ(stopOf(form), kTable);
    form.setText("Edit6", "0");
    EXPECT_EQ(stopOf(form), kLeft);
    form.setChecked("RadioButton21", true);
    EXPECT_EQ(stopOf(form), kRight);
    form.setChecked("RadioButton14", true);
    EXPECT_TRUE(buildTankConfig(form));
}

TEST(BuildTankConfig, EmptyFieldsOfKindsNotChosenNeverMatter) {
    MemoryForm form = circularForm("2000", "5000");
    // Every head edit is empty; the standard ellipsoidal heads need none of them.
    ASSERT_TRUE(buildTankConfig(form));
}

TEST(BuildTankConfig, NonNumericTextThrowsBeforeLaterChecks) {
    MemoryForm form = circularForm("1.2.3", "5000");
    form.setText("Edit6", "");
    try {
        buildTankConfig(form);
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "“1.2.3”不是有效的数字");
    }
}

TEST(BuildTankConfig, NoPointCountChosenIsAConversionError) {
    MemoryForm form = calibratedForm(3);
    form.setItemIndex("ComboBox2", -1);
    EXPECT_THROW(buildTankConfig(form), ConversionError);
}

TEST(BuildTankConfig, StandardFlangeFollowsTheReferenceDiameter) {
    struct Case {
        const char* name;
        std::function<MemoryForm()> form;
        double flange;
    };
    const Case cases[] = {
        {"circular 2000", [] { return circularForm("2000", "5000"); }, 25},
        {"circular 2001", [] { return circularForm("2001", "5000"); }, 40},
        {"elliptical B 2400 A 1800",
         [] {
             MemoryForm f = startedForm(0);
             f.setChecked("RadioButton2", true);
             setTexts(f, {{"Edit3", "2400"}, {"Edit4", "1800"}, {"Edit5", "5000"}});
             return f;
         },
         40},
        {"elliptical B 2000 A 2400",
         [] {
             MemoryForm f = startedForm(0);
             f.setChecked("RadioButton2", true);
             setTexts(f, {{"Edit3", "2000"}, {"Edit4", "2400"}, {"Edit5", "5000"}});
             return f;
         },
         25},
        {"tilted B 2001",
         [] {
             MemoryForm f = tiltedForm();
             f.setText("Edit40", "2001");
             f.setChecked("RadioButton7", true);
             f.setChecked("RadioButton22", true);
             return f;
         },
         40},
    };
    for (const auto& c : cases) {
        MemoryForm form = c.form();
        auto config = buildTankConfig(form);
        ASSERT_TRUE(config) << c.name;
        EXPECT_EQ(config->leftHead.flangeHeight, c.flange) << c.name;
        EXPECT_EQ(config->rightHead.flangeHeight, c.flange) << c.name;
    }
}

TEST(BuildTankConfig, FlangeByHeadKind) {
    MemoryForm form = circularForm("2400", "5000");
    setTexts(form, {{"Edit23", "30"}, {"Edit24", "600"}, {"Edit17", "300"}});
    form.setChecked("RadioButton16", true);  // left conical: entered flange
    form.setChecked("RadioButton11", true);  // right spherical cap: no flange
    auto config = buildTankConfig(form);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->leftHead.kind, HeadKind::Conical);
    EXPECT_EQ(config->leftHead.flangeHeight, 30);
    EXPECT_EQ(config->leftHead.coneHeight, 600);
    EXPECT_EQ(config->rightHead.kind, HeadKind::SphericalCap);
    EXPECT_EQ(config->rightHead.flangeHeight, 0);
    EXPECT_EQ(config->rightHead.depth, 300);

    form.setChecked("RadioButton19", true);  // left standard dished, D 2400
    form.setChecked("RadioButton13", true);  // right hemispherical
    config = buildTankConfig(form);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->leftHead.flangeHeight, 40);
    EXPECT_EQ(config->rightHead.flangeHeight, 0);
}

TEST(BuildTankConfig, ReadsEveryFieldOfItsKind) {
    MemoryForm form = circularForm("2000", "5000");
    form.setChecked("RadioButton17", true);
    setTexts(form, {{"Edit25", "20"}, {"Edit26", "520"}, {"Edit28", "800"}});
    form.setChecked("RadioButton6", true);
    setTexts(form, {{"Edit45", "40"}, {"Edit46", "440"}, {"Edit47", "2000"}});
    form.setItemIndex("ComboBox3", 1);
    auto config = buildTankConfig(form);
    ASSERT_TRUE(config);
    const HeadSpec& l = config->leftHead;
    EXPECT_EQ(l.kind, HeadKind::Frustum);
    EXPECT_EQ(l.flangeHeight, 20);
    EXPECT_EQ(l.depth, 520);
    EXPECT_EQ(l.smallDiameter, 800);
    EXPECT_TRUE(l.subtract);
    const HeadSpec& r = config->rightHead;
    EXPECT_EQ(r.kind, HeadKind::NonStandardDished);
    EXPECT_EQ(r.flangeHeight, 40);
    EXPECT_EQ(r.depth, 440);
    EXPECT_EQ(r.sphereRadius, 2000);
    EXPECT_FALSE(r.subtract);
    EXPECT_NEAR(r.dishedRatio, 0.987761810, 5e-10);
}

TEST(BuildTankConfig, TiltZeroBecomesAThousandthOfADegree) {
    MemoryForm form = tiltedForm();
    form.setText("Edit29", "0");
    auto config = buildTankConfig(form);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->tiltAlpha, 0.001);
    EXPECT_EQ(config->tiltOffset, 5000);
    EXPECT_EQ(config->length, 10000);
}

TEST(BuildTankConfig, LastLevelIsClampedToTheTank) {
    struct Case {
        const char* name;
        std::function<MemoryForm()> form;
        double levelTo;
    };
    const Case cases[] = {
        {"circular D 2500", [] { return circularForm("2500", "5000"); }, 2500},
        {"elliptical A 1800",
         [] {
             MemoryForm f = startedForm(0);
             f.setChecked("RadioButton2", true);
             setTexts(f, {{"Edit3", "2400"}, {"Edit4", "1800"}, {"Edit5", "5000"}});
             return f;
         },
         1800},
        {"tilted A 2000", [] { return tiltedForm(); }, 2000},
        {"sphere D 2800",
         [] {
             MemoryForm f = sphereForm();
             f.setText("Edit34", "2800");
             return f;
         },
         2800},
        {"calibrated", [] { return calibratedForm(3); }, 3000},
    };
    for (const auto& c : cases) {
        MemoryForm form = c.form();
        form.setText("Edit7", "3000");
        auto config = buildTankConfig(form);
        ASSERT_TRUE(config) << c.name;
        EXPECT_EQ(config->levelTo, c.levelTo) << c.name;
    }
}

TEST(BuildTankConfig, CalibrationPointsAreTheOriginAndTheNPointRows) {
    MemoryForm form = calibratedForm(3);
    form.grid().setRowCount(8);
    form.grid().setCell(1, 5, "");  // beyond row n + 1: never read
    form.grid().setCell(1, 2, "150.5");
    auto config = buildTankConfig(form);
    ASSERT_TRUE(config);
    EXPECT_EQ(config->calibrationPoints.levels, (std::vector<double>{0, 150.5, 200, 300}));
    EXPECT_EQ(config->calibrationPoints.volumes, (std::vector<double>{0, 500, 1000, 1500}));
    EXPECT_EQ(config->parameterSummary.find("中间筒体："), std::string::npos);
}

TEST(BuildTankConfig, CalibrationLevelsAreReadBeforeVolumes) {
    // A bad volume in row 1 and an empty level in row 3: the levels column comes first.
    MemoryForm form = calibratedForm(2);
    form.grid().setCell(2, 1, "x");
    form.grid().setCell(1, 3, "");
    EXPECT_EQ(stopOf(form), kPoints);
}

TEST(BuildTankConfig, DishedRatioZeroDivisorEndsTheRequest) {
    MemoryForm form = circularForm("2000", "5000");
    form.setChecked("RadioButton5", true);
    setTexts(form, {{"Edit38", "40"}, {"Edit43", "40"}, {"Edit44", "2000"}});
    try {
        buildTankConfig(form);
        FAIL();
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "浮点数除以零");
    }
    // Only a circular horizontal shell uses the ratio: elsewhere the same head passes.
    form.setActivePage(2);
    form.setText("Edit34", "2000");
    EXPECT_TRUE(buildTankConfig(form));
    form.setActivePage(0);
    form.setChecked("RadioButton2", true);
    setTexts(form, {{"Edit3", "2000"}, {"Edit4", "1500"}, {"Edit5", "5000"}});
    EXPECT_TRUE(buildTankConfig(form));
}

TEST(BuildTankConfig, DensityIsNotCheckedHere) {
    MemoryForm form = circularForm("2000", "5000");
    form.setChecked("CheckBox1", true);
    auto config = buildTankConfig(form);
    ASSERT_TRUE(config);
    EXPECT_TRUE(config->useDensity);
    EXPECT_EQ(config->densityText, "");
    EXPECT_EQ(config->densityUnit, "单位");
}

TEST(BuildTankConfig, BlockSizeIsEdit9AsAPositiveWholeNumber) {
    const std::pair<const char*, int> cases[] = {
        {"200", 200},          {"1", 1},       {"007", 7},    {"0", 99999},
        {"-3", 99999},         {"2.5", 99999}, {"5.", 99999}, {"2147483647", 2147483647},
        {"2147483648", 99999},
    };
    for (auto [text, size] : cases) {
        MemoryForm form = circularForm("2000", "5000");
        form.setText("Edit9", text);
        const auto config = buildTankConfig(form);
        ASSERT_TRUE(config) << text;
        EXPECT_EQ(config->rowsPerBlock, size) << text;
    }
    // Any other text is no number at all.
    for (const char* text : {"abc", " 50 ", "+7", "0x10"}) {
        MemoryForm form = circularForm("2000", "5000");
        form.setText("Edit9", text);
        EXPECT_THROW(buildTankConfig(form), ConversionError) << text;
    }
}

TEST(Jgxs, PageIndexGivesTheShellKind) {
    const std::pair<int, ShellKind> cases[] = {
        {0, ShellKind::Horizontal}, {1, ShellKind::Tilted},  {2, ShellKind::Spherical},
        {3, ShellKind::Calibrated}, {4, ShellKind::Upright}, {5, ShellKind::Horizontal},
        {-1, ShellKind::Horizontal}};
    for (auto [page, kind] : cases) {
        MemoryForm form;
        form.setActivePage(page);
        EXPECT_EQ(Jgxs(form), kind) << page;
    }
}

}  // namespace
}  // namespace quorvel
