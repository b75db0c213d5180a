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

}  // namespace
}  // namespace quorvel::cli
