// Where the program's files lie: Config.ini, bd.txt and ~001.xlsx in one folder (the program
// folder, or the user's data folder where that cannot be written), help.chm found from the
// executable's folder.
#pragma once

#include <string>

#include "output/capacity_workbook.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "store/upright_file.h"

namespace quorvel::app {

struct ProgramFiles {
    std::string folder;         // the stored files' folder, without a trailing separator
    std::string programFolder;  // the executable's folder; empty: `folder`
    std::string settings() const { return folder + "/" + kSettingsFileName; }
    std::string grid() const { return folder + "/" + kGridFileName; }
    std::string upright() const { return folder + "/" + kUprightFileName; }
    std::string workbook() const { return folder + "/" + kWorkbookFileName; }
    const std::string& executableFolder() const {
        return programFolder.empty() ? folder : programFolder;
    }
};

}  // namespace quorvel::app
