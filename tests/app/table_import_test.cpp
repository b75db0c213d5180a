// A capacity table issued elsewhere made the calibration points: what is found in it, what the
// window asks and replaces, and a workbook of this program coming back as exactly its rows.
#include "app/table_import.h"

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "app/memory_window.h"
#include "app/start_and_close.h"
#include "app/table_job.h"
#include "form/calibration_grid.h"
#include "store/grid_file.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "tank/tank_reader.h"

namespace quorvel::app {
namespace {

const std::string kGolden = QUORVEL_GOLDEN_DIR;

std::string withGolden(std::string text) {
    const std::string mark = "{golden}";
    if (const auto at = text.find(mark); at != std::string::npos)
        text.replace(at, mark.size(), kGolden);
    return text;
}

// golden/app/table_import.json: each file's faults, warnings and summary, word for word.
TEST(TableImport, FindsWhatEachFileHolds) {
    std::ifstream in(kGolden + "/app/table_import.json");
    const nlohmann::json cases = nlohmann::json::parse(in)["cases"];
    ASSERT_EQ(cases.size(), 11U);
    for (const nlohmann::json& c : cases) {
        SCOPED_TRACE(c["file"].get<std::string>());
        const TableImport table = readTableImport(kGolden + "/" + c["file"].get<std::string>());
        std::vector<std::string> faults, warnings;
        for (const auto& f : c["faults"])
            faults.push_back(withGolden(f));
        for (const auto& w : c["warnings"])
            warnings.push_back(w);
        EXPECT_EQ(table.faults, faults);
        EXPECT_EQ(table.warnings, warnings);
        EXPECT_EQ(table.summary, c["summary"]);
    }
}

// A calibrated window with two points of its own.
MemoryWindow twoPointWindow() {
    MemoryWindow window;
    window.form().setActivePage(3);
    finishStartUp(window);
    window.setText("ComboBox2", "2");
    choosePointCount(window.grid(), 2);
    for (int row : {2, 3}) {
        window.grid().setCell(1, row, std::to_string(row * 100));
        window.grid().setCell(2, row, std::to_string(row * 1000));
    }
    return window;
}

TEST(TableImport, TheWindowRefusesFaultsAndAsksAboutWarnings) {
    const std::string kink = kGolden + "/app/import/kink.csv";
    MemoryWindow window = twoPointWindow();
    CalibrationPage page;
    testsupport::RecordingUi ui;
    // Faults: an error box, nothing replaced.
    EXPECT_FALSE(importTable(window, ui, page, kGolden + "/app/import/level_falls.csv"));
    ASSERT_EQ(ui.shown.size(), 1U);
    EXPECT_EQ(ui.shown[0],
              (testsupport::ShownBox{testsupport::ShownBox::Kind::Box,
                                     "罐容表“level_falls.csv”有以下错误，未导入：\n"
                                     "第 5 行：高度 15 mm 小于上一点的 20 mm，高度未递增",
                                     "导入罐容表", MessageButtons::Ok, MessageIcon::Error}));
    EXPECT_EQ(window.status(), "未导入罐容表“level_falls.csv”");
    // Warnings declined: nothing replaced.
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_FALSE(importTable(window, ui, page, kink));
    ASSERT_EQ(ui.shown.size(), 2U);
    EXPECT_EQ(ui.shown[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui.shown[1].icon, MessageIcon::Warning);
    EXPECT_TRUE(ui.shown[1].text.starts_with(
        "罐容表“kink.csv”读到 21 个标定点，高度 0 ～ 200 mm，发现以下疑点：\n第 10 行："));
    EXPECT_TRUE(ui.shown[1].text.ends_with("\n\n是否仍然导入？导入将替换现有的标定点。"));
    EXPECT_EQ(window.grid().rowCount(), 4);
    EXPECT_EQ(window.cell(1, 3), "300");
    // Accepted: the 21 points replace the grid and its count.
    EXPECT_TRUE(importTable(window, ui, page, kink));
    EXPECT_EQ(window.text("ComboBox2"), "20");
    EXPECT_EQ(window.grid().rowCount(), 22);
    EXPECT_EQ(window.cell(0, 21), "21");
    EXPECT_EQ(window.cell(1, 11), "100");
    EXPECT_EQ(window.cell(2, 11), "1100");
    EXPECT_EQ(window.status(),
              "已导入罐容表“kink.csv”：读到 21 个标定点，高度 0 ～ 200 mm，原有标定点已替换");
}

// The example tank's workbook at 1 mm (2,601 rows in column blocks, weights, increments, the
// title block) comes back as exactly its rows, beyond the 999 points the list offered, and
// survives bd.txt as a grid of 2,600 points.
TEST(TableImport, AWorkbookOfThisProgramComesBackAsItsRows) {
    MemoryWindow window;
    window.form().setActivePage(0);
    loadStoredFiles(window, std::string(QUORVEL_EXAMPLES_DIR) + "/Config.ini",
                    std::string(QUORVEL_EXAMPLES_DIR) + "/bd.txt");
    finishStartUp(window);
    window.setText("Edit49", "T-101");
    window.setChecked("CheckBox3", true);
    window.setText("Edit8", "1");
    testsupport::RecordingUi ui;
    std::optional<TableJob> job = TableJob::read(window, ui, Method::Classic, true);
    ASSERT_TRUE(job && job->walk(RowKeeping::Held));
    testsupport::TempFolder folder;
    ASSERT_TRUE(job->saveWorkbook(folder.file("t.xlsx"), {false, nullptr}));

    const TableImport table = readTableImport(folder.file("t.xlsx"));
    EXPECT_TRUE(table.faults.empty());
    const std::vector<std::string>& rows = job->held().tableRows;
    ASSERT_EQ(table.points.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LevelVolumePoint& p = table.points[i];
        ASSERT_EQ(
            rows[i], std::to_string(static_cast<int>(p.level)) + "," +
                         [&] {
                             char text[32];
                             std::snprintf(text, sizeof text, "%.2f", p.volume);
                             return std::string(text);
                         }())
            << i;
    }

    CalibrationPage page;
    replaceGridPoints(window, page, table.points);
    SaveStringGrid(window.grid(), folder.file("bd.txt"));
    MemoryWindow again;
    again.form().setActivePage(3);
    loadStoredFiles(again, std::nullopt, folder.file("bd.txt"));
    finishStartUp(again);
    EXPECT_EQ(again.text("ComboBox2"), "2600");
    const Outcome<TankConfig> tank = buildTankConfig(again);
    ASSERT_TRUE(tank);
    EXPECT_EQ((*tank).calibrationPoints.size(), 2601U);
}

}  // namespace
}  // namespace quorvel::app
