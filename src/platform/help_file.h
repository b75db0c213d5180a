// Where the help file lies: beside the executable in a build folder (a portable program),
// or in the shared data folder of an installed one (<prefix>/share/quorvel beside
// <prefix>/bin, as `cmake --install` lays it out).
#pragma once

#include <string>

namespace quorvel {

inline constexpr const char* kHelpFileName = "help.chm";

// The help file of the program whose executable lies in `programFolder` (no trailing
// separator): programFolder/help.chm when it exists, else the installed copy
// programFolder/<installedHelpFolder>/help.chm when that exists, else programFolder/help.chm,
// so a missing file is reported under the name the user expects.
std::string helpFilePath(const std::string& programFolder,
                         const std::string& installedHelpFolder = QUORVEL_INSTALLED_HELP_DIR);

}  // namespace quorvel
