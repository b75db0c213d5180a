// The folder every file of the program lies in (Config.ini, bd.txt, ~001.xlsx, help.chm).
#pragma once

#include <string>

namespace quorvel {

// The folder of the running executable, without a trailing separator. Throws FileError when
// the executable's path cannot be read.
std::string programFolder();

}  // namespace quorvel
