// A whole request over random field texts: buildTankConfig, the table walk and the texts the
// workbook reads back. Every request either stops with exactly one message or gives rows of
// whole, well-formed numbers that stand for the volumes and weights computed.
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "form/calibration_grid.h"
#include "form/head_kinds.h"
#include "form/memory_form.h"
#include "form/table_defaults.h"
#include "fuzz_check.h"
#include "support/held_table.h"
#include "support/recording_ui.h"
#include "tank/capacity_table.h"
#include "tank/density.h"
#include "tank/tank_reader.h"
#include "tank/volume.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "text/row_text.h"

namespace {

using namespace quorvel;

// Longest walk one input may ask for; longer requests are read but not walked.
constexpr long double kMaxRows = 64;

// The fields the input's texts go to, in order (a "c,r" name is a calibration cell).
const char* const kFields[] = {
    "Edit1",  "Edit2",  "Edit7",  "Edit8",  "Edit6",  "Edit34", "Edit37", "Edit3",  "Edit4",
    "Edit5",  "Edit29", "Edit30", "Edit39", "Edit40", "Edit41", "Edit42", "Edit13", "Edit31",
    "Edit32", "Edit33", "Edit21", "Edit22", "Edit10", "Edit11", "Edit23", "Edit24", "Edit12",
    "Edit14", "Edit25", "Edit26", "Edit28", "Edit15", "Edit16", "Edit18", "Edit27", "Edit17",
    "Edit38", "Edit43", "Edit44", "Edit45", "Edit46", "Edit47", "1,1",    "1,2",    "1,3",
    "1,4",    "2,1",    "2,2",    "2,3",    "2,4",    "Edit9"};

const char* const kUnits[] = {"Kg/m^3", "g/cm^3", "单位"};

MemoryForm formFrom(const std::uint8_t* data, std::size_t size) {
    MemoryForm form = MemoryForm::designed();
    applyTableDefaults(form);
    const auto flag = [&](std::size_t i) { return i < size ? data[i] : std::uint8_t{0}; };
    form.setActivePage(flag(0) % 5);
    form.setChecked(flag(0) & 0x08 ? "RadioButton2" : "RadioButton1", true);
    form.setChecked("CheckBox1", (flag(0) & 0x10) != 0);
    form.setText("ComboBox1", kUnits[(flag(0) >> 5) % 3]);
    form.setChecked(headKinds()[flag(1) % headKinds().size()].leftRadio, true);
    form.setChecked(headKinds()[flag(2) % headKinds().size()].rightRadio, true);
    form.setItemIndex("ComboBox3", flag(3) & 1);
    form.setItemIndex("ComboBox4", (flag(3) >> 1) & 1);
    const int points = 2 + (flag(3) >> 2) % 3;
    form.setItemIndex("ComboBox2", points - 2);
    choosePointCount(form.grid(), points);
    form.setText("Edit7", "2000");
    form.setText("Edit8", "250");

    std::string_view rest(reinterpret_cast<const char*>(data), size);
    rest.remove_prefix(std::min<std::size_t>(4, size));
    for (const char* field : kFields) {
        if (rest.empty()) {
            break;
        }
        const std::size_t end = std::min(rest.find('\n'), rest.size());
        const std::string text(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (field[1] == ',') {
            form.grid().setCell(field[0] - '0', field[2] - '0', text);
        } else {
            form.setText(field, text);
        }
    }
    return form;
}

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// -?(0|[1-9]digits).dd, never -0.00
bool isTwoDecimals(std::string_view t) {
    const std::string_view unsigned_ = t.substr(!t.empty() && t[0] == '-' ? 1 : 0);
    const std::size_t point = unsigned_.find('.');
    if (point == std::string_view::npos || point + 3 != unsigned_.size()) {
        return false;
    }
    const std::string_view whole = unsigned_.substr(0, point);
    return isDigits(whole) && (whole.size() == 1 || whole[0] != '0') &&
           isDigits(unsigned_.substr(point + 1)) && t != "-0.00";
}

void checkValue(const std::string& text, long double value) {
    const long double read = std::strtold(text.c_str(), nullptr);
    FUZZ_CHECK(std::fabs(read - value) <= 0.005L + std::fabs(value) * 1e-18L, text);
}

// What the workbook does with a text: a double, or a stop naming the text.
template <typename Read>
void checkReadBack(const std::string& text, Read read) {
    try {
        (void)read(text);
    } catch (const ConversionError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryForm form = formFrom(data, size);
    {
        // The walk's length, from a reading of its own.
        MemoryForm probe = form;
        try {
            const Outcome<TankConfig> config = buildTankConfig(probe);
            if (config && config->levelStep > 0 &&
                TableLevels(config->levelFrom, config->levelTo, config->levelStep).count() >
                    kMaxRows) {
                return 0;
            }
        } catch (const std::exception&) {
        }
    }
    testsupport::RecordingUi ui;
    const std::optional<CapacityTable> table = testsupport::heldTable(form, ui);
    if (!table) {
        FUZZ_CHECK(ui.shown.size() == 1 && !ui.shown[0].text.empty(), "a silent stop");
        return 0;
    }
    FUZZ_CHECK(ui.shown.empty(), ui.shown[0].text);
    const TankConfig& config = table->config;
    const TableLevels levels(config.levelFrom, config.levelTo, config.levelStep);
    FUZZ_CHECK(static_cast<long double>(table->tableRows.size()) == levels.count(), "row count");
    FUZZ_CHECK(table->weightTexts.size() == (config.useDensity ? table->tableRows.size() : 0),
               "weight count");
    const long double density = config.useDensity ? *MiDu(form) : 0;
    VolumeState state;
    for (std::size_t i = 0; i < table->tableRows.size(); ++i) {
        const std::string& row = table->tableRows[i];
        const std::size_t comma = row.find(',');
        FUZZ_CHECK(comma != std::string::npos, row);
        FUZZ_CHECK(row.substr(0, comma) == formatLevel(levels[i]), row);
        const std::string volume = row.substr(comma + 1);
        FUZZ_CHECK(isTwoDecimals(volume), row);
        const long double total = volumeAtLevel(config, levels[i], config.levelStep, state);
        checkValue(volume, total * 1000);
        checkReadBack(row, parseTableRow);
        if (config.useDensity) {
            const std::string& weight = table->weightTexts[i];
            FUZZ_CHECK(isTwoDecimals(weight), weight);
            checkValue(weight, total * density);
            checkReadBack(weight, parseRowNumber);
        }
    }
    return 0;
}
