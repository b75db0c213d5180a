// A table to issue, as both front ends run it: the example tank on paper (its pages and every
// row's numbers), "另存为…" with its proposed name, the file names proposed.
#include <gtest/gtest.h>

#include <sstream>

#include "app/memory_window.h"
#include "app/start_and_close.h"
#include "app/table_documents.h"
#include "app/table_job.h"
#include "support/command_output.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"

namespace quorvel::app {
namespace {

using testsupport::commandOutput;
using testsupport::TempFolder;

// The example settings and points as the window loads them, the identity filled in.
MemoryWindow exampleWindow() {
    MemoryWindow window;
    window.form().setActivePage(0);
    loadStoredFiles(window, std::string(QUORVEL_EXAMPLES_DIR) + "/Config.ini",
                    std::string(QUORVEL_EXAMPLES_DIR) + "/bd.txt");
    finishStartUp(window);
    for (const auto& [control, value] : {std::pair{"Edit49", "T-101"},
                                         {"Edit50", "某某油库"},
                                         {"Edit54", "2026-12-09"},
                                         {"Edit56", "张三"},
                                         {"Edit57", "李四"},
                                         {"Edit48", "2650"}}) {
        window.setText(control, value);
    }
    window.setChecked("CheckBox3", true);
    return window;
}

TEST(TablePdf, ExampleTankTakesThreePagesAndShowsEveryRow) {
    struct Case {
        const char* step;
        std::size_t rows;
        int pages;
    } cases[] = {{"10", 261, 3}, {"1", 2601, 24}};
    for (const Case& c : cases) {
        MemoryWindow window = exampleWindow();
        window.setText("Edit8", c.step);
        testsupport::RecordingUi ui;
        std::optional<TableJob> job = TableJob::read(window, ui, Method::Classic, true);
        ASSERT_TRUE(job && job->walk(RowKeeping::Held));
        const CapacityTable* table = &job->held();
        ASSERT_EQ(table->tableRows.size(), c.rows);
        TempFolder folder;
        const std::string path = folder.file("t.pdf");
        EXPECT_EQ(job->writePdf(path), c.pages);
        EXPECT_EQ(testsupport::pdfPages(path), c.pages);
        EXPECT_TRUE(ui.shown.empty());
        // Every row's number, level, volume and weight, in reading order.
        std::istringstream words(commandOutput("pdftotext -raw '" + path + "' -"));
        std::string word;
        std::size_t found = 0;
        const auto next = [&](const std::string& expected) {
            while (words >> word) {
                if (word == expected)
                    return true;
            }
            return false;
        };
        for (std::size_t i = 0; i < c.rows; ++i) {
            const std::string& row = table->tableRows[i];
            const auto comma = row.find(',');
            if (next(std::to_string(i + 1)) && next(row.substr(0, comma)) &&
                next(row.substr(comma + 1)) && next(table->weightTexts[i])) {
                ++found;
            }
        }
        EXPECT_EQ(found, c.rows) << c.step;
    }
}

TEST(SaveTableAs, WritesTheWorkbookUnderTheChosenNameWithoutAskingOrOpening) {
    MemoryWindow window = exampleWindow();
    TempFolder folder;
    testsupport::RecordingUi ui;
    ui.saveAnswers = {folder.file("T-101 表"), std::nullopt};
    EXPECT_EQ(saveTableAs(window, ui, "2030-01-01").path, folder.file("T-101 表.xlsx"));
    EXPECT_EQ(ui.saveRequests,
              (std::vector<SaveFileRequest>{{"罐容表_T-101_2026-12-09.xlsx", "xlsx", "*.xlsx"}}));
    ASSERT_EQ(ui.shown.size(), 1u);  // the dialog only: no question, nothing opened
    EXPECT_EQ(ui.shown[0].kind, testsupport::ShownBox::Kind::SaveDialog);
    const auto book = testsupport::readXlsx(folder.file("T-101 表.xlsx"));
    EXPECT_EQ(book.sheets.at(0).at(0, 0).text, "罐容表");
    // Cancelled: nothing written.
    EXPECT_EQ(saveTableAs(window, ui, "2030-01-01").path, "");
    EXPECT_EQ(folder.entryCount(), 1u);
}

// A name that is taken is replaced only on "是"; "否" shows the dialog again on that name.
TEST(SaveTableAs, AsksBeforeReplacingAFile) {
    MemoryWindow window = exampleWindow();
    TempFolder folder;
    const std::string path = folder.file("表.xlsx");
    testsupport::writeBytes(path, "old");
    testsupport::RecordingUi ui;
    ui.saveAnswers = {folder.file("表"), path};
    ui.answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_EQ(saveTableAs(window, ui, "2030-01-01").path, path);
    ASSERT_EQ(ui.saveRequests.size(), 2u);
    EXPECT_EQ(ui.saveRequests[1].proposedName, path);
    const testsupport::ShownBox question{testsupport::ShownBox::Kind::Box,
                                         "“" + path + "”已存在。\n要替换它吗？", "确认另存为",
                                         MessageButtons::YesNo, MessageIcon::Warning};
    ASSERT_EQ(ui.shown.size(), 4u);  // dialog, question, dialog, question
    EXPECT_EQ(ui.shown[1], question);
    EXPECT_EQ(ui.shown[3], question);
    EXPECT_EQ(testsupport::readXlsx(path).sheets.at(0).at(0, 0).text, "罐容表");
}

TEST(ProposedTableName, FromTankNumberAndDate) {
    struct Case {
        const char* tank;
        const char* date;
        const char* expected;
    } cases[] = {
        {"T-101", "2026-12-09", "罐容表_T-101_2026-12-09.xlsx"},
        {"", "2026-12-09", "罐容表_2026-12-09.xlsx"},
        {"T-101", "", "罐容表_T-101_2031-05-06.xlsx"},  // no date: today's
        {"3/4#罐", "2026/12/09", "罐容表_3-4#罐_2026-12-09.xlsx"},
        {"a:b*c?\"d\"<e>|f\\g", "", "罐容表_a-b-c--d--e--f-g_2031-05-06.xlsx"},
    };
    // Cut between characters to the file system's 255 bytes, the tank number first.
    std::string tanks, kept;
    for (int i = 0; i < 100; ++i) {
        tanks += "罐";
        kept += i < 76 ? "罐" : "";
    }
    const std::string longDate(300, '9');
    const struct {
        std::string tank, date, expected;
    } longCases[] = {
        {tanks, "2026-12-09", "罐容表_" + kept + "_2026-12-09.xlsx"},
        {"T-1", longDate, "罐容表_" + std::string(240, '9') + ".xlsx"},
    };
    for (const auto& c : longCases) {
        TableIdentity identity;
        identity.values[0] = c.tank;
        identity.values[5] = c.date;
        EXPECT_EQ(proposedTableName(identity, "2031-05-06", "xlsx"), c.expected);
    }
    for (const Case& c : cases) {
        TableIdentity identity;
        identity.values[0] = c.tank;
        identity.values[5] = c.date;
        EXPECT_EQ(proposedTableName(identity, "2031-05-06", "xlsx"), c.expected) << c.tank;
    }
    EXPECT_EQ(withSuffix("a.XLSX", "xlsx"), "a.XLSX");
    EXPECT_EQ(withSuffix("T-1.01", "pdf"), "T-1.01.pdf");
}

}  // namespace
}  // namespace quorvel::app
