// Where Config.ini, bd.txt and ~001.xlsx lie: beside the executable when its folder can be
// written (a portable program, run from its build folder or a copied folder), else in the
// user's data folder (an installed program).
#pragma once

#include <string>

namespace quorvel {

// Whether a file can be created in `folder` now: a probe file is created and removed.
// Permission bits alone say nothing for root, nor for a read-only mount.
bool folderIsWritable(const std::string& folder);

struct DataFolder {
    std::string folder;     // no trailing separator
    bool writable = false;  // false: neither folder could be written, saves will fail
};

// The program folder when it can be written; else `userDataFolder` (the desktop's data
// folder for this program), created with its parents when needed; else, when that cannot
// be written either (or is empty), the program folder, marked not writable.
DataFolder chooseDataFolder(const std::string& programFolder, const std::string& userDataFolder);

}  // namespace quorvel
