// quorvel-table --quantity: each option reaches the ticket, and command lines that cannot
// give one ticket are refused before anything is computed (tests/golden/cli/
// quantity_options.json).
#include "command_run.h"

namespace quorvel::cli {
namespace {

TEST(QuantityOptions, EachOptionReachesTheTicketOrTheCommandLineIsRefused) {
    runCaseTable("quantity_options", 10);
}

// The example tank at a dip of 1000 mm with 50 mm of water: FW is what --quick 50 gives in
// litres, and Vgo = Vt − FW to the cent (no shell temperature: CTSh 1.00000).
TEST(QuantityOptions, FreeWaterIsTheQuickVolumeAtTheWaterDip) {
    const std::string settings = std::string(QUORVEL_EXAMPLES_DIR) + "/Config.ini";
    const std::vector<std::string> tank{"--shell", "horizontal", "--settings",
                                        settings,  "--set",      "CheckBox1=0"};
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), tank.begin(), tank.end());
        return runCommand({args.begin(), args.end()});
    };
    const RunResult quick = run({"--quick", "50"});
    const RunResult ticket = run({"--quantity", "1000", "--water-level", "50", "--oil-temperature",
                                  "20", "--density20", "850", "--product", "products"});
    ASSERT_EQ(ticket.status, 0) << ticket.err;
    EXPECT_EQ(quick.out, "198.13\n");
    const std::string chain = "Vt,16721.97\nFW,198.13\nCTSh,1.00000\nVgo,16523.84\n";
    EXPECT_EQ(ticket.out.substr(0, chain.size()), chain);
}

}  // namespace
}  // namespace quorvel::cli
