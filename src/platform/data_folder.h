// Where Config.ini, bd.txt and ~001.xlsx lie: beside the executable when its folder can be
// written (a portable program, run from its build folder or a copied folder), else in the
// user's data folder (an installed program).
#pragma once

#include <string>

namespace quorvel {

// Whether a file can be created in `folder` now: a probe file of a new name
// (".quorvel-probe-" and six letters or digits) is created and removed. Permission bits
// alone say nothing for root, nor for a read-only mount; a probe left behind by a killed run
// does not matter, as each run makes a name of its own.
bool folderIsWritable(const std::string& folder);

// The user's data folder for a program named `program` by the XDG Base Directory rules:
// $XDG_DATA_HOME/program when XDG_DATA_HOME is an absolute path (a relative one is ignored,
// as the rules say), else $HOME/.local/share/program ($HOME when absolute, else the home
// folder of the user's account). Empty when no home folder is known. Bytes as the system
// gives them: a name that is not UTF-8 stays as it is.
std::string userDataFolder(const std::string& program);

struct DataFolder {
    std::string folder;     // no trailing separator
    bool writable = false;  // false: neither folder could be written, saves will fail
};

// The program folder when it can be written and does not lie under /usr (the system's own
// programs, which no program writes into by the Filesystem Hierarchy Standard, 4.1 — not
// even when root, who can, runs it); else `userDataFolder` (the desktop's data folder for
// this program), created with its parents when needed; else, when that cannot be written
// either (or is empty), the program folder, marked not writable.
DataFolder chooseDataFolder(const std::string& programFolder, const std::string& userDataFolder);

}  // namespace quorvel
