#include <cmath>
#include <ostream>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace quorvel {
namespace {

constexpr double kTol = 1e-9;
constexpr double kPi = 3.14159265358979323846;

struct Case {
    double a, b, c, d;
    double expected;
    friend std::ostream& operator<<(std::ostream& os, const Case& c) {
        return os << "(" << c.a << ", " << c.b << ", " << c.c << ", " << c.d << ") -> "
                  << c.expected;
    }
};

class YuangTongTest : public testing::TestWithParam<Case> {};

TEST_P(YuangTongTest, ReferenceVolumes) {
    const Case& c = GetParam();
    EXPECT_NEAR(YuangTong(c.a, c.b, c.c, c.d), c.expected, kTol);
}

INSTANTIATE_TEST_SUITE_P(CircularAndElliptical, YuangTongTest,
                         testing::Values(Case{2000, 2000, 1000, 5000, 7.853981634},
                                         Case{2000, 2000, 500, 5000, 3.070924247},
                                         Case{2000, 2000, 2000, 5000, 15.707963268},
                                         Case{2000, 2000, 0, 5000, 0.0},
                                         Case{1000, 2000, 1000, 5000, 7.853981634},
                                         Case{1000, 2000, 250, 5000, 1.535462123},
                                         // Failures are −1, never a clamped volume.
                                         Case{2000, 2000, -0.001, 5000, -1},
                                         Case{2000, 2000, 2000.001, 5000, -1},
                                         Case{0, 2000, 0, 5000, -1}, Case{0, 2000, 10, 5000, -1}));

TEST(YuangTong, EmptyIsExactlyZeroAndFullIsTheWholeSection) {
    EXPECT_EQ(YuangTong(2000, 2000, 0, 5000), 0.0);
    EXPECT_NEAR(YuangTong(1200, 3000, 1200, 7000), kPi * 1200 * 3000 / 4 * 7000 * 1e-9, kTol);
}

TEST(YuangTong, EllipseIsTheStretchedCircle) {
    for (double h : {1.0, 123.4, 500.0, 777.7, 999.0}) {
        EXPECT_NEAR(YuangTong(1000, 2000, h, 5000), 2 * YuangTong(1000, 1000, h, 5000), kTol);
    }
}

TEST(YuangTong, HalfFullIsHalfOfFullAndGrowsMonotonically) {
    EXPECT_NEAR(YuangTong(2400, 2400, 1200, 6000), YuangTong(2400, 2400, 2400, 6000) / 2, kTol);
    double previous = -1;
    for (int h = 0; h <= 2400; h += 10) {
        double v = YuangTong(2400, 2400, h, 6000);
        EXPECT_GT(v, previous) << "at " << h;
        previous = v;
    }
}

TEST(YuangTong, AFaultDoesNotLeakIntoTheNextCall) {
    EXPECT_EQ(YuangTong(2000, 2000, -5, 5000), -1);
    EXPECT_NEAR(YuangTong(2000, 2000, 1000, 5000), 7.853981634, kTol);
}

class TuoFengTouTest : public testing::TestWithParam<Case> {};

TEST_P(TuoFengTouTest, ReferenceVolumes) {
    const Case& c = GetParam();
    EXPECT_NEAR(TuoFengTou(c.a, c.b, c.c, c.d), c.expected, kTol);
}

INSTANTIATE_TEST_SUITE_P(EllipsoidalHeads, TuoFengTouTest,
                         testing::Values(Case{2000, 2000, 500, 2000, 1.047197551},
                                         Case{2000, 2000, 500, 1000, 0.523598776},
                                         Case{2000, 2000, 500, 500, 0.163624617},
                                         // The cubic is evaluated outside 0..A as well.
                                         Case{2000, 2000, 500, 2100, 1.039081770},
                                         Case{2000, 2000, 500, -100, 0.008115781},
                                         Case{2000, 2000, 1000, 2000, 2.094395102},
                                         Case{3000, 3000, 1500, 1500, 7.068583471 / 2},
                                         Case{1000, 2000, 500, 1000, 0.523598776},
                                         Case{0, 2000, 500, 100, -1}, Case{0, 2000, 500, 0, -1}));

TEST(TuoFengTou, StandardHeadIsPiDCubedOver24AndGrowsOverTheDiameter) {
    for (double d : {300.0, 1600.0, 2000.0, 3200.0}) {
        EXPECT_NEAR(TuoFengTou(d, d, d / 4, d), kPi * d * d * d / 24 * 1e-9, kTol);
        double previous = -1;
        for (int i = 0; i <= 100; ++i) {
            double v = TuoFengTou(d, d, d / 4, d * i / 100);
            EXPECT_GT(v, previous);
            previous = v;
        }
    }
}

class DieFengTouTest : public testing::TestWithParam<std::pair<std::pair<double, double>, double>> {
};

TEST_P(DieFengTouTest, ReferenceVolumes) {
    auto [args, expected] = GetParam();
    EXPECT_NEAR(DieFengTou(args.first, args.second), expected, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    StandardDished, DieFengTouTest,
    testing::Values(std::pair{std::pair{2000.0, 2000.0}, 0.79172},
                    std::pair{std::pair{2000.0, 1000.0}, 0.39586},
                    std::pair{std::pair{700.0, 700.0}, 0.033999875},
                    std::pair{std::pair{701.0, 701.0}, 0.034090681},
                    // Coefficient bands: D ≤ 300, ≤ 400, ≤ 700, above.
                    std::pair{std::pair{300.0, 300.0}, 0.3901 * 300 * 300 * 300 / 4 * 1e-9},
                    std::pair{std::pair{301.0, 301.0}, 0.3974 * 301 * 301 * 301 / 4 * 1e-9},
                    std::pair{std::pair{400.0, 400.0}, 0.3974 * 400 * 400 * 400 / 4 * 1e-9},
                    std::pair{std::pair{401.0, 401.0}, 0.3965 * 401 * 401 * 401 / 4 * 1e-9},
                    std::pair{std::pair{2000.0, 0.0}, 0.0},
                    std::pair{std::pair{2000.0, 2000.5}, -1.0},
                    std::pair{std::pair{2000.0, -0.5}, -1.0}, std::pair{std::pair{0.0, 0.0}, -1.0},
                    std::pair{std::pair{0.0, 5.0}, -1.0}));

TEST(DieFengTou, GrowsFromEmptyToFull) {
    double previous = -1;
    for (int h = 0; h <= 2000; h += 20) {
        double v = DieFengTou(2000, h);
        EXPECT_GT(v, previous);
        previous = v;
    }
}

TEST(FeiBiaoDieXin, ReferenceHeadAndItsRatioToTheEllipsoid) {
    EXPECT_NEAR(FeiBiaoDieXin(40, 440, 2000, 2000), 0.827505399, kTol);
    EXPECT_NEAR(TuoFengTou(2000, 2000, 400, 2000), 0.837758041, kTol);
    EXPECT_NEAR(FeiBiaoDieXin(40, 440, 2000, 2000) / TuoFengTou(2000, 2000, 400, 2000), 0.987761810,
                kTol);
}

TEST(FeiBiaoDieXin, StandardProportionsAndFlangeIndependence) {
    // Crown radius D and knuckle 0.1·D give depth 387.548450340 without flange.
    EXPECT_NEAR(FeiBiaoDieXin(0, 387.548450340, 2000, 2000), 0.791727961, kTol);
    EXPECT_NEAR(FeiBiaoDieXin(25, 412.548450340, 2000, 2000), 0.791727961, kTol);
    // It agrees with the standard dished head's coefficient to five digits.
    EXPECT_NEAR(FeiBiaoDieXin(0, 387.548450340, 2000, 2000), DieFengTou(2000, 2000), 1e-5);
}

TEST(FeiBiaoDieXin, Failures) {
    // D = 2·Ri: the knuckle radius divides by zero.
    EXPECT_EQ(FeiBiaoDieXin(40, 440, 1000, 2000), -1);
    EXPECT_EQ(FeiBiaoDieXin(0, 0, 1000, 2000), -1);
    // Overflow of the depth's powers.
    EXPECT_EQ(FeiBiaoDieXin(0, 1e300, 2000, 2000), -1);
}

}  // namespace
}  // namespace quorvel
