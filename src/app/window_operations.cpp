#include "app/window_operations.h"

#include "app/app_messages.h"
#include "app/error_boundary.h"
#include "app/level_operations.h"
#include "app/method_operations.h"
#include "app/range_notes.h"
#include "app/table_documents.h"
#include "app/table_job.h"
#include "app/window_rules.h"
#include "form/fields.h"
#include "form/method_controls.h"
#include "form/output_units.h"
#include "form/request_fields.h"
#include "output/window_snapshot.h"
#include "tank/density.h"
#include "text/blank.h"
#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel::app {

void WindowOperations::start() {
    unread_ = startUp(form_, files_, ui_);
    calibration_.forget();
    showQuantityUnit(form_);
    clearResult();
    clearLevelAnswer();
    oil_.clear();
}

void WindowOperations::tankLoaded() {
    calibration_.forget();
    showQuantityUnit(form_);
    clearResult();
    clearLevelAnswer();
    oil_.clear();
}

void WindowOperations::inputChanged(std::string_view control) {
    // Each answer, and the curve of the last one, belongs to the inputs it was computed from.
    if (resultDependsOn(control)) {
        form_.setText(kQuickResultField, "");
        form_.setLabel(kQuickNoteLabel, "");
        if (!curveOfLevelAnswer_) {
            form_.clearCurve();
        }
    }
    if (levelAnswerDependsOn(control)) {
        clearLevelAnswer();
    }
    oil_.inputChanged(control);
}

void WindowOperations::clearResult() {
    form_.setText(kQuickResultField, "");
    form_.setLabel(kQuickNoteLabel, "");
    form_.clearCurve();
}

void WindowOperations::clearLevelAnswer() {
    form_.setLabel(kLevelAnswerLabel, "");
    form_.setVisible(kLevelAnswerUnit, false);
    if (curveOfLevelAnswer_) {
        form_.clearCurve();
    }
}

void WindowOperations::levelTyped() {
    if (!form_.text(kUllageField).empty()) {
        form_.setText(kUllageField, "");
    }
}

void WindowOperations::showAnswerCurve(const TankConfig& config,
                                       std::optional<double> densityKgPerM3, CurvePoint answer,
                                       bool levelAnswer) {
    // A curve that cannot be formed leaves the area as it was.
    if (auto made = answerCurve(config, kQuickCurvePoints, densityKgPerM3, chosenMethod(form_),
                                answer, ui_, levelDecimals(form_))) {
        form_.showCurve(made->curve, answer);
        form_.showComparison(made->comparison.trueGeometry, made->comparison.text);
        curveOfLevelAnswer_ = levelAnswer;
    }
}

void WindowOperations::close() {
    shutDown(form_, files_, ui_, unread_);
}

bool WindowOperations::generate(const WorkbookProgress& progress) {
    std::optional<WindowTable> made = makeWindowTable(form_, ui_, chosenMethod(form_));
    if (!made) {
        return false;
    }
    TableJob& job = made->job;
    WorkbookSession session;
    session.promptNote = tableNotes(job.config(), form_);
    session.progress = progress;
    const std::string path = files_.workbook();
    const bool saved = job.saveWorkbook(path, {true, &session});
    form_.setTableLists(job.held().tableRows, job.held().weightTexts);
    madeTable_ = job.digest();
    if (auto curve = job.rowsCurve()) {
        form_.showCurve(*curve, std::nullopt);
        form_.showComparison(made->comparison.trueGeometry, made->comparison.text);
        curveOfLevelAnswer_ = false;
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
    const Method method = chosenMethod(form_);
    const std::optional<QuickResult> result =
        ullageGiven(form_) ? quickAtUllage(form_, ui_, method) : app::quick(form_, ui_, method);
    if (!result) {
        return false;
    }
    // The unit label and the note belong to the result just written.
    const bool weight = result->densityKgPerM3.has_value();
    form_.setVisible(kKilogramsLabel, weight);
    form_.setVisible(kLitresLabel, !weight);
    // In the units chosen ("单位"): 公斤 and 升 by default, as designed.
    form_.setLabel(kKilogramsLabel, result->config.units.mass->name);
    form_.setLabel(kLitresLabel, result->config.units.volume->name);
    form_.setLabel(kQuickNoteLabel, app_messages::withUncertainty(
                                        result->uncertaintyText, weight,
                                        quickNotes(result->config, result->askedLevel, form_)));
    showAnswerCurve(result->config, result->densityKgPerM3, {result->level, result->value}, false);
    return true;
}

bool WindowOperations::findLevel() {
    const std::string text = form_.text(kQuantityField);
    if (isBlankText(text)) {
        ui_.showMessage(app_messages::kQuantityMissing);
        return false;
    }
    const std::optional<double> value =
        guarded(ui_, [&] { return std::optional(textToNumber(text)); });
    if (!value) {
        return false;
    }
    const std::optional<LevelAnswer> answer = levelAnswer(
        form_, ui_, QuantityAsked{*value, form_.checked(kWeightsSwitch)}, chosenMethod(form_));
    if (!answer) {
        return false;
    }
    form_.setLabel(kLevelAnswerLabel, levelAnswerText(form_, answer->level));
    form_.setLabel(kLevelAnswerUnit, readOutputUnits(form_).length->name);
    form_.setVisible(kLevelAnswerUnit, true);
    showAnswerCurve(answer->config, answer->densityKgPerM3, {answer->level, *value}, true);
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
    showQuantityUnit(form_);
}

void WindowOperations::densityChanged() {
    app::densityChanged(form_, ui_);
}

void WindowOperations::help() {
    openHelp(form_, files_.executableFolder(), ui_);
}

bool WindowOperations::documentTableAgreed(const TableJob& table) {
    return !madeTable_ || *madeTable_ == table.digest() ||
           ui_.messageBox(app_messages::kTableChangedQuestion, app_messages::kStoredFilesCaption,
                          MessageButtons::YesNo, MessageIcon::Warning) == MessageAnswer::Yes;
}

std::string WindowOperations::saveTableAs(std::string_view today) {
    const SavedDocument saved =
        app::saveTableAs(form_, ui_, today, chosenMethod(form_),
                         [this](const TableJob& t) { return documentTableAgreed(t); });
    if (!saved.path.empty()) {
        form_.showStatus(saved.written ? app_messages::tableSavedAs(saved.path)
                                       : app_messages::workbookNotSaved(saved.path));
    }
    return saved.written ? saved.path : std::string();
}

std::string WindowOperations::saveTablePdf(std::string_view today) {
    const SavedDocument saved =
        app::saveTablePdfAs(form_, ui_, today, chosenMethod(form_),
                            [this](const TableJob& t) { return documentTableAgreed(t); });
    if (saved.path.empty()) {
        return {};
    }
    if (!saved.written) {
        form_.showStatus(app_messages::pdfNotSaved(saved.path));
        return {};
    }
    const OpenOutcome opened = ui_.openDocument(saved.path);
    form_.showStatus(
        opened == OpenOutcome::Opened
            ? app_messages::pdfSavedTo(saved.path)
            : app_messages::pdfSavedNotOpened(saved.path, notOpenedReason(opened, ".pdf")));
    return saved.path;
}

std::optional<TableJob> WindowOperations::tableToPrint() {
    // Held: the preview lays the pages out again as it is scrolled.
    std::optional<TableJob> job = TableJob::read(form_, ui_, chosenMethod(form_), true);
    if (!job || !job->walk(RowKeeping::Held) || !documentTableAgreed(*job)) {
        return std::nullopt;
    }
    return job;
}

std::string WindowOperations::snapshot(const Picture& picture) {
    return guarded(ui_,
                   [&]() -> std::optional<std::string> { return saveWindowSnapshot(picture, ui_); })
        .value_or(std::string());
}

}  // namespace quorvel::app
