// How the capacity table prints: the workbook's page setup and the paper document's text,
// against golden files; the increments an operator interpolates with.
#include <gtest/gtest.h>

#include <string>

#include "output/capacity_workbook.h"
#include "output/table_document.h"
#include "output/table_paper.h"
#include "support/command_output.h"
#include "support/forms.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"
#include "tank/capacity_table.h"

namespace quorvel {
namespace {

using testsupport::commandOutput;
using testsupport::TempFolder;

const std::string kGolden = std::string(QUORVEL_GOLDEN_DIR) + "/output/";

// The example tank (D 2600, L 8000, standard ellipsoidal heads) from 0 to `to` mm.
CapacityTable exampleTable(const std::string& to, const std::string& step, bool weights,
                           bool increments, const std::string& rowsPerBlock,
                           const std::string& tankNumber) {
    MemoryForm form = testsupport::circularForm("2600", "8000");
    form.setChecked("RadioButton7", true);
    form.setChecked("RadioButton22", true);
    testsupport::setTexts(form, {{"Edit7", to}, {"Edit8", step}, {"Edit9", rowsPerBlock}});
    Outcome<TankConfig> config = readTableRequest(form);
    EXPECT_TRUE(config);
    CapacityTable table;
    table.config = *config;
    table.config.useDensity = weights;
    tabulate(table.config, weights ? std::optional(840.0) : std::nullopt, table);
    table.increments = increments;
    table.identity.values[0] = tankNumber;  // 罐号
    if (!tankNumber.empty()) {
        table.identity.values[1] = "某某油库";
        table.identity.values[7] = "张三";
    }
    return table;
}

struct PrintCase {
    const char* name;
    const char* to;
    const char* step;
    bool weights;
    bool increments;
    const char* rowsPerBlock;
    const char* tankNumber;
};

void PrintTo(const PrintCase& c, std::ostream* os) {
    *os << c.name;
}

class WorkbookPageSetup : public testing::TestWithParam<PrintCase> {};

TEST_P(WorkbookPageSetup, MatchesItsGoldenFile) {
    const PrintCase& c = GetParam();
    const CapacityTable table =
        exampleTable(c.to, c.step, c.weights, c.increments, c.rowsPerBlock, c.tankNumber);
    TempFolder folder;
    const std::string path = folder.file("t.xlsx");
    testsupport::RecordingUi ui;
    ASSERT_TRUE(saveCapacityTable(table, HeldRows(table.tableRows, table.weightTexts), path, ui));
    const std::string dump = commandOutput(
        "/usr/bin/python3 '" QUORVEL_TESTS_DIR "/support/page_setup_dump.py' '" + path + "'");
    EXPECT_EQ(dump, testsupport::readBytes(kGolden + c.name + ".page.xml"));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, WorkbookPageSetup,
    testing::Values(
        // 261 rows with weights in two blocks of 200: both on one page width with the columns
        // of the one-row title, planned at 77 % and printed fit to one page's width.
        PrintCase{"example_261", "2600", "10", true, false, "200", ""},
        // 2,601 rows: fourteen blocks, two to a page, a break before every third, fit to the
        // width of seven pages.
        PrintCase{"example_2601", "2600", "1", true, false, "200", ""},
        // Three-column blocks of 20 rows: four to a page, shrunk to fit.
        PrintCase{"narrow_blocks", "990", "10", false, false, "20", ""},
        // An issued table: the title block moves the headings down, the footer names the
        // tank ("&" doubled), the increments widen each block.
        PrintCase{"issued_increments", "2600", "10", false, true, "100", "T&101"}),
    [](const testing::TestParamInfo<PrintCase>& info) { return info.param.name; });

// The issued workbook: its title block, then the headings and rows moved down below it; the
// increments as numbers in "0.000", none in the last row. Without identity and increments
// the cells are those of the one-row title (capacity_workbook_test.cpp).
TEST(IssuedWorkbook, OpensWithItsTitleBlockAndCarriesTheIncrements) {
    const CapacityTable table = exampleTable("2600", "10", false, true, "200", "T-101");
    TempFolder folder;
    const std::string path = folder.file("t.xlsx");
    testsupport::RecordingUi ui;
    ASSERT_TRUE(saveCapacityTable(table, HeldRows(table.tableRows, table.weightTexts), path, ui));
    const testsupport::ReadSheet sheet = testsupport::readXlsx(path).sheets.at(0);
    EXPECT_EQ(sheet.at(0, 0).text, "罐容表");
    EXPECT_TRUE(sheet.at(0, 0).bold);
    EXPECT_EQ(sheet.at(1, 0).text, "罐号：T-101");
    EXPECT_EQ(sheet.at(1, 4).text, "所属单位：某某油库");
    EXPECT_EQ(sheet.at(2, 0).text, "总容量：47500.46 L（液位 2600 mm）");
    EXPECT_EQ(sheet.at(2, 4).text, "罐底死量：0 L");
    EXPECT_EQ(sheet.at(3, 0).text, "液位：0 ～ 2600 mm，间隔 10 mm");
    EXPECT_EQ(sheet.at(4, 0).text, "标准温度：20 ℃");
    EXPECT_EQ(sheet.at(5, 0).text, "计算参数如下：");
    EXPECT_EQ(sheet.at(10, 0).text, "编制：张三");
    EXPECT_EQ(sheet.at(10, 4).text, "核验：＿＿＿＿＿＿＿＿");
    const int header = 12;
    EXPECT_EQ(sheet.at(header, 3).text, "增量L/mm");
    EXPECT_EQ(sheet.at(header + 1, 2).number, 0);
    EXPECT_EQ(sheet.at(header + 1, 3).number, 1.756);
    EXPECT_EQ(sheet.at(header + 1, 3).numberFormat, "0.000");
    EXPECT_EQ(sheet.at(header + 200, 0).number, 200);
    EXPECT_EQ(sheet.at(header + 61, 4).number, 261);    // the second block's last row
    EXPECT_FALSE(sheet.has(header + 61, 7));            // has no increment
    EXPECT_EQ(sheet.at(header + 60, 7).number, 1.755);  // the top mirrors the bottom
}

TEST(PaperTable, TextMatchesItsGoldenFile) {
    const CapacityTable table = exampleTable("290", "10", true, true, "200", "T-101");
    TempFolder folder;
    const std::string path = folder.file("t.pdf");
    EXPECT_EQ(writeTablePdf(table, HeldRows(table.tableRows, table.weightTexts), path), 1);
    EXPECT_EQ(commandOutput("pdftotext -layout '" + path + "' -"),
              testsupport::readBytes(kGolden + "issued_30_rows.pdf.txt"));
    EXPECT_EQ(commandOutput("pdffonts '" + path +
                            "' | tail -n +3 | awk '{print $1, $NF}' | "
                            "sed 's/^[A-Z]*+//' | sort"),
              "NotoSansCJKsc-Bold 0\nNotoSansCJKsc-Regular 0\n");
}

// Three points up to 1000 mm, the table to 1200 mm: its last two rows are extrapolated. The
// PDF marks their volumes and weights, says what the mark means under the summary and states
// the calibrated range in the title block.
TEST(PaperTable, MarksTheRowsBeyondTheCalibrationPoints) {
    MemoryForm form = testsupport::startedForm(3);
    form.setItemIndex("ComboBox2", 0);  // 2 points and the origin
    form.grid().setRowCount(4);
    for (int row = 1; row <= 3; ++row) {
        form.grid().setCell(1, row, std::to_string((row - 1) * 500));
        form.grid().setCell(2, row, std::to_string((row - 1) * 4000));
    }
    testsupport::setTexts(form, {{"Edit7", "1200"}, {"Edit8", "100"}});
    Outcome<TankConfig> config = readTableRequest(form);
    ASSERT_TRUE(config);
    CapacityTable table;
    table.config = *config;
    table.config.useDensity = true;
    tabulate(table.config, 840.0, table);
    table.identity.values[0] = "T-7";
    TempFolder folder;
    const std::string path = folder.file("t.pdf");
    EXPECT_EQ(writeTablePdf(table, HeldRows(table.tableRows, table.weightTexts), path), 1);
    EXPECT_EQ(commandOutput("pdftotext -layout '" + path + "' -"),
              testsupport::readBytes(kGolden + "extrapolated.pdf.txt"));
}

TEST(Increments, AreLitresPerMillimetreToTheNextRowAsPrinted) {
    struct Case {
        const char* row;
        const char* next;
        const char* expected;
    } cases[] = {
        {"0,0.00", "10,17.56", "1.756"},
        {"2590,47482.90", "2600,47500.46", "1.756"},
        {"2595,47495.99", "2600,47500.46", "0.894"},  // a last step of 5 mm: 4.47 / 5
        {"0,0.00", "3,0.01", "0.003"},                // 0.00333… rounds down
        {"0,0.00", "3,0.02", "0.007"},                // 0.00666… rounds up
        {"0,0.00", "8,0.02", "0.003"},                // 0.0025: a half goes away from zero
        {"10,5.00", "20,4.00", "-0.100"},             // a subtracted head can fall
        {"10,5.00", "20,4.99", "-0.001"},
        {"10,5.00", "20,5.00", "0.000"},
        {"1e-05,1.00", "2,3.00", "1.000"},
        {"10,5.00", "10,6.00", ""},  // no rise, no increment
    };
    for (const Case& c : cases) {
        EXPECT_EQ(incrementText(parseTableRow(c.row), parseTableRow(c.next)), c.expected)
            << c.row << " → " << c.next;
    }
}

}  // namespace
}  // namespace quorvel
