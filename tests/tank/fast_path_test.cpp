// The classic volume tests the fault flags once per level (or once per run of levels, as a
// walk computes them) and computes a faulted level again under the routines' own guards: the
// results must be the guarded computation's, bit for bit, for sound and faulting tanks alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfenv>
#include <cstdint>
#include <string>
#include <vector>

#include "geometry/geometry.h"
#include "tank/volume.h"

namespace quorvel {
namespace {

HeadSpec head(HeadKind kind, double flange = 0, double depth = 0) {
    HeadSpec h;
    h.kind = kind;
    h.flangeHeight = flange;
    h.depth = depth;
    h.coneHeight = depth + 100;
    h.smallDiameter = 700;
    h.sphereRadius = 2000;
    h.dishedRatio = 0.98;
    return h;
}

std::vector<std::pair<std::string, TankConfig>> configurations() {
    std::vector<std::pair<std::string, TankConfig>> all;
    const HeadKind kinds[] = {HeadKind::StandardEllipsoidal,
                              HeadKind::NonStandardEllipsoidal,
                              HeadKind::Conical,
                              HeadKind::Frustum,
                              HeadKind::SphericalCap,
                              HeadKind::StandardDished,
                              HeadKind::NonStandardDished,
                              HeadKind::Hemispherical,
                              HeadKind::Flat};
    for (HeadKind kind : kinds) {
        TankConfig c;
        c.diameter = 2000;
        c.length = 5000;
        c.leftHead = head(kind, 40, 440);
        c.rightHead = head(HeadKind::SphericalCap, 0, 300);
        c.rightHead.subtract = true;
        c.deadVolume = 50;
        c.fittingVolume = 20;
        c.fittingBottom = 300;
        c.fittingHeight = 100;
        all.push_back({"circular " + std::to_string(static_cast<int>(kind)), c});
        TankConfig e = c;
        e.sectionKind = SectionKind::Elliptical;
        e.verticalDiameter = 1600;
        e.horizontalDiameter = 2400;
        all.push_back({"elliptical " + std::to_string(static_cast<int>(kind)), e});
        TankConfig t = e;
        t.shellKind = ShellKind::Tilted;
        t.tiltAlpha = 1.5;
        t.tiltBeta = 7;
        t.tiltOffset = 1200;
        all.push_back({"tilted " + std::to_string(static_cast<int>(kind)), t});
    }
    // Faulting ones: no diameter, a cap of no depth, a frustum with equal ends, a degenerate
    // calibration segment, a tilted tank of no length.
    TankConfig zero;
    zero.leftHead = head(HeadKind::StandardDished);
    all.push_back({"no diameter", zero});
    TankConfig flatCap;
    flatCap.diameter = 2000;
    flatCap.length = 3000;
    flatCap.leftHead = head(HeadKind::SphericalCap, 0, 0);
    all.push_back({"cap of no depth", flatCap});
    TankConfig cylinderFrustum = flatCap;
    cylinderFrustum.leftHead = head(HeadKind::Frustum, 0, 500);
    cylinderFrustum.leftHead.smallDiameter = 2000;
    all.push_back({"frustum with equal ends", cylinderFrustum});
    TankConfig calibrated;
    calibrated.shellKind = ShellKind::Calibrated;
    calibrated.calibrationPoints.levels = {0, 1000, 1000};
    calibrated.calibrationPoints.volumes = {0, 5000, 6000};
    all.push_back({"degenerate calibration", calibrated});
    calibrated.calibrationPoints.ascending = true;
    all.push_back({"degenerate calibration, searched", calibrated});
    TankConfig many = calibrated;
    many.calibrationPoints = {};
    for (int i = 0; i <= 100; ++i) {
        many.calibrationPoints.levels.push_back(i * 25.0);
        many.calibrationPoints.volumes.push_back(i * i * 3.5);
    }
    many.calibrationPoints.ascending = true;
    all.push_back({"101 points, searched", many});
    TankConfig sphere;
    sphere.shellKind = ShellKind::Spherical;
    sphere.diameter = 3000;
    all.push_back({"sphere", sphere});
    TankConfig shortTilted = all[2].second;
    shortTilted.length = 0;
    shortTilted.leftHead = head(HeadKind::SphericalCap, 0, 300);
    shortTilted.leftHead.subtract = false;
    shortTilted.rightHead = head(HeadKind::Flat);
    all.push_back({"tilted of no length", shortTilted});
    return all;
}

std::uint64_t bits(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

TEST(ClassicFastPath, EqualsTheGuardedComputationBitForBit) {
    int levels = 0, faulted = 0;
    for (const auto& [name, c] : configurations()) {
        VolumeState fast, guarded;
        // Every level from below the tank to above it, so each routine also fails.
        for (double level = -25; level <= 2525; level += 12.5) {
            const double a = volumeAtLevel(c, level, 12.5, fast);
            const double b = volumeAtLevelGuarded(c, level, 12.5, guarded);
            ASSERT_EQ(bits(a), bits(b)) << name << " at " << level << ": " << a << " vs " << b;
            ASSERT_EQ(bits(fast.shellVolume), bits(guarded.shellVolume)) << name << " " << level;
            ASSERT_EQ(bits(fast.leftHeadVolume), bits(guarded.leftHeadVolume)) << name;
            ASSERT_EQ(bits(fast.rightHeadVolume), bits(guarded.rightHeadVolume)) << name;
            ++levels;
            faulted += b == -1 || guarded.shellVolume == -1 || guarded.leftHeadVolume == -1 ||
                       guarded.leftHeadVolume == 1 || guarded.rightHeadVolume == 1;
        }
    }
    EXPECT_GT(faulted, 100) << "of " << levels;  // the fallback was exercised
}

// A walk's runs of 64 levels, each level following the one before or standing on its own (the
// level search), give what the guarded routines give level by level; some runs hold a faulting
// level and are computed again, some do not.
TEST(ClassicFastPath, RunsOfLevelsEqualTheGuardedComputationBitForBit) {
    std::vector<double> levels;
    for (double level = -25; level <= 2525; level += 12.5) {
        levels.push_back(level);
    }
    for (bool onItsOwn : {false, true}) {
        for (const auto& [name, c] : configurations()) {
            const VolumeModel model(c, Method::Classic);
            VolumeState run, guarded;
            std::vector<double> out(levels.size());
            for (std::size_t first = 0; first < levels.size(); first += 64) {
                const std::size_t n = std::min<std::size_t>(64, levels.size() - first);
                model(&levels[first], n, 12.5, run, &out[first], onItsOwn);
            }
            for (std::size_t i = 0; i < levels.size(); ++i) {
                if (onItsOwn) {
                    guarded = VolumeState{};
                }
                const double expected = volumeAtLevelGuarded(c, levels[i], 12.5, guarded);
                ASSERT_EQ(bits(out[i]), bits(expected))
                    << name << " at " << levels[i] << (onItsOwn ? ", on its own" : "");
            }
            if (!onItsOwn) {
                EXPECT_EQ(bits(run.total), bits(guarded.total)) << name;
            }
        }
    }
}

TEST(ClassicFastPath, LeavesTheCallersFaultFlagsAsTheyWere) {
    const auto all = configurations();
    for (int raised : {0, FE_DIVBYZERO}) {
        for (const auto& [name, c] : all) {
            std::feclearexcept(FE_ALL_EXCEPT & ~FE_INEXACT);
            if (raised != 0) {
                std::feraiseexcept(raised);
            }
            volumeAtLevel(c, 3000, 1);  // above every tank: routines fault
            EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), raised) << name;
            const double run[] = {1000, 3000};
            double out[2];
            VolumeState state;
            VolumeModel(c, Method::Classic)(run, 2, 1, state, out);
            EXPECT_EQ(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), raised) << name;
        }
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}

}  // namespace
}  // namespace quorvel
