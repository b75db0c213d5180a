// One in-process run of quorvel-table, with what it printed.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/table_command.h"

namespace quorvel::cli {

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

inline RunResult runCommand(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    const int status = runTableCommand(args, out, err);
    return {status, out.str(), err.str()};
}

// Runs each case of a table of command lines (tests/golden/cli/NAME.json: "tank", the
// arguments before each case's own; "cases", each with its "args", and the "status", "out" and
// "err" expected exactly; "alone": true runs a case without the tank's arguments). At least
// `minimum` cases.
inline void runCaseTable(const std::string& name, std::size_t minimum) {
    std::ifstream in(std::string(QUORVEL_GOLDEN_DIR) + "/cli/" + name + ".json");
    const nlohmann::json table = nlohmann::json::parse(in);
    const auto tank = table["tank"].get<std::vector<std::string>>();
    ASSERT_GE(table["cases"].size(), minimum);
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

}  // namespace quorvel::cli
