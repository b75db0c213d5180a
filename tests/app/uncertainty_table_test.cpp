// A table that states its uncertainty: the column "U(k=2) L" of the workbook and of the rows the
// window holds, the rows above the limit marked, the title block's 不确定度 computed when asked,
// in one walk with everything else.
#include <gtest/gtest.h>

#include "app/table_request.h"
#include "support/forms.h"
#include "support/held_table.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"

namespace quorvel::app {
namespace {

using testsupport::setTexts;

// D 2000 × L 5000 with flat ends, 0 to 2000 mm at 500 mm; u(level) = 1 mm (the default) alone.
// dV/dh = 2 L √(2Rh − h²): 8.66 L/mm at 500 mm, 10.0 L/mm at 1000 mm.
MemoryForm flatTank() {
    MemoryForm form = testsupport::circularForm("2000", "5000");
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    setTexts(form, {{"Edit7", "2000"}, {"Edit8", "500"}});
    form.setChecked("UCheckBox1", true);
    return form;
}

TEST(UncertaintyTable, WorkbookCarriesUMarksRowsAboveTheLimitAndStatesTheGreatest) {
    testsupport::TempFolder folder;
    MemoryForm form = flatTank();
    form.setText("Edit49", "T-9");
    form.setText("Edit58", "typed by hand");
    form.setChecked("UCheckBox2", true);
    testsupport::RecordingUi ui;
    const std::string book = folder.file("u.xlsx");
    std::ostringstream out;
    TableRequest request;
    request.workbook = book;
    request.csv = true;
    ASSERT_TRUE(runTableRequest(form, ui, request, out));
    EXPECT_EQ(out.str(),
              "0,0.00,0.60\n500,3070.92,17.32\n1000,7853.98,20.00\n1500,12637.04,17.32\n"
              "2000,15707.96,0.60\n");

    const testsupport::ReadSheet sheet = testsupport::readXlsx(book).sheets.at(0);
    int header = -1;
    for (int row = 0; row < 40 && header < 0; ++row) {
        if (sheet.has(row, 3) && sheet.at(row, 3).text == "U(k=2) L") {
            header = row;
        }
    }
    ASSERT_GE(header, 0);
    // U relative to V: the empty tank's any U, 17.32 / 3070.92 = 0.56 % at 500 mm above 0.4 %;
    // 0.25 % at 1000 mm and 0.14 % at 1500 mm, 0.004 % full, within it.
    const char* formats[] = {"0.00\"▲\"", "0.00\"▲\"", "0.00", "0.00", "0.00"};
    const double us[] = {0.60, 17.32, 20.00, 17.32, 0.60};
    for (int i = 0; i < 5; ++i) {
        const testsupport::ReadCell& u = sheet.at(header + 1 + i, 3);
        EXPECT_DOUBLE_EQ(u.number, us[i]) << i;
        EXPECT_EQ(u.numberFormat, formats[i]) << i;
    }
    bool stated = false, noted = false;
    for (const auto& [at, cell] : sheet.cells) {
        stated |= cell.text == "不确定度：U=0.56%，k=2（最大值，液位 500 毫米）";
        noted |= cell.text ==
                 "U(k=2)：容积的扩展不确定度（k=2，按输入的标准不确定度一阶传播）；▲：U 超过容积的 "
                 "0.4 %";
        EXPECT_EQ(cell.text.find("typed by hand"), std::string::npos);
    }
    EXPECT_TRUE(stated);
    EXPECT_TRUE(noted);
}

TEST(UncertaintyTable, WindowListsHoldUOnlyWhenAsked) {
    MemoryForm form = flatTank();
    testsupport::RecordingUi ui;
    const std::optional<CapacityTable> with = testsupport::heldTable(form, ui);
    ASSERT_TRUE(with);
    EXPECT_EQ(with->uncertaintyTexts,
              (std::vector<std::string>{"0.60", "17.32", "20.00", "17.32", "0.60"}));
    EXPECT_EQ(with->uncertaintyLimit, 0.4);
    // The typed 不确定度 stays while the title switch is off.
    EXPECT_EQ(with->identity.value("Edit58"), "");

    form.setChecked("UCheckBox1", false);
    const std::optional<CapacityTable> without = testsupport::heldTable(form, ui);
    ASSERT_TRUE(without);
    EXPECT_TRUE(without->uncertaintyTexts.empty());
    EXPECT_FALSE(without->uncertaintyLimit);
    EXPECT_EQ(without->tableRows, with->tableRows);
}

}  // namespace
}  // namespace quorvel::app
