// Forms for the tank tests: the window after start-up, with a shell filled in.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "form/memory_form.h"
#include "form/table_defaults.h"

namespace quorvel::testsupport {

// The window after its start-up steps on the given page: designed choices, table defaults,
// both heads added.
inline MemoryForm startedForm(int page) {
    MemoryForm form = MemoryForm::designed();
    applyTableDefaults(form);
    form.setItemIndex("ComboBox3", 0);
    form.setItemIndex("ComboBox4", 0);
    form.setActivePage(page);
    return form;
}

// A horizontal circular shell, both heads standard ellipsoidal.
inline MemoryForm circularForm(const std::string& d, const std::string& l) {
    MemoryForm form = startedForm(0);
    form.setText("Edit1", d);
    form.setText("Edit2", l);
    return form;
}

inline void setTexts(MemoryForm& form,
                     const std::vector<std::pair<std::string, std::string>>& texts) {
    for (const auto& [name, text] : texts) {
        form.setText(name, text);
    }
}

}  // namespace quorvel::testsupport
