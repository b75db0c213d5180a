// examples/Config.ini and examples/bd.txt are exactly what the window writes for the tank
// they describe. Run with QUORVEL_WRITE_EXAMPLES=1 to write them anew after a deliberate
// change of the stored formats or of the sample.
#include <gtest/gtest.h>

#include <cstdlib>

#include "form/memory_form.h"
#include "store/grid_file.h"
#include "store/settings_file.h"
#include "support/temp_folder.h"

namespace quorvel {
namespace {

using testsupport::TempFolder;

const std::string kExamples = std::string(QUORVEL_EXAMPLES_DIR) + "/";

// A horizontal circular diesel tank, D 2600 mm, L 8000 mm, two standard ellipsoidal heads
// added, density 0.84 g/cm^3 with weights, levels 0 to 2600 every 10 mm in blocks of 200.
MemoryForm dieselTank() {
    MemoryForm form = MemoryForm::designed();
    form.setText("Edit1", "2600");
    form.setText("Edit2", "8000");
    form.setItemIndex("ComboBox3", 0);
    form.setItemIndex("ComboBox4", 0);
    form.setText("Edit6", "0");
    form.setText("Edit7", "2600");
    form.setText("Edit8", "10");
    form.setText("Edit9", "200");
    for (const char* correction : {"Edit13", "Edit31", "Edit32", "Edit33"}) {
        form.setText(correction, "0");
    }
    form.setChecked("CheckBox1", true);
    form.setText("Edit37", "0.84");
    form.setText("ComboBox1", "g/cm^3");
    form.setText("ComboBox2", "6");
    form.setChecked("RadioButton3", true);
    return form;
}

// Six points measured on the same tank, after the heading row and the origin row.
TextGrid dieselCalibration() {
    const char* points[][2] = {{"400", "4476.8"},   {"900", "14449.5"},  {"1300", "23745.0"},
                               {"1700", "33041.6"}, {"2200", "43013.9"}, {"2600", "47492.0"}};
    TextGrid grid(3, 8);
    grid.setCell(0, 0, "序号");
    grid.setCell(1, 0, "高度 mm");
    grid.setCell(2, 0, "容积 L");
    for (int row = 1; row < 8; ++row)
        grid.setCell(0, row, std::to_string(row));
    grid.setCell(1, 1, "0");
    grid.setCell(2, 1, "0");
    for (int i = 0; i < 6; ++i) {
        grid.setCell(1, i + 2, points[i][0]);
        grid.setCell(2, i + 2, points[i][1]);
    }
    return grid;
}

TEST(Examples, AreWhatTheWindowWritesForTheirTank) {
    if (std::getenv("QUORVEL_WRITE_EXAMPLES") != nullptr) {
        SaveSettings(dieselTank(), kExamples + "Config.ini");
        SaveStringGrid(dieselCalibration(), kExamples + "bd.txt");
    }
    TempFolder folder;
    SaveSettings(dieselTank(), folder.file("Config.ini"));
    SaveStringGrid(dieselCalibration(), folder.file("bd.txt"));
    EXPECT_EQ(testsupport::readBytes(kExamples + "Config.ini"),
              testsupport::readBytes(folder.file("Config.ini")));
    EXPECT_EQ(testsupport::readBytes(kExamples + "bd.txt"),
              testsupport::readBytes(folder.file("bd.txt")));
}

TEST(Examples, LoadAsTheTankTheReadmeDescribes) {
    MemoryForm form;
    LoadSettings(form, kExamples + "Config.ini");
    EXPECT_TRUE(form.checked("RadioButton1"));
    EXPECT_EQ(form.text("Edit1"), "2600");
    EXPECT_EQ(form.text("Edit2"), "8000");
    EXPECT_TRUE(form.checked("RadioButton7"));
    EXPECT_TRUE(form.checked("RadioButton22"));
    EXPECT_EQ(form.text("ComboBox3"), "加上左封头容积");
    EXPECT_EQ(form.text("Edit7"), "2600");
    EXPECT_EQ(form.text("Edit8"), "10");
    EXPECT_TRUE(form.checked("CheckBox1"));
    EXPECT_EQ(form.text("ComboBox1"), "g/cm^3");
    EXPECT_FALSE(form.checked("CheckBox2"));

    TextGrid grid;
    LoadStringGrid(grid, kExamples + "bd.txt");
    ASSERT_EQ(grid.rowCount(), 8);  // six points: the count form.text("ComboBox2") names
    EXPECT_EQ(std::to_string(grid.rowCount() - 2), form.text("ComboBox2"));
    EXPECT_EQ(grid.cell(1, 7), "2600");
    EXPECT_EQ(grid.cell(2, 7), "47492.0");
}

}  // namespace
}  // namespace quorvel
