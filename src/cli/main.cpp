#include <iostream>
#include <string_view>
#include <vector>

#include "cli/table_command.h"
#include "output/paper_fonts.h"

int main(int argc, char** argv) {
    std::vector<std::string_view> args(argv + 1, argv + argc);
    std::ios::sync_with_stdio(false);
    const int status = quorvel::cli::runTableCommand(args, std::cout, std::cerr);
    // A PDF's fonts leave caches behind: freed, so a leak checker sees the run clean.
    quorvel::paper::releaseFontCaches();
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "quorvel-table: cannot write the table to standard output\n";
        return quorvel::cli::kExitStopped;
    }
    return status;
}
