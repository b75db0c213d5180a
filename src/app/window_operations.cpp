#include "app/window_operations.h"

#include <exception>

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
    showCurve([&] { return capacityCurve(result->table); }, std::nullopt);
    return result->saved;
}

bool WindowOperations::quick() {
    const std::optional<QuickResult> result = quickCalculate(form_, ui_);
    if (!result) {
        return false;
    }
    showCurve(
        [&] { return capacityCurve(result->config, kQuickCurvePoints, result->densityKgPerM3); },
        CurvePoint{result->level, result->value});
    return true;
}

template <class MakeCurve>
void WindowOperations::showCurve(MakeCurve&& make, std::optional<CurvePoint> mark) {
    // The result is already written; a curve that cannot be formed leaves the last one.
    try {
        form_.showCurve(make(), mark);
    } catch (const std::exception& e) {
        ui_.showError(e.what());
    }
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
    openHelp(files_.executableFolder(), ui_);
}

std::string WindowOperations::snapshot(const Picture& picture) {
    return saveWindowSnapshot(picture, ui_);
}

}  // namespace quorvel::app
