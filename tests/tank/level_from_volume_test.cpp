#include "tank/level_from_volume.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tank/volume.h"
#include "text/number_format.h"

namespace quorvel {
namespace {

HeadSpec head(HeadKind kind, double flange = 0, double depth = 0) {
    HeadSpec h;
    h.kind = kind;
    h.flangeHeight = flange;
    h.depth = depth;
    return h;
}

double volume(const TankConfig& c, double level, Method method) {
    VolumeState fresh;
    return volumeAtLevel(c, level, 0, fresh, method);
}

struct Tank {
    std::string name;
    TankConfig config;
};

std::vector<Tank> tanks() {
    TankConfig circular;
    circular.diameter = 2000;
    circular.length = 5000;
    circular.leftHead = head(HeadKind::StandardEllipsoidal, 25);
    circular.rightHead = head(HeadKind::SphericalCap, 0, 300);
    circular.deadVolume = 120;
    TankConfig fitted = circular;
    fitted.fittingVolume = 300;
    fitted.fittingBottom = 400;
    fitted.fittingHeight = 200;
    fitted.rightHead.subtract = true;
    TankConfig tilted;
    tilted.shellKind = ShellKind::Tilted;
    tilted.verticalDiameter = 1800;
    tilted.horizontalDiameter = 2200;
    tilted.length = 7000;
    tilted.tiltAlpha = 2;
    tilted.tiltBeta = 4;
    tilted.tiltOffset = 1000;
    tilted.leftHead = head(HeadKind::StandardEllipsoidal, 40);
    tilted.rightHead = head(HeadKind::NonStandardEllipsoidal, 30, 500);
    TankConfig sphere;
    sphere.shellKind = ShellKind::Spherical;
    sphere.diameter = 3000;
    TankConfig calibrated;
    calibrated.shellKind = ShellKind::Calibrated;
    calibrated.calibrationPoints.levels = {0, 500, 1200, 2000};
    calibrated.calibrationPoints.volumes = {10, 900, 3000, 5200};
    return {{"circular", circular},
            {"subtracted head and fitting", fitted},
            {"tilted", tilted},
            {"sphere", sphere},
            {"calibrated", calibrated}};
}

// volume(level(V)) = V within 0.005 L for every volume of a table, by both methods.
TEST(LevelFromVolume, RoundTripOverWholeTables) {
    for (const Tank& t : tanks()) {
        for (Method method : {Method::Classic, Method::Exact}) {
            const LevelRange range = (t.config).levelRange();
            for (int i = 0; i <= 40; ++i) {
                const double level = range.from + (range.to - range.from) * i / 40;
                const double v = volume(t.config, level, method);
                const LevelSearch found = levelForVolume(t.config, v, method);
                ASSERT_EQ(found.result, LevelSearch::Result::Found) << t.name << " " << level;
                EXPECT_NEAR(volume(t.config, found.level, method), v, 0.005e-3)
                    << t.name << " at " << level;
                EXPECT_LE(found.level, level + 1e-9) << t.name;  // never above a level holding V
            }
        }
    }
}

TEST(LevelFromVolume, OutsideTheTankSaysWhichSide) {
    for (const Tank& t : tanks()) {
        for (Method method : {Method::Classic, Method::Exact}) {
            const LevelRange range = (t.config).levelRange();
            const double empty = volume(t.config, range.from, method);
            const double full = volume(t.config, range.to, method);
            const LevelSearch above = levelForVolume(t.config, full + 1e-3, method);
            EXPECT_EQ(above.result, LevelSearch::Result::AboveFull) << t.name;
            EXPECT_GE(above.highest, full) << t.name;
            const LevelSearch below = levelForVolume(t.config, empty - 1e-3, method);
            EXPECT_EQ(below.result, LevelSearch::Result::BelowEmpty) << t.name;
            EXPECT_EQ(below.lowest, empty) << t.name;
        }
    }
}

std::vector<double> numbers(const std::string& list) {
    std::vector<double> values;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        values.push_back(std::stod(item));
    }
    return values;
}

// Calibration points solved piece by piece: volumes that fall, levels out of order, a narrow
// rise; both methods give the same level.
TEST(LevelFromVolume, CalibrationPointsAgainstWorkedLevels) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/tank/calibrated_levels.txt");
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string levels, volumes, asked, expected;
        std::getline(fields, levels, ';');
        std::getline(fields, volumes, ';');
        std::getline(fields, asked, ';');
        std::getline(fields, expected);
        TankConfig c;
        c.shellKind = ShellKind::Calibrated;
        c.calibrationPoints.levels = numbers(levels);
        c.calibrationPoints.volumes = numbers(volumes);
        for (Method method : {Method::Classic, Method::Exact}) {
            const LevelSearch found = levelForVolume(c, std::stod(asked) / 1000, method);
            const std::string got = found.result == LevelSearch::Result::AboveFull ? "above"
                                    : found.result == LevelSearch::Result::BelowEmpty
                                        ? "below"
                                        : FormatTwoDecimals(found.level);
            EXPECT_EQ(got, expected) << line;
        }
        ++cases;
    }
    EXPECT_GE(cases, 10);
}

// Where the volume rises and falls again, the first level that reaches it: the classic
// spherical-cap series peaks near 1980.5 mm above what the full head holds.
TEST(LevelFromVolume, NonMonotoneVolumeGivesTheLowestLevel) {
    TankConfig cap;
    cap.diameter = 2000;
    cap.leftHead = head(HeadKind::SphericalCap, 0, 300);
    cap.rightHead = head(HeadKind::Flat);
    const double top = volume(cap, 2000, Method::Classic);
    const double asked = top + 0.00010;  // only on the hump below the top
    const LevelSearch found = levelForVolume(cap, asked, Method::Classic);
    ASSERT_EQ(found.result, LevelSearch::Result::Found);
    EXPECT_GE(volume(cap, found.level, Method::Classic), asked);
    for (double level = 0; level < found.level - 0.01; level += 0.05) {
        ASSERT_LT(volume(cap, level, Method::Classic), asked) << level;
    }
}

// A gauge rolled upside down (β = 180°) reads from the top: the exact volume falls as the
// reading grows, and each volume is still found at its level.
TEST(LevelFromVolume, FallingVolumeIsFoundToo) {
    TankConfig c = tanks()[2].config;
    c.tiltBeta = 180;
    for (double level : {0.0, 300.0, 900.0, 1799.0}) {
        const double v = volume(c, level, Method::Exact);
        const LevelSearch found = levelForVolume(c, v, Method::Exact);
        ASSERT_EQ(found.result, LevelSearch::Result::Found) << level;
        EXPECT_NEAR(found.level, level, 1e-6);
    }
}

}  // namespace
}  // namespace quorvel
