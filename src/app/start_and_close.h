// What the window does when it first becomes active and when it closes.
#pragma once

#include <optional>
#include <string>

#include "app/program_files.h"
#include "app/window_form.h"

namespace quorvel::app {

// Whether the start-up steps put the table request back to its defaults (the window) or
// keep what the settings held (the headless front end's documented choice).
enum class TableRequest { Defaults, Keep };

// Loads the settings, then the grid, from the files given. Throws the first failure; a
// failure of the settings skips the grid.
void loadStoredFiles(WindowForm& form, const std::optional<std::string>& settings,
                     const std::optional<std::string>& grid);

// The start-up steps after the loads: the weight controls, the table defaults, the point
// count the grid shows (no change handler runs), the grid headings, both head volume lists
// on their add entries.
void finishStartUp(WindowForm& form, TableRequest request);

// FormActivate: Config.ini and bd.txt from the program folder, their failures ignored
// silently, then finishStartUp with the table defaults.
void startUp(WindowForm& form, const ProgramFiles& files);

// FormClose: saves the settings, then the grid; a failure is ignored silently, and a
// failure of the settings skips the grid.
void shutDown(WindowForm& form, const ProgramFiles& files);

}  // namespace quorvel::app
