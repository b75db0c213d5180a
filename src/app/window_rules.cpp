#include "app/window_rules.h"

#include <exception>
#include <filesystem>
#include <fstream>

#include "app/app_messages.h"
#include "form/fields.h"
#include "form/head_kinds.h"
#include "form/request_fields.h"
#include "form/table_defaults.h"
#include "platform/help_file.h"
#include "tank/shell_kinds.h"
#include "text/number_text.h"

namespace quorvel::app {
namespace {

void allowCircularOnlyKinds(WindowForm& form, bool on) {
    for (const HeadKindInfo& info : headKinds()) {
        if (info.circularOnly) {
            form.setEnabled(info.leftRadio, on);
            form.setEnabled(info.rightRadio, on);
        }
    }
}

// No disabled kind stays chosen: a head whose kind only a circular shell has becomes flat
// where those kinds are not allowed. A kind still allowed stays, and a side without a kind
// keeps none (the reader then asks for one).
void flattenDisallowedHeads(WindowForm& form, bool circularKindsAllowed) {
    std::string said;
    for (HeadSide side : {HeadSide::Left, HeadSide::Right}) {
        const HeadKindInfo* chosen = chosenHeadKind(form, side);
        if (chosen == nullptr || !chosen->circularOnly || circularKindsAllowed) {
            continue;
        }
        form.setChecked(radioOn(headKindInfo(HeadKind::Flat), side), true);
        said += (said.empty() ? "" : "；") +
                app_messages::headMadeFlat(side == HeadSide::Left, chosen->name);
    }
    if (!said.empty()) {
        form.showStatus(said);
    }
}

bool ellipticalChosen(const WindowForm& form) {
    return form.checked(kEllipticalChoice);
}

}  // namespace

std::optional<int> shellPageOf(std::string_view word) {
    for (const ShellKindInfo& shell : shellKinds()) {
        if (shell.word == word) {
            return shell.page;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> shellWords() {
    std::vector<std::string_view> words;
    for (const ShellKindInfo& shell : shellKinds()) {
        words.push_back(shell.word);
    }
    return words;
}

void sectionClicked(WindowForm& form) {
    const bool circular = !ellipticalChosen(form);
    flattenDisallowedHeads(form, circular);
    allowCircularOnlyKinds(form, circular);
}

void shellPageChanged(WindowForm& form, int page) {
    const bool headsUsed = page == 0 || page == 1;
    form.setEnabled(kLeftHeadBox, headsUsed);
    form.setEnabled(kRightHeadBox, headsUsed);
    if (!headsUsed) {
        return;
    }
    const bool circular = page == 0 && !ellipticalChosen(form);
    flattenDisallowedHeads(form, circular);
    allowCircularOnlyKinds(form, circular);
    form.showPicturePage(page == 0 ? kPicturesOneToEight : kPicturesTilted);
}

void defaultsClicked(WindowForm& form) {
    applyTableDefaults(form);
    const bool editable = !form.checked(kDefaultsSwitch);
    for (const RequestField& field : kTableRequestFields) {
        form.setEnabled(field.name, editable);
    }
}

void startTableRequest(WindowForm& form) {
    if (form.checked(kDefaultsSwitch)) {
        defaultsClicked(form);
        return;
    }
    for (const RequestField& field : kTableRequestFields) {
        if (form.text(field.name).empty()) {
            form.setText(field.name, field.defaultText);
        }
        form.setEnabled(field.name, true);
    }
}

void ShowWeightLabel(WindowForm& form) {
    const bool weight = form.checked(kWeightsSwitch);
    form.setVisible(kDensityField, weight);
    form.setVisible(kDensityUnitList, weight);
    form.setVisible(kKilogramsLabel, weight);
    form.setVisible(kLitresLabel, !weight);
}

bool CheckNumberText(std::string_view text, UiServices& ui) {
    if (isNumberText(text)) {
        return true;
    }
    ui.showMessage(app_messages::kNotANumber);
    return false;
}

void densityChanged(const WindowForm& form, UiServices& ui) {
    try {
        CheckNumberText(form.text(kDensityField), ui);
    } catch (const std::exception&) {
        // The check only informs; the text stays as typed.
    }
}

bool resultDependsOn(std::string_view control) {
    return (effectsOf(control) & kQuickResult) != 0;
}

std::string notOpenedReason(OpenOutcome outcome, std::string_view suffix) {
    return outcome == OpenOutcome::NoProgram ? app_messages::noProgramFor(suffix)
                                             : std::string(app_messages::kOpenerFailed);
}

namespace {

// A compiled help file begins with the signature "ITSF".
bool isCompiledHelp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char signature[4] = {};
    return in.read(signature, sizeof signature) && std::string_view(signature, 4) == "ITSF";
}

}  // namespace

void openHelp(WindowForm& form, const std::string& programFolder, UiServices& ui) {
    const std::string path = helpFilePath(programFolder);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !isCompiledHelp(path)) {
        ui.showMessage(app_messages::kHelpMissing);
        return;
    }
    if (const OpenOutcome outcome = ui.openDocument(path); outcome != OpenOutcome::Opened) {
        form.showStatus(app_messages::helpNotOpened(path, notOpenedReason(outcome, ".chm")));
    }
}

}  // namespace quorvel::app
