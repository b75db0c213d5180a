// quorvel-table --u, --u-limit: U after each --csv row, after the --quick value and after the
// --quantity ticket (U_Vt, U_V20, U_mass), nothing
// added without them, and the refusals of what was stated with their messages
// (tests/golden/cli/uncertainty_options.json).
#include "command_run.h"

namespace quorvel::cli {
namespace {

TEST(UncertaintyOptions, UFollowsEachValueOrTheStatementIsRefused) {
    runCaseTable("uncertainty_options", 19);
}

}  // namespace
}  // namespace quorvel::cli
