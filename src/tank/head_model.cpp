#include "tank/head_model.h"

#include "geometry/geometry_messages.h"

namespace quorvel::heads {

void NonStandardDished::prepare(HeadSpec& h, double D) {
    const double ellipsoid = TuoFengTou(D, D, depth(h, D), D);
    if (ellipsoid == 0) {
        throw ArithmeticError(geometry_messages::kDivisionByZero);
    }
    h.dishedRatio = FeiBiaoDieXin(h.flangeHeight, h.depth, h.sphereRadius, D) / ellipsoid;
}

}  // namespace quorvel::heads
