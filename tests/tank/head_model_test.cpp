// The rows of the head model agree with each other: the depth a row states is the depth of
// its true-geometry profile, and a row that says its classic volume only grows does grow.
#include "tank/head_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorvel {
namespace {

// The guarded routines, as a request computes a level that faulted.
struct Routines {
    static constexpr auto TuoFengTou = &quorvel::TuoFengTou;
    static constexpr auto YuangZhui = &quorvel::YuangZhui;
    static constexpr auto YuangTai = &quorvel::YuangTai;
    static constexpr auto QiuQueFengTou = &quorvel::QiuQueFengTou;
    static constexpr auto DieFengTou = &quorvel::DieFengTou;
};

struct KindCase {
    const char* name;
    HeadSpec head;
    bool rises;  // what the row must say on a rim of 2000 mm
};

HeadSpec headOf(HeadKind kind, double flange, double depth, double cone, double small,
                double sphere) {
    HeadSpec h;
    h.kind = kind;
    h.flangeHeight = flange;
    h.depth = depth;
    h.coneHeight = cone;
    h.smallDiameter = small;
    h.sphereRadius = sphere;
    return h;
}

constexpr double kRim = 2000;

// Heads of a 2000 mm tank with dimensions a depot's tanks have.
const KindCase kKinds[] = {
    {"standard ellipsoidal", headOf(HeadKind::StandardEllipsoidal, 25, 0, 0, 0, 0), true},
    {"non-standard ellipsoidal", headOf(HeadKind::NonStandardEllipsoidal, 25, 525, 0, 0, 0), true},
    {"non-standard ellipsoidal, no depth",
     headOf(HeadKind::NonStandardEllipsoidal, 25, 25, 0, 0, 0), false},
    {"conical", headOf(HeadKind::Conical, 25, 0, 500, 0, 0), true},
    {"frustum", headOf(HeadKind::Frustum, 25, 400, 0, 1000, 0), true},
    {"frustum wider than the shell", headOf(HeadKind::Frustum, 25, 400, 0, 2500, 0), false},
    {"spherical cap", headOf(HeadKind::SphericalCap, 0, 300, 0, 0, 0), false},
    {"standard dished", headOf(HeadKind::StandardDished, 25, 0, 0, 0, 0), true},
    {"non-standard dished", headOf(HeadKind::NonStandardDished, 25, 500, 0, 0, 2000), true},
    {"hemispherical", headOf(HeadKind::Hemispherical, 0, 0, 0, 0, 0), true},
    {"flat", headOf(HeadKind::Flat, 0, 0, 0, 0, 0), true},
};

TEST(HeadModel, EachRowSaysWhetherItsClassicVolumeOnlyGrows) {
    for (const KindCase& k : kKinds) {
        HeadSpec head = k.head;
        heads::prepare(head, kRim);
        EXPECT_EQ(heads::classicRises(head, kRim), k.rises) << k.name;
    }
}

// A row that says its volume only grows is trusted by the level search to bracket the whole
// range at once: over 2001 levels its classic volume never falls.
TEST(HeadModel, AClassicVolumeSaidToGrowNeverFalls) {
    for (const KindCase& k : kKinds) {
        HeadSpec head = k.head;
        heads::prepare(head, kRim);
        if (!heads::classicRises(head, kRim)) {
            continue;
        }
        double before = heads::circularVolume<Routines>(head, kRim, 0);
        for (int i = 1; i <= 2000; ++i) {
            const double v = heads::circularVolume<Routines>(head, kRim, kRim * i / 2000);
            ASSERT_GE(v, before) << k.name << " at " << kRim * i / 2000 << " mm";
            before = v;
        }
    }
}

// The spherical cap's classic series rises above its full volume near the top: a search that
// took it for rising would miss the first crossing.
TEST(HeadModel, TheSphericalCapsClassicVolumeFallsNearTheTop) {
    const HeadSpec cap = headOf(HeadKind::SphericalCap, 0, 300, 0, 0, 0);
    const double full = heads::circularVolume<Routines>(cap, kRim, kRim);
    double most = 0;
    for (int i = 0; i <= 2000; ++i) {
        most = std::max(most, heads::circularVolume<Routines>(cap, kRim, kRim * i / 2000));
    }
    EXPECT_GT(most, full);
}

// The depth a row states for the classic routines is the depth of its true-geometry profile.
TEST(HeadModel, TheDepthOfEachRowIsItsProfilesDepth) {
    for (const KindCase& k : kKinds) {
        if (!k.rises && k.head.kind != HeadKind::SphericalCap) {
            continue;  // dimensions that form no head have no profile
        }
        EXPECT_NEAR(heads::depth(k.head, kRim), heads::profile(k.head, kRim / 2).depth, 1e-9)
            << k.name;
    }
    // The standard dished head: Ri = D, r = 0.1·D, so (1 − √0.65)·D deep.
    EXPECT_NEAR(heads::depth(headOf(HeadKind::StandardDished, 0, 0, 0, 0, 0), 1000),
                1000 * (1 - std::sqrt(0.65)), 1e-9);
}

// On an elliptical rim only the ellipsoidal kinds and the spherical cap have a classic form;
// the others count nothing there.
TEST(HeadModel, KindsWithoutAnEllipticalFormCountNothingOnOne) {
    for (const KindCase& k : kKinds) {
        HeadSpec head = k.head;
        heads::prepare(head, kRim);
        const double v = heads::ellipticalVolume<Routines>(head, 1800, kRim, 900);
        const bool hasForm = head.kind == HeadKind::StandardEllipsoidal ||
                             head.kind == HeadKind::NonStandardEllipsoidal ||
                             head.kind == HeadKind::SphericalCap;
        EXPECT_EQ(v != 0, hasForm && heads::depth(head, kRim) > 0) << k.name;
    }
}

}  // namespace
}  // namespace quorvel
