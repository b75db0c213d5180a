// Arithmetic fault detection for the geometry routines. C++ arithmetic does not trap, so a
// routine's guard watches the IEEE exception flags (invalid operation, division by zero,
// overflow) raised by its own arithmetic, and the finiteness of its result. Guards nest: a
// guard hides the flags of the arithmetic it watched from the guard around it, so a routine
// that calls another sees only its own faults.
#pragma once

#include <cfenv>
#include <cmath>

#include "geometry/geometry.h"

namespace quorvel::detail {

inline constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

class FpGuard {
  public:
    // Testing the flags is cheap; clearing them (glibc rewrites the whole x87 environment)
    // is not, so it happens only when a flag is actually set.
    FpGuard() : outer_(std::fetestexcept(kFaultFlags)) {
        if (outer_ != 0) {
            std::feclearexcept(kFaultFlags);
        }
    }
    ~FpGuard() {
        if (!closed_) {
            restore(std::fetestexcept(kFaultFlags));
        }
    }
    FpGuard(const FpGuard&) = delete;
    FpGuard& operator=(const FpGuard&) = delete;

    // True when the watched arithmetic faulted or produced a value that is not finite.
    bool faulted(long double value) const {
        return std::fetestexcept(kFaultFlags) != 0 || !std::isfinite(value);
    }

    // Throws ArithmeticError, named after the fault, when faulted(value).
    void check(long double value) const;

    // faulted(value), and the flags put back as they were before at once, for a caller whose
    // watch ends here: the flags are read once for both.
    bool close(long double value) {
        const int flags = std::fetestexcept(kFaultFlags);
        restore(flags);
        closed_ = true;
        return flags != 0 || !std::isfinite(value);
    }

  private:
    void restore(int flags) const {
        if (flags != outer_) {
            std::feclearexcept(kFaultFlags);
            if (outer_ != 0) {
                std::feraiseexcept(outer_);
            }
        }
    }

    int outer_;
    bool closed_ = false;
};

// The guard of the unguarded routines (geometry/unguarded.h): their caller tests the flags
// once around many of them, so nothing is watched here.
struct NoGuard {
    bool faulted(long double) const { return false; }
    void check(long double) const {}
};

}  // namespace quorvel::detail
