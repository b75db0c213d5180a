// The options of an upright tank (--shell vertical): its courses from the bottom, bottom
// volume, deadwood, the liquid-head correction's density and modulus, and a floating roof.
// The courses and deadwood fill the page's grids, the rest its fields, as a person types them.
#pragma once

#include <span>

#include "cli/option_table.h"

namespace quorvel::cli {

std::span<const OptionSpec> uprightOptions();

// Throws UsageError for an upright option (not --set of its fields) without --shell vertical.
void checkUprightOptions(const TableOptions& options);

}  // namespace quorvel::cli
