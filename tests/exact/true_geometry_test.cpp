// The true-geometry model's closed forms against its own integral, and both against 32-digit
// integrals of the model's definition (tests/golden/exact/true_geometry.txt, written by
// tests/exact/true_geometry_reference.py with mpmath).
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "exact/exact_volume.h"
#include "exact/section_area.h"

namespace quorvel::exact {
namespace {

constexpr double kDegree = std::numbers::pi / 180;

struct Case {
    double A = 0, B = 0, length = 0, alpha = 0, beta = 0, gauge = 0;
    std::string low, high;
    double level = 0;
    double expected[3] = {};  // low head, shell, high head; m³
    std::string line;
};

// A head token of the golden file (flat, ell:depth, cone:height, frus:height:small,
// cap:depth, tori:crown:knuckle, dish:crown:depth) drawn for rim radius R.
HeadProfile head(const std::string& token, double R) {
    std::istringstream in(token);
    std::string kind;
    std::getline(in, kind, ':');
    std::vector<double> d;
    for (std::string x; std::getline(in, x, ':');) {
        d.push_back(std::stod(x));
    }
    if (kind == "ell") {
        return ellipsoidalProfile(R, d.at(0));
    }
    if (kind == "cone") {
        return conicalProfile(R, d.at(0));
    }
    if (kind == "frus") {
        return frustumProfile(R, d.at(0), d.at(1));
    }
    if (kind == "cap") {
        return sphericalCapProfile(R, d.at(0));
    }
    if (kind == "tori") {
        return torisphericalProfile(R, d.at(0), d.at(1));
    }
    if (kind == "dish") {
        return dishedProfileForDepth(R, d.at(0), d.at(1));
    }
    EXPECT_EQ(kind, "flat");
    return {};
}

std::vector<Case> goldenCases() {
    const std::string reference = std::string(QUORVEL_GOLDEN_DIR) + "/exact/true_geometry.txt";
    std::ifstream in(reference);
    EXPECT_TRUE(in) << reference;
    std::vector<Case> cases;
    for (std::string line; std::getline(in, line);) {
        std::istringstream f(line);
        Case k;
        f >> k.A >> k.B >> k.length >> k.alpha >> k.beta >> k.gauge >> k.low >> k.high >> k.level >>
            k.expected[0] >> k.expected[1] >> k.expected[2];
        EXPECT_FALSE(f.fail()) << line;
        k.line = line;
        cases.push_back(k);
    }
    return cases;
}

AxialTank tankOf(const Case& k) {
    AxialTank t;
    t.A = k.A;
    t.B = k.B;
    t.rimRadius = k.B / 2;
    t.length = k.length;
    t.lowHead = head(k.low, t.rimRadius);
    t.highHead = head(k.high, t.rimRadius);
    t.alpha = k.alpha * kDegree;
    t.beta = k.beta * kDegree;
    t.gauge = k.gauge;
    return t;
}

// The level tank's parts by quadrature of every piece, as before the closed forms.
AxialParts integrated(const AxialTank& t, double h) {
    const SectionShape s{t.A / 2 * (t.B / 2), upwardReach(t.A / 2, t.B / 2, t.beta), t.rimRadius};
    const double c = (h - t.A / 2) * std::cos(t.beta);
    const LinearCut cut{c, 0, t.beta == 0 ? h : s.reach + c, t.beta == 0 ? t.A - h : s.reach - c};
    auto sum = [&](const HeadProfile& p) {
        double v = 0;
        for (int i = 0; i < p.count; ++i) {
            const double whole =
                std::numbers::pi * s.ab / (s.rim * s.rim) * squaredRadiusIntegral(p.pieces[i]);
            v += integratePiece(p.pieces[i], s, cut, 1e-17 * whole);
        }
        return v * 1e-9;
    };
    ProfilePiece shell;
    shell.z1 = t.length;
    shell.centre = shell.r0 = shell.r1 = t.rimRadius;
    return {sum(t.lowHead), integratePiece(shell, s, cut, 0) * 1e-9, sum(t.highHead)};
}

// The model's cubic millimetres in the cubic metres of the reference table.
AxialParts inM3(const AxialParts& p) {
    return {p.lowHead * 1e-9, p.shell * 1e-9, p.highHead * 1e-9};
}

// 10⁻¹² of the part; near empty, where the level's own rounding is ε·D/gap of the part,
// 10⁻¹⁶ of the whole tank's shell.
void expectClose(double got, double expected, const Case& k, const char* what,
                 double relative = 1e-12) {
    if (expected == 0) {
        EXPECT_EQ(got, 0) << what << ": " << k.line;
        return;
    }
    const double tank = std::numbers::pi / 4 * k.A * k.B * k.length * 1e-9;
    EXPECT_NEAR(got, expected, relative * std::fabs(expected) + 1e-16 * tank)
        << what << ": " << k.line;
}

TEST(TrueGeometry, MatchesThirtyTwoDigitIntegrals) {
    const std::vector<Case> cases = goldenCases();
    EXPECT_EQ(cases.size(), 676u);
    for (const Case& k : cases) {
        const AxialParts p = inM3(PreparedTank(tankOf(k)).volume(k.level));
        expectClose(p.lowHead, k.expected[0], k, "low head");
        expectClose(p.shell, k.expected[1], k, "shell");
        expectClose(p.highHead, k.expected[2], k, "high head");
    }
}

// Every level (and rolled) tank of the table: the closed forms against the quadrature they
// replace, piece by piece, at its levels from 10⁻⁵ of the diameter to full.
TEST(TrueGeometry, LevelClosedFormsMatchTheIntegral) {
    int level = 0;
    for (const Case& k : goldenCases()) {
        if (k.alpha != 0) {
            continue;
        }
        ++level;
        const AxialTank t = tankOf(k);
        const AxialParts closed = inM3(PreparedTank(t).volume(k.level));
        const AxialParts quadrature = integrated(t, k.level);
        expectClose(closed.lowHead, quadrature.lowHead, k, "low head", 1e-13);
        expectClose(closed.shell, quadrature.shell, k, "shell", 1e-13);
        expectClose(closed.highHead, quadrature.highHead, k, "high head", 1e-13);
    }
    EXPECT_EQ(level, 624);
}

// Caps as shallow as a ten-thousandth of the diameter and far shallower: the volume never falls
// as the level rises and the full head is the cap's whole volume, π·H·(3R² + H²)/6.
TEST(TrueGeometry, ShallowCapsRiseToTheirWholeVolume) {
    for (const double depth : {1.0, 0.5, 0.1, 1e-3}) {
        AxialTank t;
        t.A = t.B = 10000;
        t.rimRadius = 5000;
        t.lowHead = sphericalCapProfile(t.rimRadius, depth);
        const PreparedTank tank(t);
        const double whole = std::numbers::pi * depth * (3 * 5000.0 * 5000 + depth * depth) / 6;
        double before = 0;
        for (int i = 0; i <= 2000; ++i) {
            const double v = tank.volume(10000.0 * i / 2000).lowHead;
            ASSERT_GE(v, before) << depth << " at step " << i;
            ASSERT_LE(v, whole * (1 + 1e-10)) << depth << " at step " << i;
            before = v;
        }
        EXPECT_NEAR(before, whole, 1e-10 * whole) << depth;
    }
}

}  // namespace
}  // namespace quorvel::exact
