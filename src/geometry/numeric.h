// Constants and helpers shared by the geometry routines, all in extended precision.
#pragma once

#include <cmath>

#include "units/units.h"

namespace quorvel::detail {

using ld = long double;

inline constexpr ld kPi = 3.14159265358979323846L;

// base raised to a whole power, by repeated multiplication; a negative power is the
// reciprocal of the positive one (so 10⁻⁹ is 1 / 10⁹, 10⁹ being exact).
inline ld powi(ld base, int n) {
    bool negative = n < 0;
    unsigned k = negative ? static_cast<unsigned>(-n) : static_cast<unsigned>(n);
    ld result = 1.0L;
    ld factor = base;
    while (k != 0) {
        if (k & 1U)
            result *= factor;
        factor *= factor;
        k >>= 1U;
    }
    return negative ? 1.0L / result : result;
}

// The factor from mm³ to m³ (units/units.h).
inline constexpr ld mm3ToM3() {
    return units::kCubicMetresPerCubicMillimetre;
}

inline ld arcsin(ld x) {
    return std::atan2(x, std::sqrt(1.0L - x * x));
}
inline ld arccos(ld x) {
    return std::atan2(std::sqrt(1.0L - x * x), x);
}

// Stores an intermediate as a double, as the routines that round a step do.
inline ld asDouble(ld x) {
    return static_cast<ld>(static_cast<double>(x));
}

}  // namespace quorvel::detail
