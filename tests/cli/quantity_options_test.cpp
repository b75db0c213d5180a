// quorvel-table --quantity: each option reaches the ticket, and command lines that cannot
// give one ticket are refused before anything is computed (tests/golden/cli/
// quantity_options.json).
#include "command_run.h"

namespace quorvel::cli {
namespace {

TEST(QuantityOptions, EachOptionReachesTheTicketOrTheCommandLineIsRefused) {
    runCaseTable("quantity_options", 10);
}

}  // namespace
}  // namespace quorvel::cli
