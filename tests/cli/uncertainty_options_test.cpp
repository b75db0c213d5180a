// quorvel-table --u, --u-limit: U after each --csv row and after the --quick value, nothing
// added without them, and the refusals of what was stated with their messages
// (tests/golden/cli/uncertainty_options.json).
#include "command_run.h"

namespace quorvel::cli {
namespace {

TEST(UncertaintyOptions, UFollowsEachValueOrTheStatementIsRefused) {
    runCaseTable("uncertainty_options", 15);
}

}  // namespace
}  // namespace quorvel::cli
