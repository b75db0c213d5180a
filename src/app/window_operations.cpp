#include "app/window_operations.h"

#include "app/window_rules.h"
#include "output/generate_table.h"
#include "output/window_snapshot.h"
#include "tank/quick_calculation.h"

namespace quorvel::app {

void WindowOperations::start() {
    startUp(form_, files_);
    calibration_.forget();
}

void WindowOperations::close() {
    shutDown(form_, files_);
}

bool WindowOperations::generate(const WorkbookProgress& progress) {
    std::optional<GeneratedTable> result =
        generateCapacityTable(form_, ui_, files_.workbook(), progress);
    if (!result) {
        return false;
    }
    form_.setTableLists(result->table.tableRows, result->table.weightTexts);
    return result->saved;
}

bool WindowOperations::quick() {
    return quickCalculation(form_, ui_);
}

void WindowOperations::defaultsClicked() {
    app::defaultsClicked(form_);
}

void WindowOperations::sectionClicked() {
    app::sectionClicked(form_);
}

void WindowOperations::shellPageChanged(int page) {
    app::shellPageChanged(form_, page);
}

void WindowOperations::weightSwitchClicked() {
    ShowWeightLabel(form_);
}

void WindowOperations::densityChanged() {
    app::densityChanged(form_, ui_);
}

void WindowOperations::help() {
    openHelp(files_.folder, ui_);
}

std::string WindowOperations::snapshot(const Picture& picture) {
    return saveWindowSnapshot(picture, ui_);
}

}  // namespace quorvel::app
