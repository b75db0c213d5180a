// quorvel-table as a function of its arguments and streams, so tests run it in-process.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace quorvel::cli {

// Exit status of a run.
inline constexpr int kExitOk = 0;
inline constexpr int kExitStopped = 1;  // the request stopped: message or error shown
inline constexpr int kExitUsage = 2;    // the command line cannot be run

// Runs the command for the arguments after the program name: the table (with --csv) to
// `out`, every message to `err`.
int runTableCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace quorvel::cli
