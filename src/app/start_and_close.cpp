#include "app/start_and_close.h"

#include <exception>

#include "app/window_rules.h"
#include "form/calibration_grid.h"
#include "store/grid_file.h"
#include "store/settings_file.h"

namespace quorvel::app {

void loadStoredFiles(WindowForm& form, const std::optional<std::string>& settings,
                     const std::optional<std::string>& grid) {
    if (settings) {
        LoadSettings(form, *settings);
    }
    if (grid) {
        LoadStringGrid(form.grid(), *grid);
    }
}

void finishStartUp(WindowForm& form, TableRequest request) {
    ShowWeightLabel(form);
    if (request == TableRequest::Defaults) {
        defaultsClicked(form);
    }
    form.setItemIndex("ComboBox2", pointCountIndexForRows(form.grid().rowCount()));
    writeGridHeadings(form.grid());
    form.setItemIndex("ComboBox3", 0);
    form.setItemIndex("ComboBox4", 0);
}

void startUp(WindowForm& form, const ProgramFiles& files) {
    try {
        loadStoredFiles(form, files.settings(), files.grid());
    } catch (const std::exception&) {
        // A missing or damaged file starts the window with what was read so far.
    }
    finishStartUp(form, TableRequest::Defaults);
}

void shutDown(WindowForm& form, const ProgramFiles& files) {
    try {
        SaveSettings(form, files.settings());
        SaveStringGrid(form.grid(), files.grid());
    } catch (const std::exception&) {
        // Nothing can be shown while the window closes; the files written are whole.
    }
}

}  // namespace quorvel::app
