#include "app/window_rules.h"

#include <array>
#include <exception>
#include <filesystem>

#include "platform/help_file.h"
#include "tank/density.h"
#include "tank/head_fields.h"
#include "tank/table_defaults.h"

namespace quorvel::app {
namespace {

// The head kinds only a circular horizontal shell has.
constexpr std::array<HeadKind, 5> kCircularOnly{
    HeadKind::Conical, HeadKind::Frustum, HeadKind::StandardDished, HeadKind::NonStandardDished,
    HeadKind::Hemispherical};

constexpr std::array<std::string_view, 8> kTableFields{"Edit6",  "Edit7",  "Edit8",  "Edit9",
                                                       "Edit13", "Edit31", "Edit32", "Edit33"};

void allowCircularOnlyKinds(WindowForm& form, bool on) {
    for (HeadKind kind : kCircularOnly) {
        const HeadKindInfo& info = headKindInfo(kind);
        form.setEnabled(info.leftRadio, on);
        form.setEnabled(info.rightRadio, on);
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
    for (std::string_view name : kTableFields) {
        form.setEnabled(name, editable);
    }
}

void ShowWeightLabel(WindowForm& form) {
    const bool weight = form.checked("CheckBox1");
    form.setVisible("Edit37", weight);
    form.setVisible("ComboBox1", weight);
    form.setVisible("Label46", weight);
    form.setVisible("Label47", !weight);
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
        ui.showMessage(kHelpMissing);
    }
}

}  // namespace quorvel::app
