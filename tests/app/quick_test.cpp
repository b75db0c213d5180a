// The quick calculation: its own check order and message, the level limited to the tank
// while Edit35 keeps what was typed, litres or kilograms in Edit36, and what a stopped press
// leaves behind.
#include "app/level_operations.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/forms.h"
#include "support/recording_ui.h"

namespace quorvel::app {
namespace {

using testsupport::setTexts;
using testsupport::startedForm;

MemoryForm flatCircular(const std::string& d, const std::string& l) {
    MemoryForm form = startedForm(0);
    setTexts(form, {{"Edit1", d}, {"Edit2", l}});
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    return form;
}

// Five points of 1 L per mm, the sixth row's volume left to the case.
MemoryForm calibrated() {
    MemoryForm form = startedForm(3);
    form.setItemIndex("ComboBox2", 3);  // 5 points
    form.grid().setRowCount(7);
    for (int row = 1; row <= 6; ++row) {
        form.grid().setCell(1, row, std::to_string((row - 1) * 100));
        form.grid().setCell(2, row, std::to_string((row - 1) * 100));
    }
    setTexts(form, {{"Edit13", "7"}, {"Edit31", "8"}, {"Edit32", "9"}, {"Edit33", "10"}});
    return form;
}

struct QuickCase {
    const char* name;
    std::function<MemoryForm()> form;
    const char* level;
    bool written;
    std::string edit36;                 // after the press ("old" when left alone)
    std::vector<std::string> messages;  // plain boxes
    std::vector<std::string> errors;    // standard error boxes
};

TEST(QuickCalculation, ResultsAndMessages) {
    const std::vector<QuickCase> cases = {
        {"whole circular tank",
         [] { return flatCircular("2500", "5000"); },
         "2500",
         true,
         "24543.69",
         {},
         {}},
        {"level above the tank is the full tank",
         [] { return flatCircular("2500", "5000"); },
         "3000",
         true,
         "24543.69",
         {},
         {}},
        {"elliptical tank limited to A",
         [] {
             MemoryForm f = startedForm(0);
             f.setChecked("RadioButton2", true);
             setTexts(f, {{"Edit3", "2400"}, {"Edit4", "1800"}, {"Edit5", "5000"}});
             f.setChecked("RadioButton21", true);
             f.setChecked("RadioButton14", true);
             return f;
         },
         "2000",
         true,
         "16964.60",
         {},
         {}},
        {"standard ellipsoidal heads",
         [] { return testsupport::circularForm("2000", "5000"); },
         "1000",
         true,
         "8979.72",
         {},
         {}},
        {"the table's fields are neither checked nor read",
         [] {
             MemoryForm f = testsupport::circularForm("2000", "5000");
             f.setText("Edit7", "");
             return f;
         },
         "1000",
         true,
         "8979.72",
         {},
         {}},
        {"kilograms in Kg/m^3",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             f.setChecked("CheckBox1", true);
             setTexts(f, {{"Edit37", "800"}, {"ComboBox1", "Kg/m^3"}});
             return f;
         },
         "1000",
         true,
         "6283.19",
         {},
         {}},
        {"kilograms in g/cm^3",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             f.setChecked("CheckBox1", true);
             setTexts(f, {{"Edit37", "0.8"}, {"ComboBox1", "g/cm^3"}});
             return f;
         },
         "1000",
         true,
         "6283.19",
         {},
         {}},
        {"fitting inside its band",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             setTexts(f, {{"Edit31", "50"}, {"Edit32", "100"}, {"Edit33", "200"}});
             return f;
         },
         "1000",
         true,
         "7803.98",
         {},
         {}},
        {"dead volume at level 0",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             f.setText("Edit13", "100");
             return f;
         },
         "0",
         true,
         "100.00",
         {},
         {}},
        {"empty table fields do not matter",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             setTexts(f, {{"Edit6", ""}, {"Edit7", ""}, {"Edit8", ""}, {"Edit9", ""}});
             return f;
         },
         "1000",
         true,
         "7853.98",
         {},
         {}},
        {"empty level",
         [] { return flatCircular("2000", "5000"); },
         "",
         false,
         "old",
         {"呵呵，数据还没输完呢！"},
         {}},
        {"empty fitting field",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             f.setText("Edit33", "");
             return f;
         },
         "1000",
         false,
         "old",
         {"呵呵，数据还没输完呢！"},
         {}},
        {"shell checked before the level",
         [] { return flatCircular("2000", ""); },
         "",
         false,
         "old",
         {"呵呵，中间圆筒数据还没输完呢！"},
         {}},
        {"the sphere reads no heads, whatever its greyed groups hold",
         [] {
             MemoryForm f = startedForm(2);
             f.setText("Edit34", "2000");
             f.setChecked("RadioButton15", true);
             return f;
         },
         "1000",
         true,
         "2094.40",
         {},
         {}},
        {"half a sphere",
         [] {
             MemoryForm f = startedForm(2);
             f.setText("Edit34", "2000");
             return f;
         },
         "1000",
         true,
         "2094.40",
         {},
         {}},
        {"two decimal points",
         [] { return flatCircular("2000", "5000"); },
         "1.2.3",
         false,
         "old",
         {},
         {"“1.2.3”不是有效的数字"}},
        {"empty density",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             f.setChecked("CheckBox1", true);
             f.setText("ComboBox1", "Kg/m^3");
             return f;
         },
         "1000",
         false,
         "old",
         {},
         {"“”不是有效的数字"}},
        {"a weight without a density unit",
         [] {
             MemoryForm f = flatCircular("2000", "5000");
             f.setChecked("CheckBox1", true);
             setTexts(f, {{"Edit37", "0.84"}, {"ComboBox1", "0"}});
             return f;
         },
         "1000",
         false,
         "old",
         {"请选择密度单位"},
         {}},
        {"calibrated points", calibrated, "250", true, "250.00", {}, {}},
        {"no point count chosen",
         [] {
             MemoryForm f = calibrated();
             f.setItemIndex("ComboBox2", -1);
             return f;
         },
         "250",
         false,
         "old",
         {},
         {"“”不是有效的数字"}},
    };
    for (const QuickCase& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryForm form = c.form();
        form.setText("Edit35", c.level);
        form.setText("Edit36", "old");
        testsupport::RecordingUi ui;
        EXPECT_EQ(quick(form, ui).has_value(), c.written);
        EXPECT_EQ(form.text("Edit36"), c.edit36);
        EXPECT_EQ(form.text("Edit35"), c.level);
        EXPECT_EQ(ui.messages(), c.messages);
        EXPECT_EQ(ui.errors(), c.errors);
    }
}

TEST(QuickCalculation, FittingIsTakenOffWholeAboveItsBand) {
    // b = 100, s = 200, V = 50 L on D = 2000, L = 5000: the circular segment's litres less
    // nothing below the band, 25 L half way, 50 L at its top and above it.
    const std::vector<std::pair<const char*, const char*>> levels{
        {"100", "293.63"}, {"200", "792.51"}, {"300", "1427.49"}, {"301", "1434.64"}};
    for (const auto& [level, expected] : levels) {
        MemoryForm form = flatCircular("2000", "5000");
        setTexts(form, {{"Edit31", "50"}, {"Edit32", "100"}, {"Edit33", "200"}, {"Edit35", level}});
        testsupport::RecordingUi ui;
        ASSERT_TRUE(quick(form, ui).has_value());
        EXPECT_EQ(form.text("Edit36"), expected) << level;
    }
}

}  // namespace
}  // namespace quorvel::app
