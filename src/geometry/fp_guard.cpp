#include "geometry/fp_guard.h"

namespace quorvel::detail {

void FpGuard::check(long double value) const {
    int flags = std::fetestexcept(kFaultFlags);
    if (flags == 0 && std::isfinite(value)) {
        return;
    }
    if (flags & FE_DIVBYZERO) {
        throw ArithmeticError("浮点数除以零");
    }
    if (flags & FE_OVERFLOW) {
        throw ArithmeticError("浮点运算溢出");
    }
    throw ArithmeticError("无效的浮点运算");
}

}  // namespace quorvel::detail
