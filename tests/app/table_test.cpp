#include "app/table_job.h"

#include <gtest/gtest.h>

#include <regex>

#include <string>
#include <vector>

#include "support/forms.h"
#include "support/held_table.h"
#include "support/recording_ui.h"

namespace quorvel::app {
namespace {

using testsupport::circularForm;
using testsupport::setTexts;

// The level texts of the rows.
std::vector<std::string> levelsOf(const CapacityTable& table) {
    std::vector<std::string> levels;
    for (const std::string& row : table.tableRows) {
        levels.push_back(row.substr(0, row.find(',')));
    }
    return levels;
}

std::optional<CapacityTable> walk(MemoryForm& form, const std::string& from, const std::string& to,
                                  const std::string& step, testsupport::RecordingUi& ui) {
    setTexts(form, {{"Edit6", from}, {"Edit7", to}, {"Edit8", step}});
    return testsupport::heldTable(form, ui);
}

TEST(CapacityTable, LevelWalks) {
    struct Case {
        const char* from;
        const char* to;
        const char* step;
        std::vector<std::string> levels;
    };
    const Case cases[] = {
        {"0", "1000", "300", {"0", "300", "600", "900", "1000"}},
        {"500", "500", "1", {"500"}},
        {"0",
         "1",
         "0.1",
         {"0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
        {"0", "0.35", "0.1", {"0", "0.1", "0.2", "0.3", "0.35"}},
        {"1250", "1262.5", "12.5", {"1250", "1262.5"}},
        {"0", "3000", "1000", {"0", "1000", "2000"}},  // clamped to D 2000
        {"1999.9999995", "2000", "1000", {"2000"}},    // within a millionth: the last level
        {"-0", "0", "1", {"0"}},
    };
    for (const auto& c : cases) {
        MemoryForm form = circularForm("2000", "5000");
        testsupport::RecordingUi ui;
        auto table = walk(form, c.from, c.to, c.step, ui);
        ASSERT_TRUE(table) << c.from << ".." << c.to;
        EXPECT_EQ(levelsOf(*table), c.levels) << c.from << ".." << c.to << " at " << c.step;
        EXPECT_TRUE(ui.shown.empty());
    }
}

TEST(CapacityTable, FractionalIntervalDoesNotDrift) {
    MemoryForm form = circularForm("2500", "5000");
    testsupport::RecordingUi ui;
    auto table = walk(form, "0", "2000", "0.1", ui);
    ASSERT_TRUE(table);
    const auto levels = levelsOf(*table);
    ASSERT_EQ(levels.size(), 20001u);
    EXPECT_EQ(levels[3], "0.3");
    EXPECT_EQ(levels[12345], "1234.5");
    EXPECT_EQ(levels[19999], "1999.9");
    EXPECT_EQ(levels[20000], "2000");
    for (const std::string& level : levels) {
        ASSERT_LE(level.size(), 6u) << level;  // no 15-digit tails
    }
}

TEST(CapacityTable, RowsOfTheWholeTankExample) {
    MemoryForm form = circularForm("2000", "5000");
    testsupport::RecordingUi ui;
    auto table = walk(form, "0", "2000", "1000", ui);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->tableRows,
              (std::vector<std::string>{"0,0.00", "1000,8979.72", "2000,17959.44"}));
    EXPECT_TRUE(table->weightTexts.empty());
    EXPECT_EQ(table->config.shellKind, ShellKind::Horizontal);
    EXPECT_EQ(table->config.rowsPerBlock, 200);
    EXPECT_EQ(table->config.parameterSummary.substr(0, 21), "计算参数如下：");
}

TEST(CapacityTable, WeightsOnePerRow) {
    MemoryForm form = circularForm("2000", "5000");
    setTexts(form, {{"Edit13", "12.5"}, {"Edit37", "0.85"}, {"ComboBox1", "g/cm^3"}});
    form.setChecked("RadioButton21", true);
    form.setChecked("RadioButton14", true);
    form.setChecked("CheckBox1", true);
    testsupport::RecordingUi ui;
    auto table = walk(form, "0", "1000", "500", ui);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->tableRows,
              (std::vector<std::string>{"0,12.50", "500,3083.42", "1000,7866.48"}));
    EXPECT_EQ(table->weightTexts, (std::vector<std::string>{"10.63", "2620.91", "6686.51"}));
}

TEST(CapacityTable, DensityThatIsNotANumberEndsTheRequestBeforeTheFirstRow) {
    MemoryForm form = circularForm("2000", "5000");
    form.setChecked("CheckBox1", true);
    form.setText("ComboBox1", "Kg/m^3");
    for (const char* density : {"", "0.8.5"}) {
        form.setText("Edit37", density);
        testsupport::RecordingUi ui;
        EXPECT_FALSE(walk(form, "0", "10", "1", ui));
        EXPECT_EQ(ui.errors(),
                  std::vector<std::string>{"“" + std::string(density) + "”不是有效的数字"});
    }
}

TEST(CapacityTable, RefusedRequests) {
    struct Case {
        const char* from;
        const char* to;
        const char* step;
        std::string message;
    };
    const Case cases[] = {
        {"0", "1000", "0", "液位间距必须大于0！"},
        {"600", "500", "0", "液位间距必须大于0！"},
        {"0", "1000", "-1", "液位间距必须大于0！"},
        {"0", "1000", "0.001", "容积表行数过多：将有 1000001 行，最多 1000000 行！"},
        {"0", "1000", "0.0000001", "容积表行数过多：将有 10000000001 行，最多 1000000 行！"},
        {"600", "500", "1", "起始液位 600 毫米高于终止液位 500 毫米，容积表没有一行！"},
        {"3500", "9999", "1", "起始液位 3500 毫米高于终止液位 3000 毫米（罐高），容积表没有一行！"},
    };
    for (const auto& c : cases) {
        MemoryForm form = circularForm("3000", "5000");
        testsupport::RecordingUi ui;
        EXPECT_FALSE(walk(form, c.from, c.to, c.step, ui)) << c.step;
        EXPECT_EQ(ui.messages(), std::vector<std::string>{c.message}) << c.step;
    }
}

TEST(CapacityTable, RowCountOfAnyLengthIsWrittenWhole) {
    // 3000 mm at 1e-300 mm: 3 × 10^303 rows, every digit in the message.
    MemoryForm form = circularForm("3000", "5000");
    testsupport::RecordingUi ui;
    EXPECT_FALSE(walk(form, "0", "3000", "0." + std::string(299, '0') + "1", ui));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_TRUE(std::regex_match(
        ui.messages()[0], std::regex("容积表行数过多：将有 [1-9][0-9]{303} 行，最多 1000000 行！")))
        << ui.messages()[0];
}

TEST(CapacityTable, AMillionRowsExactlyIsATable) {
    MemoryForm form = circularForm("3000", "5000");
    testsupport::RecordingUi ui;
    auto table = walk(form, "0", "999.999", "0.001", ui);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->tableRows.size(), 1000000u);
    EXPECT_EQ(table->tableRows.back().substr(0, 8), "999.999,");
}

TEST(CapacityTable, StoppedReadingAndErrorsGiveNoTable) {
    MemoryForm missing = circularForm("", "5000");
    testsupport::RecordingUi ui;
    EXPECT_FALSE(testsupport::heldTable(missing, ui));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"呵呵，中间圆筒数据还没输完呢！"});

    MemoryForm bad = circularForm("20OO", "5000");
    testsupport::RecordingUi errors;
    EXPECT_FALSE(testsupport::heldTable(bad, errors));
    EXPECT_EQ(errors.errors(), std::vector<std::string>{"“20OO”不是有效的数字"});

    MemoryForm dished = circularForm("2000", "5000");
    dished.setChecked("RadioButton6", true);
    setTexts(dished, {{"Edit45", "40"}, {"Edit46", "40"}, {"Edit47", "2000"}});
    testsupport::RecordingUi zero;
    EXPECT_FALSE(testsupport::heldTable(dished, zero));
    EXPECT_EQ(zero.errors(), std::vector<std::string>{"浮点数除以零"});
}

TEST(CapacityTable, FailingLevelKeepsThePreviousRow) {
    // Points (0, 0), (1000, 5000), (1000, 6000): above 1000 the last segment divides by zero.
    MemoryForm form = testsupport::startedForm(3);
    form.setItemIndex("ComboBox2", 0);
    form.grid().setRowCount(4);
    const char* cells[3][2] = {{"0", "0"}, {"1000", "5000"}, {"1000", "6000"}};
    for (int row = 1; row <= 3; ++row) {
        form.grid().setCell(1, row, cells[row - 1][0]);
        form.grid().setCell(2, row, cells[row - 1][1]);
    }
    testsupport::RecordingUi ui;
    auto table = walk(form, "500", "1500", "500", ui);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->tableRows,
              (std::vector<std::string>{"500,2500.00", "1000,6000.00", "1500,6000.00"}));
    EXPECT_EQ(table->config.shellKind, ShellKind::Calibrated);
}

TEST(TableLevels, CountAndLevels) {
    const TableLevels levels(0, 1000, 300);
    EXPECT_EQ(levels.count(), 5);
    EXPECT_EQ(levels[3], 900);
    EXPECT_EQ(levels[4], 1000);
    EXPECT_EQ(TableLevels(0, 3000, 0.01).count(), 300001);
    EXPECT_EQ(TableLevels(10, 5, 1).count(), 0);
}

}  // namespace
}  // namespace quorvel::app
