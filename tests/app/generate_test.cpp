// The generate button from the form to the opened workbook, as the window and quorvel-table
// both run it.
#include <filesystem>

#include <gtest/gtest.h>

#include "app/memory_window.h"
#include "app/window_operations.h"
#include "support/file_size_limit.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"

namespace quorvel::app {
namespace {

using testsupport::readBytes;
using testsupport::readXlsx;
using testsupport::TempFolder;
using testsupport::writeBytes;

// The window after its start-up with a circular tank whose right head is subtracted.
struct Generate : ::testing::Test {
    Generate() : ops(window, ui, ProgramFiles{folder.path().string(), ""}) {
        ops.start();
        window.form().setActivePage(0);
        window.setChecked("RadioButton1", true);
        window.setChecked("RadioButton7", true);
        window.setChecked("RadioButton22", true);
        window.setItemIndex("ComboBox4", 1);
        window.setText("Edit1", "2000");
        window.setText("Edit2", "5000");
        window.setText("Edit6", "900");
        window.setText("Edit7", "1100");
        window.setText("Edit8", "100");
    }
    std::string workbook() const { return folder.file("~001.xlsx"); }

    TempFolder folder;
    MemoryWindow window;
    testsupport::RecordingUi ui;
    WindowOperations ops;
};

TEST_F(Generate, WritesTheWalkedRowsOpensTheWorkbookAndKeepsTheRows) {
    std::vector<std::size_t> progress;
    EXPECT_TRUE(ops.generate([&](std::size_t done, std::size_t) { progress.push_back(done); }));
    // A subtracted right head cancels the left one: the circular segment over 5050 mm.
    const std::vector<std::string> rows{"900,6924.21", "1000,7932.52", "1100,8940.84"};
    EXPECT_EQ(window.rows(), rows);
    EXPECT_TRUE(window.weights().empty());
    EXPECT_EQ(progress.back(), 3u);
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].caption, "系统提示");
    EXPECT_EQ(ui.shown[1].kind, testsupport::ShownBox::Kind::Open);
    EXPECT_EQ(ui.shown[1].text, workbook());
    const auto sheet = readXlsx(workbook()).sheets.at(0);
    EXPECT_DOUBLE_EQ(sheet.at(4, 1).number, 1000);
    EXPECT_DOUBLE_EQ(sheet.at(4, 2).number, 7932.52);
    EXPECT_EQ(window.curve().points.size(), 3u);

    // A request that stops asks nothing, keeps the rows of the last table and its workbook.
    writeBytes(workbook(), "earlier");
    window.setText("Edit2", "");
    ui.shown.clear();
    EXPECT_FALSE(ops.generate());
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"呵呵，中间圆筒数据还没输完呢！"});
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(window.rows(), rows);
    EXPECT_EQ(readBytes(workbook()), "earlier");
}

TEST_F(Generate, AnsweringNoKeepsTheRowsButWritesNothing) {
    ui.answers.push_back(MessageAnswer::No);
    EXPECT_FALSE(ops.generate());
    EXPECT_EQ(window.rows().size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(workbook()));
}

// The workbook library's temporary files fail without a word when their folder is full — here
// a file size limit that the workbook fits under and the worksheet's temporary file does not.
// The workbook is read through before it replaces anything: the save stops, naming the folder
// ($TMPDIR) and the system's reason, and the earlier workbook stays.
TEST_F(Generate, AFullTemporaryFolderStopsTheSaveAndKeepsTheEarlierWorkbook) {
    const std::string temporary = folder.file("tmp");
    std::filesystem::create_directory(temporary);
    ::setenv("TMPDIR", temporary.c_str(), 1);
    writeBytes(workbook(), "earlier");
    window.setText("Edit6", "0");
    window.setText("Edit7", "2000");
    window.setText("Edit8", "0.1");  // 20,001 rows
    window.setText("Edit9", "5000");
    {
        testsupport::FileSizeLimit limit(1 << 20);
        EXPECT_FALSE(ops.generate());
    }
    ::unsetenv("TMPDIR");
    EXPECT_EQ(ui.errors(), std::vector<std::string>{
                               "临时文件夹“" + temporary +
                               "”无法写入临时文件：文件太大。\n文件没有保存，原来的文件保持不变。"
                               "请在这个文件夹中腾出空间，或把环境变量 TMPDIR "
                               "指向空间足够的文件夹后再试。"});
    EXPECT_EQ(readBytes(workbook()), "earlier");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"~001.xlsx", "tmp"}));
}

}  // namespace
}  // namespace quorvel::app
