#include "output/capacity_workbook.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "output/row_spool.h"
#include "support/command_output.h"
#include "support/file_size_limit.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"

namespace quorvel {
namespace {

using testsupport::readBytes;
using testsupport::ReadSheet;
using testsupport::readXlsx;
using testsupport::TempFolder;
using testsupport::writeBytes;

const std::string kSummary =
    "计算参数如下：\r\n中间筒体：水平正直圆柱体，内径：2000 mm，筒体长度：5000 mm\r\n"
    "左封头：标准椭圆封头\r\n右封头：标准椭圆封头\r\n"
    "液位高度对应容积=中间筒体容积加上左封头容积加上右封头容积";

const std::string kFooter =
    "本罐容表由 Quorvel 生成。\r\n"
    "如有疑问，请查阅 Quorvel 帮助文件（help.chm）或访问 Quorvel 项目主页。";

std::string twoDecimals(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    return buffer;
}

// The inputs of one workbook, owned so that the input struct can refer to them.
struct Table {
    std::vector<std::string> rows;
    std::vector<std::string> weights;
    bool useDensity = false;
    std::string summary = kSummary;
    ShellKind shell = ShellKind::Horizontal;
    int rowsPerBlock = 200;

    // Rows at levels 0, 10, 20 … with volumes and weights that differ in every row.
    static Table generated(std::size_t count, bool useDensity, int n) {
        Table t;
        t.useDensity = useDensity;
        t.rowsPerBlock = n;
        for (std::size_t i = 0; i < count; ++i) {
            t.rows.push_back(std::to_string(i * 10) + "," + twoDecimals(i * 1.25 + 0.01));
            if (useDensity)
                t.weights.push_back(twoDecimals(i * 0.85 + 0.02));
        }
        return t;
    }

    HeldRows held() const { return HeldRows(rows, weights); }
    CapacityWorkbookInput input(const TableRows& kept) const {
        return {kept, useDensity, summary, shell, rowsPerBlock};
    }

    // The writer's own boxes go to `ui`; what it throws, its caller shows in the standard
    // error box, as the recording does here.
    bool save(const std::string& path, testsupport::RecordingUi& ui) const {
        try {
            return SaveFileToExcel3(input(held()), path, ui);
        } catch (const std::exception& e) {
            ui.showError(e.what());
            return false;
        }
    }
};

ReadSheet onlySheet(const std::string& path) {
    auto book = readXlsx(path);
    EXPECT_EQ(book.sheets.size(), 1u);
    return book.sheets.at(0);
}

testsupport::ShownBox promptBox(const std::string& summary) {
    return {testsupport::ShownBox::Kind::Box, summary + "\r\n\r\n    是否继续？", "系统提示",
            MessageButtons::YesNo, MessageIcon::Information};
}

testsupport::ShownBox errorBox(const std::string& text) {
    return {testsupport::ShownBox::Kind::Box, text, "错误", MessageButtons::Ok, MessageIcon::Error};
}

testsupport::ShownBox openedFile(const std::string& path) {
    return {testsupport::ShownBox::Kind::Open, path, "", MessageButtons::Ok, MessageIcon::None};
}

testsupport::ShownBox standardError(const std::string& text) {
    return {testsupport::ShownBox::Kind::Error, text, "", MessageButtons::Ok, MessageIcon::Error};
}

TEST(CapacityWorkbook, AsksThenWritesTitleAndOpensTheFile) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    Table table = Table::generated(3, false, 200);
    ASSERT_TRUE(table.save(path, ui));
    EXPECT_EQ(ui.shown,
              (std::vector<testsupport::ShownBox>{promptBox(kSummary), openedFile(path)}));

    const ReadSheet sheet = onlySheet(path);
    EXPECT_EQ(sheet.name, "罐容表");
    const auto& title = sheet.at(0, 0);
    EXPECT_EQ(title.text, kSummary + "\r\n\r\n" + kFooter);
    EXPECT_EQ(title.font, "Arial Black");
    EXPECT_EQ(title.size, 11);
    EXPECT_FALSE(title.bold);
    EXPECT_EQ(title.alignV, "top");
    EXPECT_TRUE(title.shrink);
    EXPECT_EQ(sheet.rowHeights.at(0), 200);
    EXPECT_EQ(sheet.rowFonts.at(0), "Arial Black");
    EXPECT_EQ(sheet.merges, (std::vector<std::array<int, 4>>{{0, 0, 0, 10}}));
    for (int col = 0; col < 11; ++col) {
        EXPECT_EQ(sheet.has(1, col), false) << "row 1 stays empty";
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"~001.xlsx"});
}

TEST(CapacityWorkbook, CalibratedTankReplacesTheSummary) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    Table table = Table::generated(2, false, 200);
    table.shell = ShellKind::Calibrated;
    ASSERT_TRUE(table.save(path, ui));
    EXPECT_EQ(ui.shown.at(0), promptBox("罐容标定"));
    EXPECT_EQ(onlySheet(path).at(0, 0).text, "罐容标定\r\n\r\n" + kFooter);
}

struct BlockCase {
    const char* name;
    std::size_t count;
    int rowsPerBlock;
    bool weights;
    std::size_t blocks;
    int n;  // rows per block in effect
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.name;
}

class CapacityWorkbookBlocks : public testing::TestWithParam<BlockCase> {};

TEST_P(CapacityWorkbookBlocks, LaysRowsOutInColumnBlocks) {
    const BlockCase& c = GetParam();
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    const Table table = Table::generated(c.count, c.weights, c.rowsPerBlock);
    ASSERT_TRUE(table.save(path, ui));
    const ReadSheet sheet = onlySheet(path);

    const int w = c.weights ? 4 : 3;
    std::vector<std::string> headers{"序号", "高度mm", "容积L"};
    std::vector<double> widths{6.7109375, 8.7109375, 11.7109375};  // 6, 8, 11 plus padding
    if (c.weights) {
        headers.push_back("重量Kg");
        widths.push_back(11.7109375);
    }
    for (std::size_t b = 0; b < c.blocks; ++b) {
        for (int k = 0; k < w; ++k) {
            const int col = static_cast<int>(b) * w + k;
            const auto& header = sheet.at(2, col);
            EXPECT_EQ(header.text, headers[static_cast<std::size_t>(k)]) << "column " << col;
            EXPECT_TRUE(header.bold);
            EXPECT_EQ(header.alignH, "center");
            EXPECT_EQ(header.fillPattern, "solid");
            EXPECT_EQ(header.fillRgb, b % 2 == 0 ? "FFFFCC99" : "FFFFFF99") << "block " << b;
            EXPECT_EQ(sheet.colWidths.at(col), widths[static_cast<std::size_t>(k)]);
        }
    }
    const int usedColumns = static_cast<int>(c.blocks) * w;
    EXPECT_FALSE(sheet.has(2, usedColumns)) << "no header after the last block";
    EXPECT_EQ(sheet.colWidths.count(usedColumns), 0u);

    for (std::size_t i = 0; i < c.count; ++i) {
        const int col = static_cast<int>(i / static_cast<std::size_t>(c.n)) * w;
        const int row = 3 + static_cast<int>(i % static_cast<std::size_t>(c.n));
        const auto& number = sheet.at(row, col);
        EXPECT_EQ(number.number, static_cast<double>(i + 1));
        EXPECT_EQ(number.numberFormat, "General");
        EXPECT_EQ(number.alignH, "center");
        EXPECT_EQ(sheet.at(row, col + 1).number, static_cast<double>(i * 10));
        EXPECT_EQ(sheet.at(row, col + 1).numberFormat, "General");
        const auto& volume = sheet.at(row, col + 2);
        EXPECT_EQ(volume.number, std::strtod(twoDecimals(i * 1.25 + 0.01).c_str(), nullptr));
        EXPECT_EQ(volume.numberFormat, "0.00");
        EXPECT_EQ(volume.alignH, "center");
        if (c.weights) {
            EXPECT_EQ(sheet.at(row, col + 3).number,
                      std::strtod(twoDecimals(i * 0.85 + 0.02).c_str(), nullptr));
            EXPECT_EQ(sheet.at(row, col + 3).numberFormat, "0.00");
        }
    }
    // Numbers, headers and the title are all the file holds.
    EXPECT_EQ(sheet.cells.size(),
              1 + static_cast<std::size_t>(usedColumns) + c.count * static_cast<std::size_t>(w));
}

INSTANTIATE_TEST_SUITE_P(Tables, CapacityWorkbookBlocks,
                         testing::Values(BlockCase{"CountEqualsN", 4, 4, false, 1, 4},
                                         BlockCase{"TwiceN", 8, 4, false, 2, 4},
                                         BlockCase{"TwiceNPlusOne", 9, 4, true, 3, 4},
                                         BlockCase{"ManyBlocksWithWeights", 23, 3, true, 8, 3},
                                         BlockCase{"OneRowPerBlock", 5, 1, false, 5, 1},
                                         BlockCase{"EmptyTable", 0, 200, false, 1, 200},
                                         BlockCase{"EmptyTableWithWeights", 0, 200, true, 1, 200}),
                         [](const testing::TestParamInfo<BlockCase>& info) {
                             return info.param.name;
                         });

TEST(CapacityWorkbook, SecondBlockEndsOnRowTwoPlusN) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    ASSERT_TRUE(Table::generated(400, true, 200).save(path, ui));
    const ReadSheet sheet = onlySheet(path);
    EXPECT_EQ(sheet.at(3, 4).number, 201);    // the second block continues the numbering
    EXPECT_EQ(sheet.at(202, 4).number, 400);  // and ends on sheet row 2 + N
    EXPECT_FALSE(sheet.has(203, 4));
    EXPECT_FALSE(sheet.has(2, 8));
}

TEST(CapacityWorkbook, NumbersEqualTheRowTexts) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    Table table;
    table.useDensity = true;
    table.rows = {"0,0.00",      "12.5,157.08",    "0.3,0.01",        "1250,2500.00",
                  "-5,0.00",     "1999.9,6283.18", "2000,6283185.31", "12345.6789,99999999.99",
                  "1E-05,123.45"};
    table.weights = {"0.00",    "133.52",     "0.01",        "2125.00", "0.00",
                     "5340.70", "5340707.51", "84999999.99", "104.93"};
    ASSERT_TRUE(table.save(path, ui));
    const ReadSheet sheet = onlySheet(path);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const std::string& text = table.rows[i];
        const std::size_t comma = text.find(',');
        const int row = 3 + static_cast<int>(i);
        EXPECT_EQ(sheet.at(row, 1).number, std::strtod(text.substr(0, comma).c_str(), nullptr))
            << text;
        EXPECT_EQ(sheet.at(row, 2).number, std::strtod(text.substr(comma + 1).c_str(), nullptr))
            << text;
        EXPECT_EQ(sheet.at(row, 3).number, std::strtod(table.weights[i].c_str(), nullptr));
    }
}

// Every part of a workbook but its creation time, as text.
std::string bookParts(const std::string& path) {
    return testsupport::commandOutput(
        "python3 -c 'import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
        "[print(n, z.read(n)) for n in z.namelist() if n != \"docProps/core.xml\"]' '" +
        path + "'");
}

// A table too long to hold is written from rows spooled to disk; its workbook must be the held
// table's, part for part: rows kept in memory and rows read back from the file, across several
// bands of column blocks, with weights and the column of increments.
TEST(CapacityWorkbook, SpooledRowsGiveTheHeldTablesWorkbook) {
    TempFolder folder;
    testsupport::RecordingUi ui;
    const Table table = Table::generated(9001, true, 50);
    const HeldRows rows = table.held();
    CapacityWorkbookInput held = table.input(rows);
    held.increments = true;
    ASSERT_TRUE(SaveFileToExcel3(held, folder.file("held.xlsx"), ui));

    RowSpool spool;
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        spool.append(TableRow{0, 0, table.rows[i], table.weights[i], {}});
    }
    CapacityWorkbookInput spooled = table.input(spool);
    spooled.increments = true;
    ASSERT_TRUE(SaveFileToExcel3(spooled, folder.file("spooled.xlsx"), ui));
    EXPECT_EQ(bookParts(folder.file("spooled.xlsx")), bookParts(folder.file("held.xlsx")));
}

TEST(CapacityWorkbook, AnsweringNoLeavesTheEarlierWorkbook) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi first;
    ASSERT_TRUE(Table::generated(5, false, 200).save(path, first));
    const std::string before = readBytes(path);

    testsupport::RecordingUi ui;
    ui.answers = {MessageAnswer::No};
    EXPECT_FALSE(Table::generated(9, true, 2).save(path, ui));
    EXPECT_EQ(ui.shown, std::vector<testsupport::ShownBox>{promptBox(kSummary)});
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"~001.xlsx"});
}

TEST(CapacityWorkbook, EachRunReplacesThePreviousWorkbook) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    ASSERT_TRUE(Table::generated(5, true, 200).save(path, ui));
    ASSERT_TRUE(Table::generated(2, false, 200).save(path, ui));
    const ReadSheet sheet = onlySheet(path);
    EXPECT_FALSE(sheet.has(2, 3));  // no weight header any more
    EXPECT_FALSE(sheet.has(5, 0));  // only two rows
    EXPECT_EQ(sheet.at(4, 0).number, 2);
}

TEST(CapacityWorkbook, SaveIntoAPathThroughAFileShowsTheSaveFailure) {
    TempFolder folder;
    writeBytes(folder.file("plain"), "x");
    const std::string path = folder.file("plain") + "/~001.xlsx";
    testsupport::RecordingUi ui;
    EXPECT_FALSE(Table::generated(5, false, 200).save(path, ui));
    EXPECT_EQ(ui.shown,
              (std::vector<testsupport::ShownBox>{
                  promptBox(kSummary),
                  errorBox("关闭生成的Excel罐容表再试一次！\ncannot create a file beside " + path +
                           ": Not a directory")}));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"plain"});
}

using testsupport::FileSizeLimit;

TEST(CapacityWorkbook, FailedWriteLeavesTheEarlierWorkbookWhole) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi first;
    ASSERT_TRUE(Table::generated(5, false, 200).save(path, first));
    const std::string before = readBytes(path);

    testsupport::RecordingUi ui;
    bool saved = true;
    {
        FileSizeLimit limit(4096);
        saved = Table::generated(2000, true, 200).save(path, ui);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ui.shown,
              (std::vector<testsupport::ShownBox>{
                  promptBox(kSummary),
                  errorBox("关闭生成的Excel罐容表再试一次！\ncannot save " + path +
                           ": writing the file: Zip generic error ZIP_ERRNO while creating the "
                           "xlsx file. (File too large)")}));
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"~001.xlsx"});
}

struct BuildFailureCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> weights;
    std::string message;
};

void PrintTo(const BuildFailureCase& c, std::ostream* os) {
    *os << c.name;
}

class CapacityWorkbookBuildFailure : public testing::TestWithParam<BuildFailureCase> {};

TEST_P(CapacityWorkbookBuildFailure, ShowsTheStandardErrorBoxAndWritesNothing) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    Table table;
    table.rows = GetParam().rows;
    table.weights = GetParam().weights;
    table.useDensity = !table.weights.empty();
    EXPECT_FALSE(table.save(path, ui));
    EXPECT_EQ(ui.shown, (std::vector<testsupport::ShownBox>{promptBox(kSummary),
                                                            standardError(GetParam().message)}));
    EXPECT_TRUE(folder.entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CapacityWorkbookBuildFailure,
    testing::Values(
        BuildFailureCase{"NoComma", {"0,1.00", "1000;5.00"}, {}, "“1000;5.00”不是有效的数字"},
        BuildFailureCase{"LevelNotANumber", {"abc,1.00"}, {}, "“abc”不是有效的数字"},
        BuildFailureCase{"VolumeNotANumber", {"10,1,00"}, {}, "“1,00”不是有效的数字"},
        BuildFailureCase{"WeightNotANumber", {"10,1.00"}, {"nan"}, "“nan”不是有效的数字"}),
    [](const testing::TestParamInfo<BuildFailureCase>& info) { return info.param.name; });

TEST(CapacityWorkbook, LibraryFailureWhileBuildingShowsItsText) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    Table table = Table::generated(3, false, 200);
    table.summary = std::string(32767, 'a');  // the title outgrows a cell
    EXPECT_FALSE(table.save(path, ui));
    EXPECT_EQ(ui.shown,
              (std::vector<testsupport::ShownBox>{
                  promptBox(table.summary),
                  standardError("the text for row 0, column 0 is longer than 32767 characters")}));
    EXPECT_TRUE(folder.entries().empty());
}

TEST(CapacityWorkbook, TableWiderThanASheetStopsBeforeAsking) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    EXPECT_FALSE(Table::generated(5462, false, 1).save(path, ui));
    EXPECT_EQ(ui.shown,
              std::vector<testsupport::ShownBox>{errorBox(
                  "罐容表共 5462 行，每列 1 条数据需要 5462 个列块、共 16386 列，超过了 "
                  "Excel 工作表最多 16384 列的限制。请把每列数据条数改为至少 2 后再试。")});
    EXPECT_TRUE(folder.entries().empty());
}

TEST(CapacityWorkbook, WeightsMissingForSomeRowsStopBeforeAsking) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    Table table = Table::generated(3, true, 200);
    table.weights.pop_back();
    EXPECT_FALSE(table.save(path, ui));
    EXPECT_EQ(ui.shown, std::vector<testsupport::ShownBox>{errorBox(
                            "重量数据有 2 条，容积表有 3 行，两者不一致，无法生成罐容表。")});
    EXPECT_TRUE(folder.entries().empty());
}

TEST(CapacityWorkbook, OpenFailureDoesNotUndoTheSave) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    testsupport::RecordingUi ui;
    ui.openOutcome = OpenOutcome::NoProgram;
    EXPECT_TRUE(Table::generated(3, false, 200).save(path, ui));
    EXPECT_EQ(ui.shown.back(), openedFile(path));
    EXPECT_EQ(onlySheet(path).at(5, 0).number, 3);
}

}  // namespace
}  // namespace quorvel
