#include "app/window_operations.h"

#include "app/error_boundary.h"
#include "app/level_operations.h"
#include "app/table_operations.h"
#include "app/window_rules.h"
#include "output/window_snapshot.h"

namespace quorvel::app {

void WindowOperations::start() {
    unread_ = startUp(form_, files_, ui_);
    calibration_.forget();
}

void WindowOperations::close() {
    shutDown(form_, files_, ui_, unread_);
}

bool WindowOperations::generate(const WorkbookProgress& progress) {
    const std::optional<CapacityTable> table = makeTable(form_, ui_);
    if (!table) {
        return false;
    }
    const bool saved = saveTable(*table, files_.workbook(), ui_, nullptr, progress);
    form_.setTableLists(table->tableRows, table->weightTexts);
    if (auto curve = guarded(ui_, [&] { return std::optional(capacityCurve(*table)); })) {
        form_.showCurve(*curve, std::nullopt);
    }
    return saved;
}

bool WindowOperations::quick() {
    const std::optional<QuickResult> result = app::quick(form_, ui_);
    if (!result) {
        return false;
    }
    // The result is already written; a curve that cannot be formed leaves the last one.
    if (auto curve = tankCurve(result->config, kQuickCurvePoints, result->densityKgPerM3,
                               Method::Classic, ui_)) {
        form_.showCurve(*curve, CurvePoint{result->level, result->value});
    }
    return true;
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
    return guarded(ui_,
                   [&]() -> std::optional<std::string> { return saveWindowSnapshot(picture, ui_); })
        .value_or(std::string());
}

}  // namespace quorvel::app
