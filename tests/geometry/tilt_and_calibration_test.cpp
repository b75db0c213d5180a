#include <cmath>
#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace quorvel {
namespace {

constexpr double kTol = 1e-9;

struct TiltCase {
    double A, Lc, x, alpha, beta, h;
    double expected;
    friend std::ostream& operator<<(std::ostream& os, const TiltCase& c) {
        return os << "(" << c.A << ", " << c.Lc << ", " << c.x << ", " << c.alpha << ", " << c.beta
                  << ", " << c.h << ") -> " << c.expected;
    }
};

class GaoDuBianHuanReference : public testing::TestWithParam<TiltCase> {};

TEST_P(GaoDuBianHuanReference, EquivalentLevel) {
    const TiltCase& c = GetParam();
    EXPECT_NEAR(GaoDuBianHuan(c.A, c.Lc, c.x, c.alpha, c.beta, c.h), c.expected, kTol);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GaoDuBianHuanReference,
    testing::Values(TiltCase{2000, 10000, 5000, 1, 0, 1000, 1000},            // both ends wet
                    TiltCase{2000, 10000, 2000, 1, 0, 1000, 947.634805215},   // gauge off-centre
                    TiltCase{2000, 10000, 5000, 1, 0, 50, 53.980076364},      // high end dry
                    TiltCase{2000, 10000, 5000, 1, 0, 1990, 1972.894719032},  // low end full
                    TiltCase{2000, 10000, 5000, 1, 10, 500, 507.596123494},   // leaning gauge
                    TiltCase{2000, 10000, 5000, 0.001, 0, 0, 0.021816616},
                    TiltCase{2000, 10000, 0, 0.001, 0, 0, 0},
                    // Faults give 0: Lc = 0 in the third case, cot 0 in the first.
                    TiltCase{2000, 0, 0, 1, 0, 2000, 0}, TiltCase{2000, 10000, 5000, 0, 0, -1, 0}));

TEST(GaoDuBianHuan, LevelTankInTheMiddleCaseNeedsNoCotangent) {
    // α = 0 with both ends wet: tan 0 = 0 and the reading stands.
    EXPECT_NEAR(GaoDuBianHuan(2000, 10000, 5000, 0, 0, 700), 700, kTol);
}

TEST(GaoDuBianHuan, NoJumpAtEitherCaseBoundary) {
    const double t = std::tan(3.14159265358979323846 / 180);
    const double lowBoundary = t * (10000 - 5000);  // high end just dry
    const double highBoundary = 2000 - t * 5000;    // low end just full
    for (double b : {lowBoundary, highBoundary}) {
        const double at = GaoDuBianHuan(2000, 10000, 5000, 1, 0, b);
        EXPECT_NEAR(GaoDuBianHuan(2000, 10000, 5000, 1, 0, b - 1e-7), at, 1e-6);
        EXPECT_NEAR(GaoDuBianHuan(2000, 10000, 5000, 1, 0, b + 1e-7), at, 1e-6);
    }
    EXPECT_NEAR(GaoDuBianHuan(2000, 10000, 5000, 1, 0, lowBoundary), t * 10000 / 2, 1e-6);
    EXPECT_NEAR(GaoDuBianHuan(2000, 10000, 5000, 1, 0, highBoundary), 2000 - t * 10000 / 2, 1e-6);
}

TEST(GaoDuBianHuan, GrowsWithTheReading) {
    double previous = -1;
    for (int h = 0; h <= 2000; h += 10) {
        double v = GaoDuBianHuan(2000, 10000, 3000, 1.5, 0, h);
        EXPECT_GT(v, previous) << h;
        previous = v;
    }
}

struct LagrangeCase {
    std::vector<double> x, y;
    double t;
    double expected;
    friend std::ostream& operator<<(std::ostream& os, const LagrangeCase& c) {
        os << c.x.size() << " points, t=" << c.t << " -> " << c.expected;
        return os;
    }
};

class GetValueLagrangeReference : public testing::TestWithParam<LagrangeCase> {};

TEST_P(GetValueLagrangeReference, Interpolates) {
    const LagrangeCase& c = GetParam();
    EXPECT_NEAR(GetValueLagrange(static_cast<int>(c.x.size()), c.x.data(), c.y.data(), c.t),
                c.expected, kTol);
}

const std::vector<double> kX{0, 1000, 2000};
const std::vector<double> kY{0, 5000, 12000};

INSTANTIATE_TEST_SUITE_P(
    Points, GetValueLagrangeReference,
    testing::Values(LagrangeCase{kX, kY, 500, 2500}, LagrangeCase{kX, kY, 1000, 5000},
                    LagrangeCase{kX, kY, 1500, 8500}, LagrangeCase{kX, kY, 2000, 12000},
                    LagrangeCase{kX, kY, 2500, 15500}, LagrangeCase{kX, kY, -100, -500},
                    LagrangeCase{kX, kY, 0, 0}, LagrangeCase{{100, 900}, {300, 4300}, 100, 300},
                    LagrangeCase{{100, 900}, {300, 4300}, 500, 2300},
                    LagrangeCase{{100, 900}, {300, 4300}, 1000, 4800},
                    // Equal inner levels are never divided by: the walk stops at the first.
                    LagrangeCase{{0, 1000, 1000}, {0, 5000, 6000}, 500, 2500},
                    LagrangeCase{{0, 500, 500, 1000}, {0, 10, 20, 30}, 500, 10},
                    // Out of order: the first i with t ≤ X[i] is taken as it stands.
                    LagrangeCase{{0, 800, 400, 1000}, {0, 80, 40, 100}, 600, 60}));

TEST(GetValueLagrange, DegenerateEndSegmentsArePassedToTheCaller) {
    const double x[] = {0, 1000, 1000};
    const double y[] = {0, 5000, 6000};
    EXPECT_THROW(GetValueLagrange(3, x, y, 1200), ArithmeticError);
    const double x2[] = {100, 100, 900};
    const double y2[] = {0, 50, 900};
    EXPECT_THROW(GetValueLagrange(3, x2, y2, 50), ArithmeticError);
    EXPECT_THROW(GetValueLagrange(3, x2, y2, 100), ArithmeticError);
}

TEST(GetValueLagrange, ReadsNoMoreThanNValues) {
    // The arrays hold 3 values but only the first 2 are points: t = 2500 extends the segment
    // (100, 300)–(900, 4300), not the third value.
    const double x[] = {100, 900, 2000};
    const double y[] = {300, 4300, 0};
    EXPECT_NEAR(GetValueLagrange(2, x, y, 2500), 300 + 4000.0 * 2400 / 800, kTol);
    EXPECT_NEAR(GetValueLagrange(2, x, y, 900), 4300, kTol);
}

TEST(GetValueLagrange, FewerThanTwoPointsIsAFailureNotARead) {
    const double x[] = {100};
    const double y[] = {300};
    EXPECT_THROW(GetValueLagrange(1, x, y, 200), ArithmeticError);
    EXPECT_THROW(GetValueLagrange(0, x, y, 50), ArithmeticError);
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Ascending levels, equal neighbours included: the binary search stops where the walk stops.
TEST(GetValueLagrangeAscending, SameResultAsTheWalk) {
    const std::vector<std::vector<double>> levelSets = {
        {0, 1000},
        {0, 3, 3, 3, 10, 11, 50, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 200},
        {-5, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22},
    };
    for (const auto& X : levelSets) {
        std::vector<double> Y;
        for (std::size_t i = 0; i < X.size(); ++i) {
            Y.push_back(static_cast<double>(i * i) * 7.25 + 1);
        }
        const int n = static_cast<int>(X.size());
        for (double t = X.front() - 2; t <= X.back() + 2; t += 0.25) {
            EXPECT_EQ(GetValueLagrangeAscending(n, X.data(), Y.data(), t),
                      GetValueLagrange(n, X.data(), Y.data(), t))
                << n << " points at " << t;
        }
    }
}

}  // namespace
}  // namespace quorvel
