// What the window does when it first becomes active and when it closes.
#pragma once

#include <optional>
#include <string>

#include "app/program_files.h"
#include "app/window_form.h"
#include "files/read_file.h"
#include "ports/ui_services.h"

namespace quorvel::app {

// Loads the settings, then the grid, from the files given. Throws the first failure; a
// failure of the settings skips the grid.
void loadStoredFiles(WindowForm& form, const std::optional<std::string>& settings,
                     const std::optional<std::string>& grid);

// Saves the settings, then the grid, to the files given, as the close writes them. Throws the
// first failure; a failure of the settings skips the grid.
void saveStoredFiles(const FieldSource& form, const GridCells& points,
                     const std::optional<std::string>& settings,
                     const std::optional<std::string>& grid);

// The start-up steps after the loads: the weight controls, the table request (its defaults
// with "默认" checked, else what the settings held: startTableRequest), the point count the
// grid shows (no change handler runs), the grid headings, both head volume lists on their add
// entries.
void finishStartUp(WindowForm& form);

// The stored files that were there at start but could not be read. The close writes over
// none of them unless the user agrees, and then keeps a copy of it first: the settings and
// the calibration points are never lost to a file that failed to load.
struct UnreadFiles {
    bool settings = false;
    bool grid = false;
    bool upright = false;  // courses.txt
    // Each as the start found it, to tell at close whether it is still that file.
    std::optional<FileStamp> settingsStamp, gridStamp, uprightStamp;
};

// FormActivate: Config.ini, then bd.txt, each loaded on its own (a file that fails does not
// keep the other from loading), then finishStartUp. A missing file
// starts empty without a word; one that exists but cannot be read is named, with why, in
// a box, and left out.
UnreadFiles startUp(WindowForm& form, const ProgramFiles& files, UiServices& ui);

// FormClose: saves the settings, then the grid, each on its own; a save that fails is named,
// with why, in a box, and leaves its file as it was. A file in `unread` that is a regular
// file is written over only when the user says Yes to a question, after a copy of it was
// kept beside it (NAME.bak, NAME.bak2, ...); the question says whether it is still the file
// the start could not read. One that is not a regular file (a FIFO, a device) is left alone
// without a word, as the start said.
void shutDown(WindowForm& form, const ProgramFiles& files, UiServices& ui,
              const UnreadFiles& unread);

}  // namespace quorvel::app
