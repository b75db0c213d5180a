// One in-process run of quorvel-table, with what it printed.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace quorvel::cli
