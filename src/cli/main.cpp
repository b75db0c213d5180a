#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli_messages.h"
#include "cli/table_command.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    const int status = quorvel::cli::runTableCommand(args, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << quorvel::cli::cli_messages::kCannotWriteOutput << '\n';
        return quorvel::cli::kExitStopped;
    }
    return status;
}
