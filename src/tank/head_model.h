// What a kind of head is to the computation, one row per kind: the depth of its dished part,
// its classic volume on a circular rim and on an elliptical one, its true-geometry profile,
// whether its classic volume only grows with the level, and what is derived once per
// request. The window's facts of a kind (radio buttons, fields, captions, where it may be
// chosen) are its row in form/head_kinds; a new kind is one row there and one row here, with
// its case in withHeadKind.
//
// Every row holds:
//   depth(head, rim)          the depth beyond the straight flange on a rim of diameter
//                             `rim` (the shell's diameter, or an elliptical section's B), mm;
//   circular<R>(head, D, lv)  the classic volume on a circular shell of diameter D at the
//                             level lv, m³, by the routines R (geometry.h, guarded or not);
//   elliptical<R>(head, A, B, lv)  the same on an elliptical rim (A vertical, B horizontal,
//                             also a tilted shell's); a kind with no form for it counts 0;
//   profile(head, R)          the true geometry's axial profile on a rim of radius R
//                             (exact/head_profile.h); throws exact::GeometryError;
//   classicRises(head, rim)   whether its classic volume only grows with the level: its
//                             routine is monotone for dimensions that describe a head;
//   prepare(head, D)          what a request derives once, on a circular shell of diameter D.
#pragma once

#include <cmath>
#include <optional>
#include <type_traits>

#include "exact/head_profile.h"
#include "form/head_kinds.h"
#include "geometry/geometry.h"
#include "tank/tank_config.h"

namespace quorvel::heads {

// The ellipsoidal kinds share the half ellipsoid's routine, TuoFengTou, with their own depth.
template <class Kind>
struct HalfEllipsoid {
    template <class R>
    static double circular(const HeadSpec& h, double D, double lv) {
        return R::TuoFengTou(D, D, Kind::depth(h, D), lv);
    }
    template <class R>
    static double elliptical(const HeadSpec& h, double A, double B, double lv) {
        return R::TuoFengTou(A, B, Kind::depth(h, B), lv);
    }
    static void prepare(HeadSpec&, double) {}
};

// A kind whose classic routine has no form for an elliptical rim: it counts 0 there (its
// flange still lengthens the shell).
struct NoEllipticalForm {
    template <class R>
    static double elliptical(const HeadSpec&, double, double, double) {
        return 0;
    }
    static void prepare(HeadSpec&, double) {}
};

// 标准椭圆封头: a quarter of the rim's diameter deep.
struct StandardEllipsoidal : HalfEllipsoid<StandardEllipsoidal> {
    static double depth(const HeadSpec&, double rim) { return rim / 4; }
    static exact::HeadProfile profile(const HeadSpec&, double R) {
        return exact::ellipsoidalProfile(R, R / 2);
    }
    static bool classicRises(const HeadSpec&, double) { return true; }
};

// 非标椭圆封头: the total depth H less the flange h.
struct NonStandardEllipsoidal : HalfEllipsoid<NonStandardEllipsoidal> {
    static double depth(const HeadSpec& h, double) { return h.depth - h.flangeHeight; }
    static exact::HeadProfile profile(const HeadSpec& h, double R) {
        return exact::ellipsoidalProfile(R, depth(h, 2 * R));
    }
    static bool classicRises(const HeadSpec& h, double rim) { return depth(h, rim) > 0; }
};

// 圆锥封头: the cone's height H2 less the flange.
struct Conical : NoEllipticalForm {
    static double depth(const HeadSpec& h, double) { return h.coneHeight - h.flangeHeight; }
    template <class R>
    static double circular(const HeadSpec& h, double D, double lv) {
        return R::YuangZhui(depth(h, D), lv, D);
    }
    static exact::HeadProfile profile(const HeadSpec& h, double R) {
        return exact::conicalProfile(R, depth(h, 2 * R));
    }
    static bool classicRises(const HeadSpec& h, double rim) { return depth(h, rim) > 0; }
};

// 圆台封头: the depth H less the flange, down to the small end D2.
struct Frustum : NoEllipticalForm {
    static double depth(const HeadSpec& h, double) { return h.depth - h.flangeHeight; }
    template <class R>
    static double circular(const HeadSpec& h, double D, double lv) {
        return R::YuangTai(depth(h, D), lv, D, h.smallDiameter);
    }
    static exact::HeadProfile profile(const HeadSpec& h, double R) {
        return exact::frustumProfile(R, depth(h, 2 * R), h.smallDiameter);
    }
    static bool classicRises(const HeadSpec& h, double rim) {
        return depth(h, rim) > 0 && h.smallDiameter >= 0 && h.smallDiameter < rim;
    }
};

// 球缺封头: the whole entered depth, no flange. Its classic series overshoots the full head
// near the top.
struct SphericalCap {
    static double depth(const HeadSpec& h, double) { return h.depth; }
    template <class R>
    static double circular(const HeadSpec& h, double D, double lv) {
        return R::QiuQueFengTou(D, depth(h, D), lv);
    }
    template <class R>
    static double elliptical(const HeadSpec& h, double, double B, double lv) {
        return R::QiuQueFengTou(B, depth(h, B), lv);
    }
    static exact::HeadProfile profile(const HeadSpec& h, double R) {
        return exact::sphericalCapProfile(R, depth(h, 2 * R));
    }
    static bool classicRises(const HeadSpec&, double) { return false; }
    static void prepare(HeadSpec&, double) {}
};

// 标准碟形封头: crown radius Ri = D and knuckle radius r = 0.1·D; its depth is
// Ri − √((Ri − r)² − (D/2 − r)²) = (1 − √0.65)·D.
struct StandardDished : NoEllipticalForm {
    static double depth(const HeadSpec&, double rim) {
        const double r = 0.1 * rim;
        return rim - std::sqrt((rim - r) * (rim - r) - (rim / 2 - r) * (rim / 2 - r));
    }
    template <class R>
    static double circular(const HeadSpec&, double D, double lv) {
        return R::DieFengTou(D, lv);
    }
    static exact::HeadProfile profile(const HeadSpec&, double R) {
        return exact::torisphericalProfile(R, 2 * R, 0.2 * R);
    }
    static bool classicRises(const HeadSpec&, double) { return true; }
};

// 非标碟形封头: scaled from an ellipsoid of the same depth (H less the flange) by the ratio of
// the two whole volumes, derived once per request (FeiBiaoDieXin over TuoFengTou).
struct NonStandardDished {
    static double depth(const HeadSpec& h, double) { return h.depth - h.flangeHeight; }
    template <class R>
    static double circular(const HeadSpec& h, double D, double lv) {
        return R::TuoFengTou(D, D, depth(h, D), lv) * h.dishedRatio;
    }
    template <class R>
    static double elliptical(const HeadSpec&, double, double, double) {
        return 0;
    }
    static exact::HeadProfile profile(const HeadSpec& h, double R) {
        return exact::dishedProfileForDepth(R, h.sphereRadius, depth(h, 2 * R));
    }
    static bool classicRises(const HeadSpec& h, double rim) {
        return depth(h, rim) > 0 && h.dishedRatio > 0;
    }
    // Throws ArithmeticError when the ellipsoid of that depth holds nothing.
    static void prepare(HeadSpec& h, double D);
};

// 半球形封头: half the rim's diameter deep.
struct Hemispherical : NoEllipticalForm {
    static double depth(const HeadSpec&, double rim) { return rim / 2; }
    template <class R>
    static double circular(const HeadSpec& h, double D, double lv) {
        return R::TuoFengTou(D, D, depth(h, D), lv);
    }
    static exact::HeadProfile profile(const HeadSpec&, double R) {
        return exact::ellipsoidalProfile(R, R);
    }
    static bool classicRises(const HeadSpec&, double) { return true; }
};

// 平板封头: nothing beyond the shell.
struct Flat : NoEllipticalForm {
    static double depth(const HeadSpec&, double) { return 0; }
    template <class R>
    static double circular(const HeadSpec&, double, double) {
        return 0;
    }
    static exact::HeadProfile profile(const HeadSpec&, double) { return {}; }
    static bool classicRises(const HeadSpec&, double) { return true; }
};

// Whether a row's volume on an elliptical rim is the half ellipsoid of its depth.
template <class Kind>
inline constexpr bool kHalfEllipsoid = std::is_base_of_v<HalfEllipsoid<Kind>, Kind>;

// Calls `f` with the row of `kind`: the one place a kind becomes its row.
template <class F>
decltype(auto) withHeadKind(HeadKind kind, F&& f) {
    switch (kind) {
        case HeadKind::StandardEllipsoidal:
            return f(StandardEllipsoidal{});
        case HeadKind::NonStandardEllipsoidal:
            return f(NonStandardEllipsoidal{});
        case HeadKind::Conical:
            return f(Conical{});
        case HeadKind::Frustum:
            return f(Frustum{});
        case HeadKind::SphericalCap:
            return f(SphericalCap{});
        case HeadKind::StandardDished:
            return f(StandardDished{});
        case HeadKind::NonStandardDished:
            return f(NonStandardDished{});
        case HeadKind::Hemispherical:
            return f(Hemispherical{});
        case HeadKind::Flat:
            break;
    }
    return f(Flat{});
}

// The rows' facts of a head, by its kind.
template <class R>
double circularVolume(const HeadSpec& head, double D, double lv) {
    return withHeadKind(
        head.kind, [&](auto kind) { return decltype(kind)::template circular<R>(head, D, lv); });
}
template <class R>
double ellipticalVolume(const HeadSpec& head, double A, double B, double lv) {
    return withHeadKind(head.kind, [&](auto kind) {
        return decltype(kind)::template elliptical<R>(head, A, B, lv);
    });
}
inline double depth(const HeadSpec& head, double rim) {
    return withHeadKind(head.kind, [&](auto kind) { return kind.depth(head, rim); });
}
inline exact::HeadProfile profile(const HeadSpec& head, double rimRadius) {
    return withHeadKind(head.kind, [&](auto kind) { return kind.profile(head, rimRadius); });
}
inline bool classicRises(const HeadSpec& head, double rim) {
    return withHeadKind(head.kind, [&](auto kind) { return kind.classicRises(head, rim); });
}
// The depth of the half ellipsoid a head's volume on an elliptical rim of horizontal diameter
// `rim` is (TuoFengTou), or nullopt for a kind whose volume there is another.
inline std::optional<double> ellipsoidDepth(const HeadSpec& head, double rim) {
    return withHeadKind(head.kind, [&](auto kind) -> std::optional<double> {
        if constexpr (kHalfEllipsoid<decltype(kind)>) {
            return kind.depth(head, rim);
        }
        return std::nullopt;
    });
}
inline void prepare(HeadSpec& head, double D) {
    withHeadKind(head.kind, [&](auto kind) { kind.prepare(head, D); });
}

}  // namespace quorvel::heads
