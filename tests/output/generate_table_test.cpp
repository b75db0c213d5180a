// The generate button from the form to the opened workbook.
#include "output/generate_table.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/recording_ui.h"
#include "support/scratch_folder.h"
#include "form/memory_form.h"
#include "form/table_defaults.h"
#include "support/xlsx_reader.h"

namespace quorvel {
namespace {

using testing_support::readBytes;
using testing_support::readXlsx;
using testing_support::ScratchFolder;
using testing_support::writeBytes;

// The program folder as the program records it: no trailing separator.
std::string folderOf(const ScratchFolder& folder) {
    std::string f = folder.file("x");
    return f.substr(0, f.size() - 2);
}

MemoryForm circularTank() {
    MemoryForm form = MemoryForm::designed();
    applyTableDefaults(form);
    form.setActivePage(0);
    form.setItemIndex("ComboBox3", 0);
    form.setItemIndex("ComboBox4", 1);
    form.setText("Edit1", "2000");
    form.setText("Edit2", "5000");
    form.setText("Edit6", "900");
    form.setText("Edit7", "1100");
    form.setText("Edit8", "100");
    return form;
}

TEST(GenerateTable, WritesTheWalkedRowsAndOpensTheWorkbook) {
    ScratchFolder folder;
    const std::string path = workbookPath(folderOf(folder));
    EXPECT_EQ(path, folderOf(folder) + "/~001.xlsx");
    MemoryForm form = circularTank();
    RecordingUi ui;
    const auto result = generateCapacityTable(form, ui, path);
    ASSERT_TRUE(result);
    EXPECT_TRUE(result->saved);
    // A subtracted right head cancels the left one: the circular segment over 5050 mm.
    EXPECT_EQ(result->table.tableRows,
              (std::vector<std::string>{"900,6924.21", "1000,7932.52", "1100,8940.84"}));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].caption, "系统提示");
    EXPECT_EQ(ui.shown[1].kind, ShownBox::Kind::Open);
    EXPECT_EQ(ui.shown[1].text, path);
    const auto sheet = readXlsx(path).sheets.at(0);
    EXPECT_DOUBLE_EQ(sheet.at(4, 1).number, 1000);
    EXPECT_DOUBLE_EQ(sheet.at(4, 2).number, 7932.52);
}

TEST(GenerateTable, AStoppedRequestAsksNothingAndLeavesTheEarlierWorkbook) {
    ScratchFolder folder;
    const std::string path = workbookPath(folderOf(folder));
    writeBytes(path, "earlier");
    MemoryForm form = circularTank();
    form.setText("Edit2", "");
    RecordingUi ui;
    EXPECT_FALSE(generateCapacityTable(form, ui, path));
    EXPECT_EQ(ui.messages(), std::vector<std::string>{"呵呵，中间圆筒数据还没输完呢！"});
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(readBytes(path), "earlier");
}

TEST(GenerateTable, AnsweringNoKeepsTheRowsButWritesNothing) {
    ScratchFolder folder;
    const std::string path = workbookPath(folderOf(folder));
    MemoryForm form = circularTank();
    RecordingUi ui;
    ui.answers.push_back(MessageAnswer::No);
    const auto result = generateCapacityTable(form, ui, path);
    ASSERT_TRUE(result);
    EXPECT_FALSE(result->saved);
    EXPECT_EQ(result->table.tableRows.size(), 3u);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace quorvel
