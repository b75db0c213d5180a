#include "tank/volume.h"

#include <gtest/gtest.h>

#include <numbers>

#include "geometry/geometry.h"
#include "support/forms.h"
#include "tank/tank_reader.h"
#include "text/number_format.h"

namespace quorvel {
namespace {

constexpr double kPi = std::numbers::pi;

HeadSpec head(HeadKind kind, double flange = 0) {
    HeadSpec h;
    h.kind = kind;
    h.flangeHeight = flange;
    return h;
}

TankConfig circular(double d, double l, HeadSpec left, HeadSpec right) {
    TankConfig c;
    c.shellKind = ShellKind::Horizontal;
    c.sectionKind = SectionKind::Circular;
    c.diameter = d;
    c.length = l;
    c.leftHead = left;
    c.rightHead = right;
    return c;
}

TankConfig flatCircular(double d, double l) {
    return circular(d, l, head(HeadKind::Flat), head(HeadKind::Flat));
}

TankConfig ellipsoidalCircular(double d, double l) {
    const double flange = d <= 2000 ? 25 : 40;
    return circular(d, l, head(HeadKind::StandardEllipsoidal, flange),
                    head(HeadKind::StandardEllipsoidal, flange));
}

TEST(VolumeAtLevel, WholeTankReferenceValues) {
    struct Case {
        const char* name;
        TankConfig config;
        double level;
        double m3;
    };
    TankConfig sphere;
    sphere.shellKind = ShellKind::Spherical;
    sphere.diameter = 3000;
    TankConfig elliptical = flatCircular(0, 5000);
    elliptical.sectionKind = SectionKind::Elliptical;
    elliptical.verticalDiameter = 1000;
    elliptical.horizontalDiameter = 2000;
    const Case cases[] = {
        {"flat heads, half full", flatCircular(2000, 5000), 1000, 7.853981634},
        {"flat heads, level 500", flatCircular(2000, 5000), 500, 3.070924247},
        {"standard ellipsoidal, half full", ellipsoidalCircular(2000, 5000), 1000, 8.979719002},
        {"standard ellipsoidal, full", ellipsoidalCircular(2000, 5000), 2000, 17.959438003},
        {"standard ellipsoidal, empty", ellipsoidalCircular(2000, 5000), 0, 0},
        // D 2400: 40 mm flanges, so the shell is 5080 mm long; each head is π·D³/24.
        {"D 2400 full", ellipsoidalCircular(2400, 5000), 2400,
         (kPi * 1200.0 * 1200.0 * 5080.0 + kPi * 2400.0 * 2400.0 * 2400.0 / 12) * 1e-9},
        {"sphere half full", sphere, 1500, kPi * 3000.0 * 3000.0 * 3000.0 / 12 * 1e-9},
        {"sphere full", sphere, 3000, 14.137166941},
        {"elliptical shell half full", elliptical, 500, 3.926990817},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(volumeAtLevel(c.config, c.level, 1), c.m3, 5e-10) << c.name;
    }
}

TEST(VolumeAtLevel, SubtractedHeadChangesSign) {
    TankConfig c = ellipsoidalCircular(2000, 5000);
    const double head = 0.523598776;  // each standard head half full
    const double both = volumeAtLevel(c, 1000, 0);
    c.leftHead.subtract = true;
    EXPECT_NEAR(volumeAtLevel(c, 1000, 0), both - 2 * head, 5e-9);
    c.rightHead.subtract = true;
    EXPECT_NEAR(volumeAtLevel(c, 1000, 0), both - 4 * head, 5e-9);
}

TEST(VolumeAtLevel, HeadsThatDifferInOneDimensionAreComputedApart) {
    // Left and right non-standard ellipsoidal heads of 400 and 200 mm depth, level 2000.
    HeadSpec deep = head(HeadKind::NonStandardEllipsoidal);
    deep.depth = 400;
    HeadSpec shallow = deep;
    shallow.depth = 200;
    const double shell = kPi * 1e6 * 5000 * 1e-9;
    EXPECT_NEAR(volumeAtLevel(circular(2000, 5000, deep, shallow), 2000, 0),
                shell + 0.837758041 + 0.837758041 / 2, 5e-9);
    EXPECT_NEAR(volumeAtLevel(circular(2000, 5000, deep, deep), 2000, 0), shell + 2 * 0.837758041,
                5e-9);
    HeadSpec cone = head(HeadKind::Conical);
    cone.coneHeight = 500;
    HeadSpec flatter = cone;
    flatter.coneHeight = 250;
    EXPECT_NEAR(volumeAtLevel(circular(2000, 5000, cone, flatter), 2000, 0),
                shell + 0.523598776 * 1.5, 5e-9);
}

TEST(VolumeAtLevel, HeadsWithoutAnEllipticalFormCountZeroButLengthenTheShell) {
    TankConfig c = flatCircular(0, 5000);
    c.sectionKind = SectionKind::Elliptical;
    c.verticalDiameter = 1000;
    c.horizontalDiameter = 2000;
    const HeadKind none[] = {HeadKind::Conical, HeadKind::Frustum, HeadKind::StandardDished,
                             HeadKind::NonStandardDished, HeadKind::Hemispherical};
    for (HeadKind kind : none) {
        c.leftHead = head(kind, 100);
        c.leftHead.depth = 600;
        c.leftHead.coneHeight = 600;
        c.leftHead.smallDiameter = 500;
        c.leftHead.sphereRadius = 2000;
        // Full: the section π·A·B/4 over 5100 mm, nothing from the head.
        EXPECT_NEAR(volumeAtLevel(c, 1000, 0), kPi * 1000 * 2000 / 4 * 5100 * 1e-9, 5e-10)
            << static_cast<int>(kind);
    }
}

TEST(VolumeAtLevel, EveryCircularHeadKindAddsItsRoutine) {
    // Level 1000 of a 2000 mm shell of 5000 mm; flanges lengthen the shell.
    struct Case {
        HeadSpec headSpec;
        double headM3;
    };
    HeadSpec cone = head(HeadKind::Conical, 20);
    cone.coneHeight = 520;
    HeadSpec frustum = head(HeadKind::Frustum, 20);
    frustum.depth = 520;
    frustum.smallDiameter = 800;
    HeadSpec cap = head(HeadKind::SphericalCap);
    cap.depth = 300;
    HeadSpec ellipsoid = head(HeadKind::NonStandardEllipsoidal, 40);
    ellipsoid.depth = 440;
    HeadSpec dished = head(HeadKind::NonStandardDished, 40);
    dished.depth = 440;
    dished.sphereRadius = 2000;
    dished.dishedRatio = 0.987761810;
    const Case cases[] = {
        {head(HeadKind::StandardEllipsoidal, 25), 0.523598776},
        {cone, 0.261799388},
        {frustum, 0.408407045},
        {cap, 0.242688032},
        {head(HeadKind::StandardDished, 25), 0.39586},
        {ellipsoid, 0.837758041 / 2},
        {dished, 0.827505399 / 2},
        {head(HeadKind::Hemispherical), 2.094395102 / 2},
        {head(HeadKind::Flat), 0},
    };
    for (const auto& c : cases) {
        TankConfig config = circular(2000, 5000, c.headSpec, head(HeadKind::Flat));
        const double shell = kPi * 1e6 / 2 * (5000 + c.headSpec.flangeHeight) * 1e-9;
        EXPECT_NEAR(volumeAtLevel(config, 1000, 0), shell + c.headM3, 5e-9)
            << static_cast<int>(c.headSpec.kind);
    }
}

TEST(VolumeAtLevel, DeadVolumeAtEveryLevel) {
    TankConfig c = flatCircular(2000, 5000);
    c.deadVolume = 100;
    EXPECT_NEAR(volumeAtLevel(c, 0, 1), 0.1, 1e-12);
    EXPECT_NEAR(volumeAtLevel(c, 1000, 1), 7.953981634, 5e-10);
}

TEST(VolumeAtLevel, FittingIsTakenOffThroughItsBandAndWholeAbove) {
    TankConfig c = flatCircular(2000, 5000);
    c.fittingBottom = 100;
    c.fittingHeight = 200;
    c.fittingVolume = 50;
    TankConfig bare = flatCircular(2000, 5000);
    const std::pair<double, double> cases[] = {
        {0, 0},        {99, 0},     {100, 0},     {200, 0.025}, {300, 0.05},
        {300.5, 0.05}, {301, 0.05}, {1000, 0.05}, {2000, 0.05},
    };
    for (double interval : {0.0, 1.0, 100.0}) {
        for (auto [level, off] : cases) {
            EXPECT_NEAR(volumeAtLevel(bare, level, interval) - volumeAtLevel(c, level, interval),
                        off, 1e-12)
                << level << " at interval " << interval;
        }
    }
    // A fitting with no volume or no height takes nothing off in its band.
    c.fittingVolume = 0;
    EXPECT_EQ(volumeAtLevel(c, 200, 1), volumeAtLevel(bare, 200, 1));
    c.fittingVolume = 50;
    c.fittingHeight = 0;
    EXPECT_EQ(volumeAtLevel(c, 100, 1), volumeAtLevel(bare, 100, 1));
    EXPECT_NEAR(volumeAtLevel(bare, 101, 1) - volumeAtLevel(c, 101, 1), 0.05, 1e-12);
}

TEST(VolumeAtLevel, TiltedTankIsComputedAtItsEquivalentLevel) {
    TankConfig c;
    c.shellKind = ShellKind::Tilted;
    c.verticalDiameter = 2000;
    c.horizontalDiameter = 2000;
    c.length = 10000;
    c.tiltOffset = 5000;  // gauge at mid-length: the equivalent level is the reading
    c.tiltAlpha = 1;
    c.leftHead = head(HeadKind::Flat);
    c.rightHead = head(HeadKind::Flat);
    EXPECT_NEAR(volumeAtLevel(c, 1000, 1), 15.707963268, 5e-9);
    // At x = 2000 from the low end the same reading means 947.634805215 mm on average.
    c.tiltOffset = 8000;
    EXPECT_NEAR(volumeAtLevel(c, 1000, 1), YuangTong(2000, 2000, 947.634805215, 10000), 1e-9);
}

TEST(VolumeAtLevel, CalibratedTankInterpolatesItsPointsInLitres) {
    TankConfig c;
    c.shellKind = ShellKind::Calibrated;
    c.calibrationPoints.levels = {0, 1000, 2000};
    c.calibrationPoints.volumes = {0, 5000, 12000};
    const std::pair<double, double> cases[] = {{500, 2.5}, {1000, 5},    {1500, 8.5},
                                               {2000, 12}, {2500, 15.5}, {-100, -0.5}};
    for (auto [level, m3] : cases) {
        EXPECT_NEAR(volumeAtLevel(c, level, 1), m3, 1e-12) << level;
    }
}

TEST(VolumeAtLevel, CalibratedLitresBecomeCubicMetresInExtendedPrecision) {
    // 27292.875 L exactly: 0.001 × it in double rounds up to 27.292875000000002 and the row
    // would read 27292.88; the extended product rounds to 27.292874999999999 (…87).
    TankConfig c;
    c.shellKind = ShellKind::Calibrated;
    c.calibrationPoints.levels = {0, 1000};
    c.calibrationPoints.volumes = {0, 54585.75};
    const double total = volumeAtLevel(c, 500, 1);
    EXPECT_EQ(total, static_cast<double>(0.001L * 27292.875));
    EXPECT_NE(total, 0.001 * 27292.875);
    EXPECT_EQ(FormatTwoDecimals(static_cast<long double>(total) * 1000), "27292.87");
}

TEST(VolumeAtLevel, FailureValueEntersTheSum) {
    // Above a standard dished tank every routine gives −1; a subtracted head gives +1.
    TankConfig c = circular(2000, 5000, head(HeadKind::StandardDished, 25),
                            head(HeadKind::StandardDished, 25));
    EXPECT_EQ(volumeAtLevel(c, 2000.5, 1), -3);
    c.leftHead.subtract = true;
    EXPECT_EQ(volumeAtLevel(c, 2000.5, 1), -1);
}

TEST(VolumeAtLevel, EscapingFailureKeepsThePreviousTotal) {
    TankConfig calibrated;
    calibrated.shellKind = ShellKind::Calibrated;
    calibrated.calibrationPoints.levels = {0, 1000, 1000};
    calibrated.calibrationPoints.volumes = {0, 5000, 6000};
    VolumeState state;
    EXPECT_NEAR(volumeAtLevel(calibrated, 500, 1, state), 2.5, 1e-12);
    EXPECT_NEAR(volumeAtLevel(calibrated, 1200, 1, state), 2.5, 1e-12);  // divides by zero
    EXPECT_EQ(volumeAtLevel(calibrated, 1200, 1), 0);                    // nothing before

    // A spherical cap of no depth has no sphere: every level keeps the level before.
    HeadSpec cap = head(HeadKind::SphericalCap);
    TankConfig capped = circular(2000, 5000, head(HeadKind::Flat), cap);
    capped.deadVolume = 100;
    VolumeState held;
    held.total = 1.25;
    EXPECT_EQ(volumeAtLevel(capped, 1000, 1, held), 1.25);
    EXPECT_EQ(volumeAtLevel(capped, 1000, 1), 0);
}

TEST(VolumeAtLevel, TiltedFailureSumsTheComputedPartsWithThePreviousRest) {
    // A spherical cap on the right whose rim B is narrower than the height A: once the
    // equivalent level rises above B the cap fails, and keeps its value of the level before.
    TankConfig c;
    c.shellKind = ShellKind::Tilted;
    c.verticalDiameter = 2000;
    c.horizontalDiameter = 1000;
    c.length = 10000;
    c.tiltOffset = 5000;
    c.tiltAlpha = 1;
    // No flanges: the gauge sits at mid-length, where the equivalent level is the reading.
    c.leftHead = head(HeadKind::NonStandardEllipsoidal);
    c.leftHead.depth = 250;
    c.rightHead = head(HeadKind::SphericalCap);
    c.rightHead.depth = 300;
    c.deadVolume = 10;
    const double leff = 10000;
    VolumeState state;
    const double at900 = volumeAtLevel(c, 900, 1, state);
    const double cap900 = QiuQueFengTou(1000, 300, 900);
    EXPECT_NEAR(at900,
                0.01 + YuangTong(2000, 1000, 900, leff) + TuoFengTou(2000, 1000, 250, 900) + cap900,
                1e-12);
    const double at1500 = volumeAtLevel(c, 1500, 1, state);
    EXPECT_NEAR(
        at1500,
        0.01 + YuangTong(2000, 1000, 1500, leff) + TuoFengTou(2000, 1000, 250, 1500) + cap900,
        1e-12);
    EXPECT_EQ(state.rightHeadVolume, cap900);
    // On its own (the quick calculation) the missing part counts 0.
    EXPECT_NEAR(volumeAtLevel(c, 1500, 1),
                0.01 + YuangTong(2000, 1000, 1500, leff) + TuoFengTou(2000, 1000, 250, 1500),
                1e-12);
}

TEST(VolumeAtLevel, DishedHeadScaledByTheRatioReadFromTheForm) {
    MemoryForm form = testsupport::circularForm("2000", "5000");
    form.setChecked("RadioButton5", true);
    testsupport::setTexts(form, {{"Edit38", "40"}, {"Edit43", "440"}, {"Edit44", "2000"}});
    form.setChecked("RadioButton14", true);
    auto config = buildTankConfig(form);
    ASSERT_TRUE(config);
    // Full: the whole dished head 0.827505399 m³ over a shell of 5040 mm.
    EXPECT_NEAR(volumeAtLevel(*config, 2000, 1), kPi * 1e6 * 5040 * 1e-9 + 0.827505399, 5e-9);
}

}  // namespace
}  // namespace quorvel
