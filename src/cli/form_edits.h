// The form the headless front end computes from: the window as it stands after start-up,
// changed by the command line's edits.
#pragma once

#include "app/memory_window.h"
#include "cli/table_options.h"
#include "form/memory_form.h"

namespace quorvel::cli {

// The window as designed ("图七 水平正直圆柱体" and both "图一 标准椭圆封头(只选中)" chosen)
// with the table defaults, before any file is loaded: a settings file then replaces the
// table request, which the front end keeps.
app::MemoryWindow designedWindow();

// The designed window after the start-up steps without files: both head lists on their add
// entries, the grid headings written.
MemoryForm startingForm();

// Applies one edit as a person would in the window: a text loses its line breaks, as a
// pasted one does in a field of one line. Throws UsageError for an unknown control,
// a check value other than 1 or 0, a list entry that does not exist, or a cell that is fixed
// or outside the grid.
void applyEdit(MemoryForm& form, const FormEdit& edit);

}  // namespace quorvel::cli
