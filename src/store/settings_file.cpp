#include "store/settings_file.h"

#include <optional>
#include <vector>

#include "files/file_error.h"
#include "files/save_target.h"
#include "form/controls.h"
#include "store/ini_file.h"
#include "text/blank.h"
#include "text/integer_text.h"

namespace quorvel {
namespace {

// An edit holding nothing but blanks (spaces and control characters) is stored as "0".
std::string editValue(std::string text) {
    return isBlankText(text) ? "0" : text;
}

bool readsAsChecked(const std::optional<std::string>& value) {
    if (!value)
        return false;
    std::optional<std::int32_t> n = parseIntegerText(*value);
    return n && *n != 0;
}

// `old`: the value stored now, if any.
std::string storedValue(const FieldSource& form, const ControlInfo& control,
                        const std::optional<StoredText>& old) {
    switch (control.kind) {
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: {
            const bool checked = form.checked(control.name);
            // Bytes that are no text, read as the box is set: the user did not touch it.
            if (old && !old->exact && readsAsChecked(old->text) == checked)
                return old->text;
            return checked ? "1" : "0";
        }
        case ControlKind::Edit:
        case ControlKind::List:
            break;
    }
    return editValue(form.text(control.name));
}

// A control added after the first 73 is written once it holds something (a list: an entry
// other than its first, the designed one), or when the file has its key already (so emptying
// it or going back is stored); an empty edit stays empty.
std::optional<std::string> addedValue(const FieldSource& form, const ControlInfo& control,
                                      bool keyExists) {
    const bool isBox =
        control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton;
    std::string value = isBox ? (form.checked(control.name) ? "1" : "") : form.text(control.name);
    if (isBlankText(value)) {
        value.clear();
    }
    const bool designed = value.empty() || (control.kind == ControlKind::List &&
                                            value == listEntries(control.name).front());
    if (designed && !keyExists) {
        return std::nullopt;
    }
    if (isBox && value.empty()) {
        return std::string(1, '0');  // built, not assigned: GCC 12 misreads the assignment
    }
    return value;
}

std::string describeUnstored(const std::string& path,
                             const std::vector<ValuesNotStored::Value>& values) {
    std::string what = "cannot store";
    for (const ValuesNotStored::Value& v : values) {
        what.append(&v == values.data() ? " " : ", ")
            .append(v.key)
            .append(v.why == UnstorableValue::LineBreak ? " (a line break or NUL)"
                                                        : " (not UTF-8 text)");
    }
    return what + " in " + path + "; every other value was saved";
}

}  // namespace

ValuesNotStored::ValuesNotStored(const std::string& path, std::vector<Value> values)
    : FileError(describeUnstored(path, values), path), values_(std::move(values)) {}

void SaveSettings(const FieldSource& form, const std::string& path, SaveOver over) {
    checkSavePath(path);  // a FIFO would not even be read
    IniFile file(path, over == SaveOver::ReadableFile);
    file.writeString(kSettingsSection, kVersionKey, kVersionValue);
    file.writeString(kSettingsSection, kModuleKey, kWindowCaption);
    std::vector<ValuesNotStored::Value> unstored;
    for (const ControlInfo& control : storedControls()) {
        const std::optional<StoredText> old = file.readValue(kSettingsSection, control.name);
        const std::optional<std::string> value = control.storedWhenSet
                                                     ? addedValue(form, control, old.has_value())
                                                     : storedValue(form, control, old);
        if (!value) {
            continue;
        }
        if (const std::optional<UnstorableValue> why = whyUnstorable(*value)) {
            unstored.push_back({std::string(control.name), *why});
            continue;
        }
        file.writeString(kSettingsSection, control.name, *value);
    }
    file.save();
    if (!unstored.empty()) {
        throw ValuesNotStored(path, std::move(unstored));
    }
}

void LoadSettings(FieldSource& form, const std::string& path) {
    // Read whole before any control changes, so a file that cannot be read changes nothing.
    const IniFile file(path);
    std::vector<std::optional<std::string>> values(storedControls().size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = file.readString(kSettingsSection, storedControls()[i].name);
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const ControlInfo& control = storedControls()[i];
        switch (control.kind) {
            case ControlKind::Edit:
            case ControlKind::List:
                // A list with fixed entries chooses the equal entry, if there is one.
                form.setText(control.name, values[i].value_or(""));
                break;
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                // Turning a radio button on turns the others of its group off, so the last
                // checked one in file order wins; turning one off chooses no other.
                form.setChecked(control.name, readsAsChecked(values[i]));
                break;
        }
    }
}

}  // namespace quorvel
