#include "cli/form_edits.h"

#include <algorithm>

#include "app/start_and_close.h"
#include "app/window_rules.h"
#include "cli/cli_messages.h"
#include "form/calibration_grid.h"
#include "form/controls.h"
#include "form/fields.h"
#include "form/input_filter.h"

namespace quorvel::cli {
namespace {

void chooseEntry(MemoryForm& form, std::string_view list, const std::string& text) {
    const auto& entries = listEntries(list);
    auto it = std::find(entries.begin(), entries.end(), text);
    if (it == entries.end()) {
        throw UsageError(cli_messages::noListEntry(list, text));
    }
    const int index = static_cast<int>(it - entries.begin());
    form.setItemIndex(list, index);
    if (list == kPointCountList) {
        // Picking a point count reshapes the grid, as the window's list does.
        choosePointCount(form.grid(), index + 2);
    }
}

void setControl(MemoryForm& form, const FormEdit& edit) {
    const ControlInfo* info = findControl(edit.name);
    if (info == nullptr) {
        throw UsageError(cli_messages::unknownControl(edit.name));
    }
    // No field holds a line break: one typed goes nowhere, as in the window.
    const std::string text = filtered(FilterKind::OneLine, edit.value);
    switch (info->kind) {
        case ControlKind::Edit:
            form.setText(edit.name, text);
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            if (edit.value != "1" && edit.value != "0") {
                throw UsageError(cli_messages::takesOneOrZero(edit.name, edit.value));
            }
            form.setChecked(edit.name, edit.value == "1");
            break;
        case ControlKind::List:
            if (listIsFixed(edit.name)) {
                chooseEntry(form, edit.name, edit.value);
            } else {
                form.setText(edit.name, text);
            }
            break;
    }
}

void setCell(MemoryForm& form, const FormEdit& edit) {
    const TextGrid& grid = form.grid();
    if (edit.col < 1 || edit.row < 1) {
        throw UsageError(cli_messages::cellIsNoPoint(edit.col, edit.row));
    }
    if (edit.col >= grid.colCount() || edit.row >= grid.rowCount()) {
        throw UsageError(
            cli_messages::cellOutsideGrid(edit.col, edit.row, grid.colCount(), grid.rowCount()));
    }
    form.grid().setCell(edit.col, edit.row, edit.value);
}

}  // namespace

app::MemoryWindow designedWindow() {
    app::MemoryWindow window;
    app::defaultsClicked(window);
    return window;
}

MemoryForm startingForm() {
    app::MemoryWindow window = designedWindow();
    app::finishStartUp(window);
    return window.form();
}

void applyEdit(MemoryForm& form, const FormEdit& edit) {
    if (edit.kind == FormEdit::Kind::Cell) {
        setCell(form, edit);
    } else if (edit.kind == FormEdit::Kind::Append) {
        const std::string held = form.text(edit.name);
        form.setText(edit.name, held.empty() ? edit.value : held + ";" + edit.value);
    } else {
        setControl(form, edit);
    }
}

}  // namespace quorvel::cli
