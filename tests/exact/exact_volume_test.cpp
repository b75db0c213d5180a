// The true-geometry method against closed forms, python-fluids and the tilted cylinder's
// own integral.
#include "exact/exact_volume.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/geometry.h"
#include "tank/exact_tank.h"
#include "tank/volume.h"

namespace quorvel {
namespace {

constexpr double kPi = std::numbers::pi;

HeadSpec head(HeadKind kind, double flange = 0, double depth = 0) {
    HeadSpec h;
    h.kind = kind;
    h.flangeHeight = flange;
    h.depth = depth;
    return h;
}

TankConfig circular(double d, double length, HeadSpec left, HeadSpec right = {}) {
    TankConfig c;
    c.diameter = d;
    c.length = length;
    c.leftHead = left;
    c.rightHead = right;
    return c;
}

ExactParts parts(const TankConfig& c, double level) {
    return exactParts(c, exact::PreparedTank(axialTank(c)), level);
}

// A level tank's parts against the closed forms, which are exact for these shapes: relative
// to the whole part, at the ends, the joins and between.
TEST(ExactVolume, LevelTankMatchesClosedForms) {
    struct Case {
        const char* name;
        TankConfig config;
        double (*closed)(double level);  // left head, m³
        std::vector<double> levels;
    };
    HeadSpec cone = head(HeadKind::Conical, 30);
    cone.coneHeight = 530;
    HeadSpec frustum = head(HeadKind::Frustum, 20, 520);
    frustum.smallDiameter = 800;
    TankConfig elliptical = circular(0, 5000, head(HeadKind::StandardEllipsoidal, 25));
    elliptical.sectionKind = SectionKind::Elliptical;
    elliptical.verticalDiameter = 1000;
    elliptical.horizontalDiameter = 2000;
    const std::vector<double> full = {0, 1e-3, 5, 250, 600, 999.9, 1000, 1000.1, 1400, 1995, 2000};
    const Case cases[] = {
        {"standard ellipsoidal", circular(2000, 5000, head(HeadKind::StandardEllipsoidal, 25)),
         [](double h) { return TuoFengTou(2000, 2000, 500, h); }, full},
        {"non-standard ellipsoidal",
         circular(2000, 5000, head(HeadKind::NonStandardEllipsoidal, 40, 340)),
         [](double h) { return TuoFengTou(2000, 2000, 300, h); }, full},
        {"hemispherical", circular(2000, 5000, head(HeadKind::Hemispherical)),
         [](double h) { return TuoFengTou(2000, 2000, 1000, h); }, full},
        {"conical", circular(2000, 5000, cone), [](double h) { return YuangZhui(500, h, 2000); },
         full},
        {"frustum", circular(2000, 5000, frustum),
         [](double h) { return YuangTai(500, h, 2000, 800); }, full},
        {"elliptical section",
         elliptical,
         [](double h) { return TuoFengTou(1000, 2000, 500, h); },
         {0, 1e-3, 100, 499.9, 500, 750, 1000}},
    };
    for (const Case& k : cases) {
        const TankConfig& c = k.config;
        const double a = c.diameter > 0 ? c.diameter : c.verticalDiameter;
        const double b = c.diameter > 0 ? c.diameter : c.horizontalDiameter;
        const double length = c.length + c.leftHead.flangeHeight;
        const double whole = k.closed(a);
        for (double level : k.levels) {
            const ExactParts p = parts(c, level);
            const double closed = k.closed(level), shell = YuangTong(a, b, level, length);
            EXPECT_NEAR(p.leftHead, closed, 1e-12 * closed + 1e-15 * whole)
                << k.name << " at " << level;
            EXPECT_NEAR(p.shell, shell, 1e-12 * shell + 1e-15 * kPi * a * b * length / 4e9)
                << k.name << " at " << level;
            EXPECT_EQ(p.rightHead, 0) << k.name;
        }
    }
}

// One head against python-fluids (tests/exact/fluids_reference.py, whose output is the
// golden file ctest keeps current).
TEST(ExactVolume, TorisphericalAndSphericalCapMatchFluids) {
    const std::string reference = std::string(QUORVEL_GOLDEN_DIR) + "/exact/fluids_reference.txt";
    std::ifstream in(reference);
    ASSERT_TRUE(in) << reference;
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind, dished;
        double d = 0, dim = 0, level = 0, expected = 0;
        HeadSpec h;
        fields >> kind >> d >> dim;
        if (kind == "torispherical") {
            fields >> dished;
            h = dished == "standard"
                    ? head(HeadKind::StandardDished, 25)
                    : head(HeadKind::NonStandardDished, 40, std::stod(dished) + 40);
            h.sphereRadius = dim;
        } else {
            ASSERT_EQ(kind, "spherical");
            h = head(HeadKind::SphericalCap, 0, dim);
        }
        fields >> level >> expected;
        ASSERT_FALSE(fields.fail()) << line;
        const TankConfig c = circular(d, 1000, h);
        const double whole = parts(c, d).leftHead;
        // fluids integrates the dished head with scipy's default tolerance and evaluates the
        // cap's closed form in double: good to about 10⁻¹¹ of the head, which is what this
        // checks; true_geometry_test holds the model to 10⁻¹² against 32-digit integrals.
        EXPECT_NEAR(parts(c, level).leftHead, expected, 1e-11 * whole) << line;
        ++count;
    }
    EXPECT_EQ(count, 64);
}

// ∫ of the unit disk's area below x: x·asin x + √(1 − x²) + π·x/2 − (1 − x²)^{3/2}/3 inside,
// linear outside; the tilted flat-ended shell's closed form.
double diskBelowIntegral(double x) {
    if (x <= -1) {
        return 0;
    }
    if (x >= 1) {
        return kPi * x;
    }
    const double q = 1 - x * x;
    return x * std::asin(x) + std::sqrt(q) + kPi * x / 2 - q * std::sqrt(q) / 3;
}

TEST(ExactVolume, TiltedFlatCylinderMatchesItsIntegral) {
    struct Case {
        double a, b, length, alpha, beta, offset, level;
    };
    const Case cases[] = {
        {2000, 2000, 10000, 1, 0, 5000, 1000},
        {2000, 2000, 10000, 1, 0, 5000, 50},
        {2000, 2000, 10000, 1, 0, 5000, 1990},
        {2000, 2000, 10000, 5, 0, 1000, 300},
        {1600, 2400, 8000, 3, 10, 2000, 0},
        {1600, 2400, 8000, 3, 10, 2000, 1600},
        {1600, 2400, 8000, 0.5, -20, 7000, 700},
        {2000, 2000, 6000, 30, 0, 3000, 1000},
        // Tilts so slight that the ends' terms cancel: the shell is integrated instead.
        {2000, 2000, 10000, 0.01, 0, 5000, 1000},
        {1600, 2400, 8000, 0.003, 10, 2000, 400},
    };
    for (const Case& k : cases) {
        TankConfig c;
        c.shellKind = ShellKind::Tilted;
        c.verticalDiameter = k.a;
        c.horizontalDiameter = k.b;
        c.length = k.length;
        c.tiltAlpha = k.alpha;
        c.tiltBeta = k.beta;
        c.tiltOffset = k.offset;
        const double alpha = k.alpha * kPi / 180, beta = k.beta * kPi / 180;
        const double reach = std::hypot(k.a / 2 * std::cos(beta), k.b / 2 * std::sin(beta));
        const double t = std::tan(alpha), gauge = k.length - k.offset;
        // c(σ) = c0 − σ·t; ∫₀ᴸ ab·U(c/reach) dσ = ab·reach/t·(F(c(0)/reach) − F(c(L)/reach)).
        const double c0 = (k.level - k.a / 2) * std::cos(beta) + gauge * t;
        const double closed =
            k.a / 2 * k.b / 2 * reach / t *
            (diskBelowIntegral(c0 / reach) - diskBelowIntegral((c0 - k.length * t) / reach)) * 1e-9;
        const double whole = kPi * k.a * k.b / 4 * k.length * 1e-9;
        EXPECT_NEAR(parts(c, k.level).shell, closed, 1e-12 * closed + 1e-15 * whole)
            << k.a << " " << k.alpha << " " << k.beta << " " << k.level;
    }
}

// With heads the volume rises from nothing to the whole tank as the plane rises through it,
// whichever end is low.
TEST(ExactVolume, TiltedTankWithHeadsFillsMonotonically) {
    struct Case {
        HeadSpec left, right;
        double alpha, beta;
        bool rightLow;
    };
    const Case cases[] = {
        {head(HeadKind::StandardEllipsoidal, 25), head(HeadKind::SphericalCap, 0, 300), 3, 5,
         false},
        {head(HeadKind::NonStandardEllipsoidal, 40, 600), head(HeadKind::Flat), 8, -15, true},
        {head(HeadKind::SphericalCap, 0, 900), head(HeadKind::StandardEllipsoidal, 25), 45, 0,
         false},
    };
    for (const Case& k : cases) {
        TankConfig c;
        c.shellKind = ShellKind::Tilted;
        c.verticalDiameter = 1800;
        c.horizontalDiameter = 2000;
        c.length = 6000;
        c.tiltAlpha = k.alpha;
        c.tiltBeta = k.beta;
        c.tiltOffset = 1500;
        c.lowEndRight = k.rightLow;
        c.leftHead = k.left;
        c.rightHead = k.right;
        TankConfig level = c;
        level.tiltAlpha = 0;
        level.tiltBeta = 0;
        const ExactParts top = parts(level, 1800);
        const double whole = top.shell + top.leftHead + top.rightHead;
        const double reach =
            (7000 * std::tan(k.alpha * kPi / 180) + 2000) / std::cos(k.beta * kPi / 180);
        double before = -1;
        for (double h = -reach; h <= 1800 + reach; h += reach / 200) {
            const ExactParts p = parts(c, h);
            const double v = p.shell + p.leftHead + p.rightHead;
            EXPECT_GE(v, before - 1e-12 * whole) << k.alpha << " at " << h;
            before = v;
        }
        const ExactParts empty = parts(c, -reach), filled = parts(c, 1800 + reach);
        EXPECT_NEAR(empty.shell + empty.leftHead + empty.rightHead, 0, 1e-12 * whole);
        EXPECT_NEAR(filled.shell + filled.leftHead + filled.rightHead, whole, 1e-10 * whole);
    }
}

// Which head is low matters only when it differs from the high one; α = β = 0 is the level
// tank of the same section.
TEST(ExactVolume, UntiltedTiltedPageIsTheLevelTank) {
    TankConfig tilted;
    tilted.shellKind = ShellKind::Tilted;
    tilted.verticalDiameter = 1500;
    tilted.horizontalDiameter = 2200;
    tilted.length = 4000;
    tilted.tiltOffset = 700;
    tilted.leftHead = head(HeadKind::SphericalCap, 0, 400);
    tilted.rightHead = head(HeadKind::StandardEllipsoidal, 40);
    TankConfig level = tilted;
    level.shellKind = ShellKind::Horizontal;
    level.sectionKind = SectionKind::Elliptical;
    for (double h : {0.0, 10.0, 750.0, 1200.0, 1500.0}) {
        VolumeState a, b;
        EXPECT_EQ(volumeAtLevel(tilted, h, 1, a, Method::Exact),
                  volumeAtLevel(level, h, 1, b, Method::Exact))
            << h;
    }
    tilted.tiltAlpha = 2;
    const double leftLow = parts(tilted, 100).leftHead;
    tilted.lowEndRight = true;
    EXPECT_LT(parts(tilted, 100).leftHead, leftLow / 10);  // the cap is now at the dry end
}

TEST(ExactVolume, ImpossibleDimensionsAreRefusedWithTheirSide) {
    struct Case {
        TankConfig config;
        const char* message;
    };
    HeadSpec knuckleless = head(HeadKind::NonStandardDished, 40, 1040);  // deeper than a sphere
    knuckleless.sphereRadius = 2000;
    HeadSpec flat = head(HeadKind::NonStandardDished, 40, 440);
    flat.sphereRadius = 900;  // crown radius below the shell's
    const Case cases[] = {
        {circular(2000, 5000, knuckleless), "左封头尺寸不成立，无法按真实几何计算！"},
        {circular(2000, 5000, head(HeadKind::Flat), flat),
         "右封头尺寸不成立，无法按真实几何计算！"},
        {circular(2000, 5000, head(HeadKind::NonStandardEllipsoidal, 50, 40)),
         "左封头尺寸不成立，无法按真实几何计算！"},
        {circular(0, 5000, head(HeadKind::Flat)), "筒体尺寸不成立，无法按真实几何计算！"},
    };
    for (const Case& k : cases) {
        try {
            axialTank(k.config);
            ADD_FAILURE() << k.message;
        } catch (const exact::GeometryError& e) {
            EXPECT_STREQ(e.what(), k.message);
        }
    }
}

}  // namespace
}  // namespace quorvel
