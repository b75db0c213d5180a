// Very long numbers typed into every numeric field of every shell page: each request either
// gives texts that are whole, well-formed numbers — rows, weights, the quick result, the
// workbook's read-back — or stops with a message. Nothing in between.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/level_operations.h"
#include "form/calibration_grid.h"
#include "form/memory_form.h"
#include "form/table_defaults.h"
#include "support/held_table.h"
#include "support/recording_ui.h"
#include "tank/capacity_table.h"
#include "tank/density.h"
#include "tank/volume.h"
#include "text/number_text.h"
#include "text/row_text.h"

namespace quorvel::app {
namespace {

using Texts = std::vector<std::pair<std::string, std::string>>;

// A field is a control name, or "cell C,R" of the calibration grid.
struct Shape {
    const char* what;
    int page;
    Texts base;                       // controls set before the sweep (radio buttons: "1")
    std::vector<std::string> fields;  // the fields of this shape that are swept
};

const std::vector<std::string> kTableFields = {"Edit6",  "Edit7",  "Edit8",  "Edit9", "Edit13",
                                               "Edit31", "Edit32", "Edit33", "Edit37"};

const std::vector<Shape> kShapes = {
    {"circular, standard heads", 0, {{"Edit1", "2000"}, {"Edit2", "5000"}}, {"Edit1", "Edit2"}},
    {"circular, non-standard ellipsoidal heads",
     0,
     {{"Edit1", "2000"},
      {"Edit2", "5000"},
      {"RadioButton15", "1"},
      {"RadioButton8", "1"},
      {"Edit21", "25"},
      {"Edit22", "525"},
      {"Edit10", "25"},
      {"Edit11", "525"}},
     {"Edit21", "Edit22", "Edit10", "Edit11"}},
    {"circular, conical heads",
     0,
     {{"Edit1", "2000"},
      {"Edit2", "5000"},
      {"RadioButton16", "1"},
      {"RadioButton9", "1"},
      {"Edit23", "25"},
      {"Edit24", "500"},
      {"Edit12", "25"},
      {"Edit14", "500"}},
     {"Edit23", "Edit24", "Edit12", "Edit14"}},
    {"circular, frustum heads",
     0,
     {{"Edit1", "2000"},
      {"Edit2", "5000"},
      {"RadioButton17", "1"},
      {"RadioButton10", "1"},
      {"Edit25", "25"},
      {"Edit26", "400"},
      {"Edit28", "1000"},
      {"Edit15", "25"},
      {"Edit16", "400"},
      {"Edit18", "1000"}},
     {"Edit25", "Edit26", "Edit28", "Edit15", "Edit16", "Edit18"}},
    {"circular, spherical-cap heads",
     0,
     {{"Edit1", "2000"},
      {"Edit2", "5000"},
      {"RadioButton18", "1"},
      {"RadioButton11", "1"},
      {"Edit27", "300"},
      {"Edit17", "300"}},
     {"Edit27", "Edit17"}},
    {"circular, non-standard dished heads",
     0,
     {{"Edit1", "2000"},
      {"Edit2", "5000"},
      {"RadioButton5", "1"},
      {"RadioButton6", "1"},
      {"Edit38", "25"},
      {"Edit43", "500"},
      {"Edit44", "2000"},
      {"Edit45", "25"},
      {"Edit46", "500"},
      {"Edit47", "2000"}},
     {"Edit38", "Edit43", "Edit44", "Edit45", "Edit46", "Edit47"}},
    {"elliptical, spherical-cap and non-standard ellipsoidal heads",
     0,
     {{"RadioButton2", "1"},
      {"Edit3", "3000"},
      {"Edit4", "2000"},
      {"Edit5", "5000"},
      {"RadioButton18", "1"},
      {"Edit27", "300"},
      {"RadioButton8", "1"},
      {"Edit10", "25"},
      {"Edit11", "525"}},
     {"Edit3", "Edit4", "Edit5", "Edit27", "Edit10", "Edit11"}},
    {"tilted",
     1,
     {{"Edit29", "1"},
      {"Edit30", "2"},
      {"Edit39", "1000"},
      {"Edit40", "3000"},
      {"Edit41", "2000"},
      {"Edit42", "5000"}},
     {"Edit29", "Edit30", "Edit39", "Edit40", "Edit41", "Edit42"}},
    {"spherical", 2, {{"Edit34", "3000"}}, {"Edit34"}},
    {"calibrated",
     3,
     {{"cell 1,1", "0"},
      {"cell 1,2", "1000"},
      {"cell 1,3", "2000"},
      {"cell 2,1", "0"},
      {"cell 2,2", "5000"},
      {"cell 2,3", "12000"}},
     {"cell 1,1", "cell 1,2", "cell 1,3", "cell 2,1", "cell 2,2", "cell 2,3"}},
};

// 71, 309 and 400 digits (the last beyond a double), and a fraction of 400 digits.
const std::vector<std::string> kLongNumbers = {
    "1" + std::string(70, '0'),
    "1" + std::string(308, '0'),
    "1" + std::string(399, '0'),
    "0." + std::string(397, '0') + "1",
};

void set(MemoryForm& form, const std::string& field, const std::string& text) {
    if (field.rfind("cell ", 0) == 0) {
        const auto comma = field.find(',');
        form.grid().setCell(std::stoi(field.substr(5, comma - 5)),
                            std::stoi(field.substr(comma + 1)), text);
    } else if (field.rfind("RadioButton", 0) == 0) {
        form.setChecked(field, text == "1");
    } else {
        form.setText(field, text);
    }
}

MemoryForm formFor(const Shape& shape) {
    MemoryForm form = MemoryForm::designed();
    applyTableDefaults(form);
    form.setItemIndex("ComboBox3", 0);
    form.setItemIndex("ComboBox4", 0);
    form.setItemIndex("ComboBox2", 0);  // two points
    choosePointCount(form.grid(), 2);
    form.setActivePage(shape.page);
    for (const auto& [field, text] : Texts{{"Edit7", "2000"},
                                           {"Edit8", "500"},
                                           {"Edit31", "50"},
                                           {"Edit32", "100"},
                                           {"Edit33", "200"},
                                           {"Edit37", "0.85"},
                                           {"ComboBox1", "g/cm^3"}}) {
        set(form, field, text);
    }
    form.setChecked("CheckBox1", true);
    for (const auto& [field, text] : shape.base) {
        set(form, field, text);
    }
    return form;
}

const std::regex kTwoDecimals("-?(0|[1-9][0-9]*)\\.[0-9]{2}");
const std::regex kRow(
    "-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(e[+-][0-9]{2,3})?,-?(0|[1-9][0-9]*)\\.[0-9]{2}");

void expectWellFormed(const std::string& text, const std::regex& form, const std::string& where) {
    EXPECT_TRUE(std::regex_match(text, form)) << where << ": " << text.substr(0, 200);
    EXPECT_EQ(text.find("-0.00"), std::string::npos) << where;
}

// The text is the value: read back in full it lies within half a hundredth of it (and a
// hair of rounding in the reading).
void expectValue(const std::string& text, long double value, const std::string& where) {
    const long double read = std::strtold(text.c_str(), nullptr);
    EXPECT_LE(std::fabs(read - value), 0.005L + std::fabs(value) * 1e-18L)
        << where << ": " << text.substr(0, 200);
}

// The workbook reads each text back: a double, or a stop that names the whole text.
void expectReadBack(const std::string& text, bool row, const std::string& where) {
    try {
        if (row) {
            (void)parseTableRow(text);
        } else {
            (void)parseRowNumber(text);
        }
    } catch (const ConversionError& e) {
        EXPECT_NE(std::string(e.what()).find(row ? text.substr(text.find(',') + 1) : text),
                  std::string::npos)
            << where;
    }
}

TEST(LongNumbers, EveryFieldGivesWholeNumbersOrStops) {
    int tables = 0, stops = 0;
    for (const Shape& shape : kShapes) {
        std::vector<std::string> fields = shape.fields;
        fields.insert(fields.end(), kTableFields.begin(), kTableFields.end());
        for (const std::string& field : fields) {
            for (const std::string& number : kLongNumbers) {
                const std::string where = std::string(shape.what) + ", " + field + " of " +
                                          std::to_string(number.size()) + " characters";
                MemoryForm form = formFor(shape);
                set(form, field, number);
                testsupport::RecordingUi ui;
                const std::optional<CapacityTable> table = testsupport::heldTable(form, ui);
                if (!table) {
                    ++stops;
                    ASSERT_EQ(ui.shown.size(), 1u) << where;
                    EXPECT_FALSE(ui.shown[0].text.empty()) << where;
                    continue;
                }
                ++tables;
                EXPECT_TRUE(ui.shown.empty()) << where;
                ASSERT_EQ(table->weightTexts.size(), table->tableRows.size()) << where;
                const CapacityTable& t = *table;
                const TableLevels levels(t.config.levelFrom, t.config.levelTo, t.config.levelStep);
                const long double density = *MiDu(form);
                VolumeState state;
                for (std::size_t i = 0; i < table->tableRows.size(); ++i) {
                    const std::string& row = table->tableRows[i];
                    expectWellFormed(row, kRow, where);
                    expectWellFormed(table->weightTexts[i], kTwoDecimals, where);
                    const long double total =
                        volumeAtLevel(t.config, levels[i], t.config.levelStep, state);
                    expectValue(row.substr(row.find(',') + 1), total * 1000, where);
                    expectValue(table->weightTexts[i], total * density, where);
                    expectReadBack(table->tableRows[i], true, where);
                    expectReadBack(table->weightTexts[i], false, where);
                }
                const std::string& summary = table->config.parameterSummary;
                // The summary lists the shell, the heads and the density as typed.
                const bool tableField = std::find(kTableFields.begin(), kTableFields.end(),
                                                  field) != kTableFields.end();
                const bool unlisted = field.rfind("cell", 0) == 0 || field == "Edit29" ||
                                      field == "Edit30" || field == "Edit39";
                if (field == "Edit37" || (!tableField && !unlisted)) {
                    EXPECT_NE(summary.find(number), std::string::npos) << where;
                }
                // The quick result of the same tank at 1000 mm: weight and litres.
                for (const bool weight : {true, false}) {
                    form.setChecked("CheckBox1", weight);
                    form.setText("Edit35", "1000");
                    testsupport::RecordingUi quickUi;
                    if (quick(form, quickUi)) {
                        expectWellFormed(form.text("Edit36"), kTwoDecimals, where);
                    } else {
                        ASSERT_EQ(quickUi.shown.size(), 1u) << where;  // not finite
                    }
                }
            }
        }
    }
    // Both outcomes occur: the sweep reaches tables of huge numbers and refusals alike.
    EXPECT_GT(tables, 100);
    EXPECT_GT(stops, 100);
}

}  // namespace
}  // namespace quorvel::app
