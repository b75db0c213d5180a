#include "app/window_operations.h"

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "app/level_operations.h"
#include "app/range_notes.h"
#include "app/table_operations.h"
#include "app/window_rules.h"
#include "form/request_fields.h"
#include "output/window_snapshot.h"
#include "text/number_text.h"

namespace quorvel::app {

namespace {

// A level field that the request just read: its number (it converted then).
double readLevel(const WindowForm& form, std::string_view field) {
    return textToNumber(form.text(field));
}

}  // namespace

void WindowOperations::start() {
    unread_ = startUp(form_, files_, ui_);
    calibration_.forget();
    clearResult();
    oil_.clear();
}

void WindowOperations::inputChanged(std::string_view control) {
    if (resultDependsOn(control)) {
        clearResult();
    }
    oil_.inputChanged(control);
}

void WindowOperations::clearResult() {
    form_.setText(kQuickResultField, "");
    form_.setLabel(kQuickNoteLabel, "");
    form_.clearCurve();
}

void WindowOperations::close() {
    shutDown(form_, files_, ui_, unread_);
}

bool WindowOperations::generate(const WorkbookProgress& progress) {
    const std::optional<CapacityTable> table = makeTable(form_, ui_);
    if (!table) {
        return false;
    }
    WorkbookSession session;
    session.promptNote = tableNote(table->config, readLevel(form_, "Edit7"));
    session.progress = progress;
    const std::string path = files_.workbook();
    const bool saved = saveTable(*table, path, ui_, &session);
    form_.setTableLists(table->tableRows, table->weightTexts);
    if (auto curve = guarded(ui_, [&] { return std::optional(capacityCurve(*table)); })) {
        form_.showCurve(*curve, std::nullopt);
    }
    if (saved) {
        const OpenOutcome opened = session.opened.value_or(OpenOutcome::Opened);
        form_.showStatus(
            opened == OpenOutcome::Opened
                ? app_messages::workbookSavedTo(path)
                : app_messages::workbookSavedNotOpened(path, notOpenedReason(opened, ".xlsx")));
    } else if (!session.saveFailure.empty()) {
        form_.showStatus(app_messages::workbookNotSaved(path));
    }
    return saved;
}

bool WindowOperations::quick() {
    const std::optional<QuickResult> result = app::quick(form_, ui_);
    if (!result) {
        return false;
    }
    // The unit label and the note belong to the result just written.
    const bool weight = result->densityKgPerM3.has_value();
    form_.setVisible("Label46", weight);
    form_.setVisible("Label47", !weight);
    form_.setLabel(kQuickNoteLabel, quickNote(result->config, readLevel(form_, kQuickLevelField)));
    // A curve that cannot be formed leaves the area as it was.
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
    openHelp(form_, files_.executableFolder(), ui_);
}

std::string WindowOperations::snapshot(const Picture& picture) {
    return guarded(ui_,
                   [&]() -> std::optional<std::string> { return saveWindowSnapshot(picture, ui_); })
        .value_or(std::string());
}

}  // namespace quorvel::app
