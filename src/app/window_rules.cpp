#include "app/window_rules.h"

#include <exception>
#include <filesystem>

#include "app/app_messages.h"
#include "form/head_kinds.h"
#include "form/request_fields.h"
#include "form/table_defaults.h"
#include "platform/help_file.h"
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

void makeBothHeadsFlat(WindowForm& form) {
    const HeadKindInfo& flat = headKindInfo(HeadKind::Flat);
    form.setChecked(flat.leftRadio, true);
    form.setChecked(flat.rightRadio, true);
}

bool ellipticalChosen(const WindowForm& form) {
    return form.checked("RadioButton2");
}

}  // namespace

void sectionClicked(WindowForm& form) {
    makeBothHeadsFlat(form);
    allowCircularOnlyKinds(form, !ellipticalChosen(form));
}

void shellPageChanged(WindowForm& form, int page) {
    const bool headsUsed = page == 0 || page == 1;
    form.setEnabled(kLeftHeadBox, headsUsed);
    form.setEnabled(kRightHeadBox, headsUsed);
    if (!headsUsed) {
        return;
    }
    makeBothHeadsFlat(form);
    allowCircularOnlyKinds(form, page == 0 && !ellipticalChosen(form));
    form.showPicturePage(page == 0 ? kPicturesOneToEight : kPicturesTilted);
}

void defaultsClicked(WindowForm& form) {
    applyTableDefaults(form);
    const bool editable = !form.checked("CheckBox2");
    for (const RequestField& field : kTableRequestFields) {
        form.setEnabled(field.name, editable);
    }
}

void ShowWeightLabel(WindowForm& form) {
    const bool weight = form.checked("CheckBox1");
    form.setVisible("Edit37", weight);
    form.setVisible("ComboBox1", weight);
    form.setVisible("Label46", weight);
    form.setVisible("Label47", !weight);
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
        CheckNumberText(form.text("Edit37"), ui);
    } catch (const std::exception&) {
        // The check only informs; the text stays as typed.
    }
}

void openHelp(const std::string& programFolder, UiServices& ui) {
    const std::string path = helpFilePath(programFolder);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !ui.openDocument(path)) {
        ui.showMessage(app_messages::kHelpMissing);
    }
}

}  // namespace quorvel::app
