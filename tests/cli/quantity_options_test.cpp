// quorvel-table --quantity: each option reaches the ticket, and command lines that cannot
// give one ticket are refused before anything is computed (tests/golden/cli/
// quantity_options.json).
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "command_run.h"

namespace quorvel::cli {
namespace {

TEST(QuantityOptions, EachOptionReachesTheTicketOrTheCommandLineIsRefused) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/cli/quantity_options.json");
    const nlohmann::json table = nlohmann::json::parse(in);
    const auto tank = table["tank"].get<std::vector<std::string>>();
    ASSERT_GE(table["cases"].size(), 10u);
    for (const nlohmann::json& c : table["cases"]) {
        std::vector<std::string> words =
            c.value("alone", false) ? std::vector<std::string>{} : tank;
        for (const auto& arg : c["args"]) {
            words.push_back(arg.get<std::string>());
        }
        const RunResult r = runCommand({words.begin(), words.end()});
        SCOPED_TRACE(c["args"].dump());
        EXPECT_EQ(r.status, c["status"].get<int>());
        EXPECT_EQ(r.out, c["out"].get<std::string>());
        EXPECT_EQ(r.err, c["err"].get<std::string>());
    }
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
