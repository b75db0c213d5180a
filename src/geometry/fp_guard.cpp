#include "geometry/fp_guard.h"

#include "geometry/geometry_messages.h"

namespace quorvel::detail {

void FpGuard::check(long double value) const {
    int flags = std::fetestexcept(kFaultFlags);
    if (flags == 0 && std::isfinite(value)) {
        return;
    }
    if (flags & FE_DIVBYZERO) {
        throw ArithmeticError(geometry_messages::kDivisionByZero);
    }
    if (flags & FE_OVERFLOW) {
        throw ArithmeticError(geometry_messages::kOverflow);
    }
    throw ArithmeticError(geometry_messages::kInvalidOperation);
}

}  // namespace quorvel::detail
