// The library's own extended-precision forms of the 20 °C routines of oil.h, for the
// printed-table reading and the depot quantity. Same checks and messages.
#pragma once

#include "oil/oil.h"

namespace quorvel::oil {

using ld = long double;

namespace detail {

ld vcf15L(Group group, double rho15, double t);
ld rho15FromRho20L(Group group, double rho20);
ld rho20FromObservedL(Group group, double rhoObserved, double t);
ld vcf20L(Group group, double rho20, double t);

}  // namespace detail
}  // namespace quorvel::oil
