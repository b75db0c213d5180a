#include "store/tank_file.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include <nlohmann/json.hpp>

#include "files/atomic_file.h"
#include "files/read_file.h"
#include "form/controls.h"
#include "store/grid_file.h"
#include "store/ini_file.h"
#include "store/store_messages.h"
#include "store/upright_file.h"

namespace quorvel {
namespace {

namespace msg = store_messages;
using Json = nlohmann::ordered_json;

constexpr const char* kFormatKey = "format";
constexpr const char* kVersionKey = "version";
constexpr const char* kShellKey = "shell";
constexpr const char* kControlsKey = "controls";
constexpr const char* kGridKey = "grid";
// An upright tank's rows, as courses.txt holds them: written only when there are any, so every
// other tank's file is as before.
constexpr const char* kUprightKey = "upright";
constexpr const char* kCoursesKey = "courses";
constexpr const char* kDeadwoodKey = "deadwood";

// Rows of `width` texts each, at most kMaxUprightRows of them; a fault appended otherwise.
template <std::size_t width>
std::vector<std::array<std::string, width>> uprightRowsOf(const Json& upright, const char* key,
                                                          std::vector<std::string>& faults) {
    std::vector<std::array<std::string, width>> rows;
    const auto at = upright.find(key);
    if (at == upright.end()) {
        return rows;
    }
    bool sound = at->is_array() && at->size() <= kMaxUprightRows;
    for (std::size_t r = 0; sound && r < at->size(); ++r) {
        const Json& row = (*at)[r];
        sound = row.is_array() && row.size() == width;
        std::array<std::string, width> texts;
        for (std::size_t c = 0; sound && c < width; ++c) {
            sound = row[c].is_string();
            if (sound) {
                texts[c] = row[c].get<std::string>();
            }
        }
        rows.push_back(std::move(texts));
    }
    if (!sound) {
        faults.push_back(msg::badUprightRows(key));
        rows.clear();
    }
    return rows;
}

bool isBox(const ControlInfo& control) {
    return control.kind == ControlKind::CheckBox || control.kind == ControlKind::RadioButton;
}

std::string describeFaults(const std::string& path, const std::vector<std::string>& faults) {
    std::string what = msg::tankFileRefused(path);
    for (const std::string& fault : faults) {
        what.append(&fault == faults.data() ? "" : "；").append(fault);
    }
    return what;
}

// A control's value checked against its kind; the fault, or empty.
std::string checkValue(const ControlInfo& control, const Json& value) {
    if (isBox(control)) {
        return value.is_boolean() ? std::string() : msg::needsTrueOrFalse(control.name);
    }
    if (!value.is_string()) {
        return msg::needsText(control.name);
    }
    const std::string& text = value.get_ref<const std::string&>();
    if (whyUnstorable(text)) {
        return msg::holdsLineBreak(control.name);
    }
    if (control.kind == ControlKind::List && listIsFixed(control.name) && !text.empty()) {
        const auto& entries = listEntries(control.name);
        if (std::find(entries.begin(), entries.end(), text) == entries.end()) {
            return msg::noListEntry(control.name, text);
        }
    }
    return {};
}

// The grid's rows checked: an array of rows, each an array of the same count of texts, within
// the grid file's limits. Its faults are appended; whether it may be applied.
bool checkGrid(const Json& grid, std::vector<std::string>& faults) {
    if (!grid.is_array()) {
        faults.emplace_back(msg::kGridNotRows);
        return false;
    }
    const std::size_t rows = grid.size();
    const std::size_t cols = rows == 0 || !grid.front().is_array() ? 0 : grid.front().size();
    if (rows > static_cast<std::size_t>(kMaxGridRows) ||
        cols > static_cast<std::size_t>(kMaxGridColumns) ||
        rows * cols > static_cast<std::size_t>(kMaxGridCells)) {
        faults.push_back(msg::gridTooLarge(cols, rows));
        return false;
    }
    for (const Json& row : grid) {
        if (!row.is_array()) {
            faults.emplace_back(msg::kGridNotRows);
            return false;
        }
        if (row.size() != cols) {
            faults.emplace_back(msg::kGridRagged);
            return false;
        }
        for (const Json& cell : row) {
            if (!cell.is_string()) {
                faults.emplace_back(msg::kGridNotRows);
                return false;
            }
            if (whyUnstorable(cell.get_ref<const std::string&>())) {
                faults.push_back(msg::holdsLineBreak(kGridKey));
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TankFileError::TankFileError(const std::string& path, std::vector<std::string> faults)
    : FileError(describeFaults(path, faults), path), faults_(std::move(faults)) {}

std::string tankFileBytes(const FieldSource& form, const GridCells& grid, int page,
                          ShellWords shells) {
    std::vector<std::string> faults;
    Json controls = Json::object();
    for (const ControlInfo& control : storedControls()) {
        if (isBox(control)) {
            controls[std::string(control.name)] = form.checked(control.name);
            continue;
        }
        std::string text = form.text(control.name);
        if (whyUnstorable(text) == UnstorableValue::NotText) {
            faults.push_back(msg::notUtf8(control.name));
        }
        controls[std::string(control.name)] = std::move(text);
    }
    Json rows = Json::array();
    for (int r = 0; r < grid.rowCount(); ++r) {
        Json row = Json::array();
        for (int c = 0; c < grid.colCount(); ++c) {
            std::string text = grid.cell(c, r);
            if (whyUnstorable(text) == UnstorableValue::NotText) {
                faults.push_back(msg::notUtf8(kGridKey));
                text.clear();
            }
            row.push_back(std::move(text));
        }
        rows.push_back(std::move(row));
    }
    if (!faults.empty()) {
        throw TankFileError({}, std::move(faults));
    }
    // Written by hand around the library's values so that a grid row stays on one line.
    auto dump = [](const Json& value) {
        return value.dump(-1, ' ', false, Json::error_handler_t::strict);
    };
    std::string out = "{\n";
    out.append("  \"")
        .append(kFormatKey)
        .append("\": ")
        .append(dump(kTankFileFormat))
        .append(",\n");
    out.append("  \"")
        .append(kVersionKey)
        .append("\": ")
        .append(dump(kTankFileVersion))
        .append(",\n");
    out.append("  \"")
        .append(kShellKey)
        .append("\": ")
        .append(dump(page >= 0 && static_cast<std::size_t>(page) < shells.size()
                         ? shells[static_cast<std::size_t>(page)]
                         : shells.front()))
        .append(",\n");
    out.append("  \"").append(kControlsKey).append("\": {");
    bool first = true;
    for (const auto& [name, value] : controls.items()) {
        out.append(first ? "\n" : ",\n")
            .append("    ")
            .append(dump(name))
            .append(": ")
            .append(dump(value));
        first = false;
    }
    out.append(first ? "},\n" : "\n  },\n");
    out.append("  \"").append(kGridKey).append("\": [");
    first = true;
    for (const Json& row : rows) {
        out.append(first ? "\n" : ",\n").append("    ").append(dump(row));
        first = false;
    }
    out.append(first ? "]" : "\n  ]");
    const UprightRows upright = withoutEmptyRows(form.uprightRows());
    if (!upright.empty()) {
        Json courses = Json::array(), deadwood = Json::array();
        for (const CourseRow& row : upright.courses) {
            courses.push_back(row);
        }
        for (const DeadwoodRow& row : upright.deadwood) {
            deadwood.push_back(row);
        }
        out.append(",\n  \"").append(kUprightKey).append("\": {\n    ");
        out.append(dump(kCoursesKey)).append(": ").append(dump(courses)).append(",\n    ");
        out.append(dump(kDeadwoodKey)).append(": ").append(dump(deadwood)).append("\n  }");
    }
    out.append("\n}\n");
    return out;
}

void SaveTankFile(const FieldSource& form, const GridCells& grid, int page, ShellWords shells,
                  const std::string& path) {
    std::string bytes;
    try {
        bytes = tankFileBytes(form, grid, page, shells);
    } catch (const TankFileError& e) {
        throw TankFileError(path, e.faults());
    }
    writeFileAtomically(path, bytes);
}

TankFileContent readTankFile(std::string_view bytes, const std::string& path, FieldSource& form,
                             GridCells& grid, ShellWords shells) {
    const Json file = Json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (file.is_discarded()) {
        throw TankFileError(path, {std::string(msg::kNotJson)});
    }
    const auto format = file.is_object() ? file.find(kFormatKey) : file.end();
    if (!file.is_object() || format == file.end() || *format != kTankFileFormat) {
        throw TankFileError(path, {std::string(msg::kNotTankFile)});
    }
    std::vector<std::string> faults;
    TankFileContent content;
    const auto version = file.find(kVersionKey);
    if (version == file.end() || !version->is_number_integer() || *version < 1) {
        faults.push_back(msg::badVersion());
    } else if (*version > kTankFileVersion) {
        throw TankFileError(path, {msg::newerVersion(version->get<long long>(), kTankFileVersion)});
    }
    const auto shell = file.find(kShellKey);
    const std::string word =
        shell != file.end() && shell->is_string() ? shell->get<std::string>() : "";
    const auto known = std::find(shells.begin(), shells.end(), word);
    if (known != shells.end()) {
        content.page = static_cast<int>(known - shells.begin());
    } else {
        faults.push_back(msg::unknownShell(word, shells));
    }
    static const Json kNone = Json::object();
    const auto controlsAt = file.find(kControlsKey);
    const Json& controls = controlsAt == file.end() ? kNone : *controlsAt;
    if (!controls.is_object()) {
        faults.emplace_back(msg::kControlsNotObject);
    } else {
        for (const auto& [name, value] : controls.items()) {
            const ControlInfo* control = findControl(name);
            if (control == nullptr) {
                content.warnings.push_back(msg::unknownControl(name));
            } else if (std::string fault = checkValue(*control, value); !fault.empty()) {
                faults.push_back(std::move(fault));
            }
        }
    }
    const auto gridAt = file.find(kGridKey);
    if (gridAt != file.end()) {
        checkGrid(*gridAt, faults);
    }
    if (const auto upright = file.find(kUprightKey); upright != file.end()) {
        if (upright->is_object()) {
            content.upright.courses = uprightRowsOf<kCourseColumns>(*upright, kCoursesKey, faults);
            content.upright.deadwood =
                uprightRowsOf<kDeadwoodColumns>(*upright, kDeadwoodKey, faults);
        } else {
            faults.push_back(msg::badUprightRows(kUprightKey));
        }
    }
    for (const auto& [key, value] : file.items()) {
        if (key != kFormatKey && key != kVersionKey && key != kShellKey && key != kControlsKey &&
            key != kGridKey && key != kUprightKey) {
            content.warnings.push_back(msg::unknownKey(key));
        }
    }
    if (!faults.empty()) {
        throw TankFileError(path, std::move(faults));
    }
    // Checked: applied whole.
    for (const ControlInfo& control : storedControls()) {
        const auto value = controls.find(control.name);
        const bool given = value != controls.end();
        if (isBox(control)) {
            form.setChecked(control.name, given && value->get<bool>());
        } else {
            form.setText(control.name, given ? value->get_ref<const std::string&>() : "");
        }
    }
    const int rows = gridAt == file.end() ? 2 : static_cast<int>(gridAt->size());
    const int cols = gridAt == file.end() ? 3
                     : rows == 0          ? 0
                                          : static_cast<int>(gridAt->front().size());
    grid.setColCount(cols);
    grid.setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            grid.setCell(c, r,
                         gridAt == file.end() ? std::string() : (*gridAt)[r][c].get<std::string>());
        }
    }
    return content;
}

TankFileContent LoadTankFile(const std::string& path, FieldSource& form, GridCells& grid,
                             ShellWords shells) {
    const std::optional<std::string> bytes = readFileIfExists(path, kMaxTankFileBytes);
    if (!bytes) {
        throw FileError("cannot load " + path + ": the file does not exist", path, ENOENT);
    }
    return readTankFile(*bytes, path, form, grid, shells);
}

}  // namespace quorvel
