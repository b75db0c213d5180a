#include "form/memory_form.h"

#include <algorithm>
#include <stdexcept>

#include "form/controls.h"
#include "form/method_controls.h"

namespace quorvel {
namespace {

const ControlInfo& requireControl(std::string_view name, ControlKind kind) {
    const ControlInfo* info = findControl(name);
    if (info == nullptr) {
        throw std::invalid_argument("unknown control " + std::string(name));
    }
    bool fits = info->kind == kind ||
                (kind == ControlKind::CheckBox && info->kind == ControlKind::RadioButton);
    if (!fits) {
        throw std::invalid_argument("control " + std::string(name) + " is not of that kind");
    }
    return *info;
}

int entryIndex(std::string_view list, std::string_view text) {
    const auto& entries = listEntries(list);
    auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
}

}  // namespace

MemoryForm::MemoryForm() {
    for (const ControlInfo& c : storedControls()) {
        switch (c.kind) {
            case ControlKind::Edit:
                texts_[std::string(c.name)] = "";
                break;
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                checks_[std::string(c.name)] = false;
                break;
            case ControlKind::List:
                if (listIsFixed(c.name)) {
                    chosen_[std::string(c.name)] = -1;
                } else {
                    texts_[std::string(c.name)] = "";
                }
                break;
        }
    }
}

MemoryForm MemoryForm::designed() {
    MemoryForm form;
    form.setChecked("RadioButton1", true);
    form.setChecked("RadioButton7", true);
    form.setChecked("RadioButton22", true);
    form.setText("ComboBox1", "单位");
    form.setItemIndex(kMethodList, 0);
    return form;
}

std::string MemoryForm::text(std::string_view control) const {
    if (auto it = texts_.find(control); it != texts_.end()) {
        return it->second;
    }
    if (auto it = chosen_.find(control); it != chosen_.end()) {
        const auto& entries = listEntries(control);
        return it->second < 0 ? std::string() : entries[static_cast<size_t>(it->second)];
    }
    return {};
}

bool MemoryForm::checked(std::string_view control) const {
    auto it = checks_.find(control);
    return it != checks_.end() && it->second;
}

int MemoryForm::itemIndex(std::string_view control) const {
    if (auto it = chosen_.find(control); it != chosen_.end()) {
        return it->second;
    }
    if (auto it = texts_.find(control); it != texts_.end()) {
        return entryIndex(control, it->second);
    }
    return -1;
}

void MemoryForm::setText(std::string_view control, std::string_view text) {
    const ControlInfo* info = findControl(control);
    if (info == nullptr || (info->kind != ControlKind::Edit && info->kind != ControlKind::List)) {
        throw std::invalid_argument("control " + std::string(control) + " holds no text");
    }
    if (auto it = chosen_.find(control); it != chosen_.end()) {
        if (int index = entryIndex(control, text); index >= 0) {
            it->second = index;
        }
        return;
    }
    texts_.find(control)->second = std::string(text);
}

void MemoryForm::setChecked(std::string_view control, bool on) {
    const ControlInfo& info = requireControl(control, ControlKind::CheckBox);
    if (on && info.kind == ControlKind::RadioButton) {
        for (const ControlInfo& other : storedControls()) {
            if (other.kind == ControlKind::RadioButton && other.group == info.group) {
                checks_.find(other.name)->second = false;
            }
        }
    }
    checks_.find(control)->second = on;
}

void MemoryForm::setItemIndex(std::string_view control, int index) {
    const ControlInfo& info = requireControl(control, ControlKind::List);
    const auto& entries = listEntries(info.name);
    if (index < -1 || index >= static_cast<int>(entries.size())) {
        throw std::out_of_range("no entry " + std::to_string(index) + " in " +
                                std::string(control));
    }
    if (auto it = chosen_.find(control); it != chosen_.end()) {
        it->second = index;
    } else {
        texts_.find(control)->second =
            index < 0 ? std::string() : entries[static_cast<size_t>(index)];
    }
}

}  // namespace quorvel
