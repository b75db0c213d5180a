#include <cmath>
#include <ostream>

#include <gtest/gtest.h>

#include "geometry/geometry.h"

namespace quorvel {
namespace {

constexpr double kTol = 1e-9;
constexpr double kPi = 3.14159265358979323846;

struct LevelCase {
    double level;
    double expected;
    friend std::ostream& operator<<(std::ostream& os, const LevelCase& c) {
        return os << "h=" << c.level << " -> " << c.expected;
    }
};

class YuangZhuiReference : public testing::TestWithParam<LevelCase> {};

TEST_P(YuangZhuiReference, Cone500On2000) {
    EXPECT_NEAR(YuangZhui(500, GetParam().level, 2000), GetParam().expected, kTol);
}

INSTANTIATE_TEST_SUITE_P(Levels, YuangZhuiReference,
                         testing::Values(LevelCase{500, 0.057631981}, LevelCase{1000, 0.261799388},
                                         LevelCase{1500, 0.465966795}, LevelCase{2000, 0.523598776},
                                         LevelCase{999.9, 0.261749388},
                                         LevelCase{1000.1, 0.261849388}, LevelCase{0, 0},
                                         LevelCase{-1, -1}, LevelCase{2001, -1}));

TEST(YuangZhui, EmptyConeOfZeroDiameterIsZeroButAnyLevelFails) {
    EXPECT_EQ(YuangZhui(500, 0, 0), 0.0);
    EXPECT_EQ(YuangZhui(500, 10, 0), -1);
}

TEST(YuangZhui, MirroredLevelsMakeTheWholeCone) {
    for (double d : {800.0, 2000.0, 3100.0}) {
        const double whole = kPi * d * d * 600 / 12 * 1e-9;
        EXPECT_NEAR(YuangZhui(600, d, d), whole, kTol);
        for (int i = 1; i < 50; ++i) {
            double h = d * i / 100.0 + 0.37;
            EXPECT_NEAR(YuangZhui(600, h, d) + YuangZhui(600, d - h, d), whole, kTol) << h;
        }
    }
}

TEST(YuangZhui, NoJumpAcrossTheHalfAndGrowsThroughout) {
    const double half = YuangZhui(500, 1000, 2000);
    EXPECT_NEAR(YuangZhui(500, 1000 - 1e-6, 2000), half, 1e-9);
    EXPECT_NEAR(YuangZhui(500, 1000 + 1e-6, 2000), half, 1e-9);
    double previous = -1;
    for (int h = 0; h <= 2000; h += 5) {
        double v = YuangZhui(500, h, 2000);
        EXPECT_GT(v, previous) << h;
        previous = v;
    }
}

class YuangTaiReference : public testing::TestWithParam<LevelCase> {};

TEST_P(YuangTaiReference, Frustum500From2000To800) {
    EXPECT_NEAR(YuangTai(500, GetParam().level, 2000, 800), GetParam().expected, kTol);
}

INSTANTIATE_TEST_SUITE_P(Levels, YuangTaiReference,
                         testing::Values(LevelCase{300, 0.028551547}, LevelCase{600, 0.146206256},
                                         LevelCase{1000, 0.408407045}, LevelCase{1400, 0.670607834},
                                         LevelCase{2000, 0.816814090}, LevelCase{0, 0},
                                         // −1 − (−1): both inner cones fail.
                                         LevelCase{-5, 0}));

TEST(YuangTai, EqualDiametersFailAndAboveTheTopSubtractsTheSmallCone) {
    EXPECT_EQ(YuangTai(500, 300, 2000, 2000), -1);
    // Above D the large cone fails (−1) and the small cone is whole.
    const double smallCone = YuangZhui(500.0 * 800 / 1200, 800, 800);
    EXPECT_NEAR(YuangTai(500, 2001, 2000, 800), -1 - smallCone, kTol);
}

TEST(YuangTai, WholeFrustumAndNoStepWhereTheSmallEndStarts) {
    const double R = 1000, r = 400, H = 500;
    EXPECT_NEAR(YuangTai(H, 2000, 2000, 800), kPi * H / 3 * (R * R + R * r + r * r) * 1e-9, kTol);
    const double join = (2000 - 800) / 2.0;
    EXPECT_NEAR(YuangTai(H, join - 1e-6, 2000, 800), YuangTai(H, join, 2000, 800), 1e-9);
    EXPECT_NEAR(YuangTai(H, join + 1e-6, 2000, 800), YuangTai(H, join, 2000, 800), 1e-9);
    double previous = -1;
    for (int h = 0; h <= 2000; h += 5) {
        double v = YuangTai(H, h, 2000, 800);
        EXPECT_GT(v, previous) << h;
        previous = v;
    }
}

class QiuQueReference : public testing::TestWithParam<LevelCase> {};

TEST_P(QiuQueReference, Cap300On2000) {
    EXPECT_NEAR(QiuQueFengTou(2000, 300, GetParam().level), GetParam().expected, kTol);
}

INSTANTIATE_TEST_SUITE_P(Levels, QiuQueReference,
                         testing::Values(LevelCase{2000, 0.485376065}, LevelCase{1000, 0.242688032},
                                         LevelCase{500, 0.062585449},
                                         // The cut series turns negative near the bottom.
                                         LevelCase{10, 0.00001}, LevelCase{0, 0}));

TEST(QiuQueFengTou, HemisphereAndWholeCapIdentity) {
    EXPECT_NEAR(QiuQueFengTou(2000, 1000, 2000), 2.094395102, kTol);
    EXPECT_NEAR(QiuQueFengTou(2000, 1000, 500), 0.324658245, kTol);
    for (double H : {100.0, 300.0, 650.0, 1000.0}) {
        const double rs = 2000.0 * 2000 / (8 * H) + H / 2;
        EXPECT_NEAR(QiuQueFengTou(2000, H, 2000), kPi * H * H * (3 * rs - H) / 3 * 1e-9, kTol);
        EXPECT_NEAR(QiuQueFengTou(2000, H, 1000), QiuQueFengTou(2000, H, 2000) / 2, kTol);
    }
}

TEST(QiuQueFengTou, ExactZeroStaysZero) {
    EXPECT_EQ(QiuQueFengTou(2000, 300, 0), 0.0);
}

TEST(QiuQueFengTou, NoSphereOrALevelOffTheRimIsPassedToTheCaller) {
    EXPECT_THROW(QiuQueFengTou(2000, 0, 500), ArithmeticError);
    EXPECT_THROW(QiuQueFengTou(0, 300, 0), ArithmeticError);
    EXPECT_THROW(QiuQueFengTou(2000, 300, 2000.5), ArithmeticError);
    EXPECT_THROW(QiuQueFengTou(2000, 300, -0.5), ArithmeticError);
    // After a failure the next call is unaffected.
    EXPECT_NEAR(QiuQueFengTou(2000, 300, 2000), 0.485376065, kTol);
}

TEST(QiuQueFengTou, TheFailurePassedOnSaysWhatWentWrong) {
    try {
        QiuQueFengTou(2000, 0, 500);
        FAIL() << "no failure";
    } catch (const ArithmeticError& e) {
        EXPECT_STREQ(e.what(), "浮点数除以零");
    }
}

}  // namespace
}  // namespace quorvel
