// quorvel-table --identify: the printed lines of a fit, the table made with it, and the logs
// and command lines that are refused (tests/golden/cli/identify_options.json; the logs are
// synthetic, of the tilted tank lying at α 2°, β 4° with its gauge reading 20 mm short, each
// metered volume with 1 L of noise, in tests/golden/cli/identify/).
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "command_run.h"

namespace quorvel::cli {
namespace {

std::string withLogs(std::string text) {
    const std::string mark = "@LOGS@", logs = std::string(QUORVEL_GOLDEN_DIR) + "/cli/identify";
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
        text.replace(at, mark.size(), logs);
        at += logs.size();
    }
    return text;
}

TEST(IdentifyOptions, PrintsTheFitOrRefusesTheLogOrTheCommandLine) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/cli/identify_options.json");
    const nlohmann::json table = nlohmann::json::parse(in);
    const auto tank = table["tank"].get<std::vector<std::string>>();
    for (const nlohmann::json& c : table["cases"]) {
        SCOPED_TRACE(c["name"].get<std::string>());
        std::vector<std::string> words = tank;
        for (const auto& arg : c["args"]) {
            words.push_back(withLogs(arg.get<std::string>()));
        }
        const RunResult r = runCommand({words.begin(), words.end()});
        EXPECT_EQ(r.status, c["status"].get<int>());
        EXPECT_EQ(r.out, c["out"].get<std::string>());
        EXPECT_EQ(r.err, withLogs(c["err"].get<std::string>()));
    }
}

}  // namespace
}  // namespace quorvel::cli
