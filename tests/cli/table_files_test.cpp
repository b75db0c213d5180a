// The front end with the stored files: the sample settings and grid, the workbook, and the
// files written back as the window writes them at close.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/table_command.h"
#include "command_run.h"
#include "support/command_output.h"
#include "support/file_size_limit.h"
#include "support/xlsx_reader.h"

namespace quorvel::cli {
namespace {

namespace fs = std::filesystem;

const std::string kExamples = QUORVEL_EXAMPLES_DIR;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

RunResult run(std::vector<std::string> args) {
    return runCommand(std::vector<std::string_view>(args.begin(), args.end()));
}

class TableFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quorvel-cli-" + std::to_string(::getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
};

// The summary --out prints carries the window's note below it: a table beyond the
// calibration points says so before it is written.
TEST_F(TableFilesTest, TheSummaryOfATableBeyondThePointsSaysSo) {
    const RunResult r = run({"--shell", "calibrated", "--grid", kExamples + "/bd.txt", "--set",
                             "Edit7=2700", "--set", "Edit8=100", "--out", path("t.xlsx")});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.err,
              "[系统提示] 罐容标定\r\n\r\n注意：液位范围超出标定点范围（0 至 2600 毫米），"
              "超出部分按外推计算。\r\n\r\n    是否继续？\n");
}

TEST_F(TableFilesTest, SampleSettingsGiveTheWorkbookOfTheirTable) {
    const std::string book = path("~001.xlsx");
    const RunResult r = run(
        {"--shell", "horizontal", "--settings", kExamples + "/Config.ini", "--out", book, "--csv"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    // The sample: D 2600, L 8000, two standard heads (flange 40), 0 to 2600 at 10, weights.
    std::vector<std::string> rows;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        rows.push_back(line);
    }
    ASSERT_EQ(rows.size(), 261u);
    EXPECT_EQ(rows.front(), "0,0.00,0.00");
    // The full tank is the shell over 8080 mm plus two heads of π·D³/24: 47500.462 L.
    EXPECT_EQ(rows.back().substr(0, 14), "2600,47500.46,");
    // The question shows the summary; the answer is Yes.
    EXPECT_NE(r.err.find("[系统提示] 计算参数如下：\r\n中间筒体：水平正直圆柱体，内径：2600 mm"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("    是否继续？"), std::string::npos);

    const auto read = testsupport::readXlsx(book);
    ASSERT_EQ(read.sheets.size(), 1u);
    const auto& sheet = read.sheets[0];
    EXPECT_EQ(sheet.name, "罐容表");
    // 261 rows in blocks of 200 with weights: the second block starts at column 4, row 201.
    EXPECT_EQ(sheet.at(3, 4).number, 201);
    EXPECT_EQ(sheet.at(3 + 60, 4).number, 261);
    EXPECT_EQ(sheet.at(3 + 60, 5).number, 2600);
    EXPECT_DOUBLE_EQ(sheet.at(3 + 60, 6).number, 47500.46);
    EXPECT_FALSE(sheet.has(3 + 61, 4));
    EXPECT_TRUE(sheet.at(0, 0).text.starts_with("计算参数如下："));
}

// The example tank issued from the command line: the workbook with its title block and the
// PDF of three pages, and the identity stored as the window stores it.
TEST_F(TableFilesTest, IdentityOptionsIssueTheWorkbookAndThePdf) {
    const RunResult r =
        run({"--shell", "horizontal", "--settings", kExamples + "/Config.ini", "--tank-number",
             "T-101", "--owner", "某某油库", "--reference-height", "2650", "--increments", "--out",
             path("t.xlsx"), "--pdf", path("t.pdf"), "--save-settings", path("Config.ini")});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const auto sheet = testsupport::readXlsx(path("t.xlsx")).sheets.at(0);
    EXPECT_EQ(sheet.at(0, 0).text, "罐容表");
    EXPECT_EQ(sheet.at(1, 0).text, "罐号：T-101");
    const std::string info = testsupport::commandOutput("pdfinfo '" + path("t.pdf") + "'");
    EXPECT_NE(info.find("Pages:           3\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           罐容表 T-101\n"), std::string::npos) << info;
    EXPECT_TRUE(slurp(path("Config.ini"))
                    .ends_with("CheckBox2=0\r\nEdit48=2650\r\nEdit49=T-101\r\n"
                               "Edit50=\xC4\xB3\xC4\xB3\xD3\xCD\xBF\xE2\r\nCheckBox3=1\r\n"));
}

TEST_F(TableFilesTest, LoadingThenSavingReproducesTheSampleFilesByteForByte) {
    const RunResult r = run({"--shell", "calibrated", "--settings", kExamples + "/Config.ini",
                             "--grid", kExamples + "/bd.txt", "--save-settings", path("Config.ini"),
                             "--save-grid", path("bd.txt")});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(slurp(path("bd.txt")), slurp(kExamples + "/bd.txt"));
    EXPECT_EQ(slurp(path("Config.ini")), slurp(kExamples + "/Config.ini"));
}

TEST_F(TableFilesTest, TheGridFileSetsThePointCountTheCalibratedTableUses) {
    // bd.txt holds 8 rows: the origin and six points, so six points are chosen and read.
    const RunResult r = run({"--shell", "calibrated", "--grid", kExamples + "/bd.txt", "--set",
                             "Edit6=2600", "--set", "Edit7=2600", "--csv"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, "2600,47492.00\n");
}

TEST_F(TableFilesTest, AMistypedFileNameIsReportedNotReadAsEmpty) {
    const RunResult r = run({"--shell", "horizontal", "--settings", path("no-such.ini"), "--csv"});
    EXPECT_EQ(r.status, kExitUsage);
    EXPECT_NE(r.err.find("does not exist"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

using testsupport::FileSizeLimit;

TEST_F(TableFilesTest, AWorkbookThatCannotBeSavedStopsTheRunWithTheSystemsReason) {
    std::ofstream(path("plain-file")) << "x";
    struct Case {
        const char* name;
        std::string out;
        bool limitFileSize;
        std::string reason;  // the line after the box
    } cases[] = {
        {"no such folder", path("no-folder") + "/~001.xlsx", false,
         "cannot create a file beside " + path("no-folder") +
             "/~001.xlsx: No such file or directory"},
        {"not a folder", path("plain-file") + "/~001.xlsx", false,
         "cannot create a file beside " + path("plain-file") + "/~001.xlsx: Not a directory"},
        {"the disk takes no more", path("~001.xlsx"), true,
         "cannot save " + path("~001.xlsx") +
             ": writing the file: Zip generic error ZIP_ERRNO while creating the xlsx file. (File "
             "too large)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunResult r;
        {
            std::optional<FileSizeLimit> limit;
            if (c.limitFileSize)
                limit.emplace(2048);
            r = run({"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000", "--out",
                     c.out, "--csv"});
        }
        EXPECT_EQ(r.status, kExitStopped);
        EXPECT_NE(r.err.find("[错误] 关闭生成的Excel罐容表再试一次！\n" + c.reason + "\n"),
                  std::string::npos)
            << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_FALSE(fs::exists(c.out));
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), {}), 1);  // plain-file, no temporary
}

// A long table's rows wait in a temporary file; when that cannot grow, the run stops with the
// folder named and writes no workbook.
TEST_F(TableFilesTest, ATemporaryFolderThatTakesNoMoreStopsALongTable) {
    RunResult r;
    {
        FileSizeLimit limit(64 * 1024);
        r = run({"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000", "--set",
                 "Edit7=2000", "--set", "Edit8=0.1", "--set", "Edit9=20001", "--out",
                 path("~001.xlsx"), "--csv"});
    }
    EXPECT_EQ(r.status, kExitStopped);
    EXPECT_NE(r.err.find("“" P_tmpdir "”"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(path("~001.xlsx")));
}

// The reproductions of damage a careful user's machine does over months, end to end.
TEST_F(TableFilesTest, StoredFilesSurviveANulByteALinkAndKilledSaves) {
    // The settings with one 0x00 before "Edit6=0", loaded and saved again.
    std::string damaged = slurp(kExamples + "/Config.ini");
    damaged.insert(damaged.find("Edit6=0"), 1, '\0');
    std::ofstream(path("Config.ini"), std::ios::binary) << damaged;
    // The workbook is a link into a shared folder, beside a temporary a killed save left.
    fs::create_directory(dir_ / "shared");
    std::ofstream(dir_ / "shared/table.xlsx") << "old";
    fs::create_symlink("shared/table.xlsx", dir_ / "~001.xlsx");
    const fs::path stale = dir_ / "shared/.table.xlsx.tmp-Xy12Zw";
    std::ofstream(stale) << std::string(1 << 20, 'x');
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(2));

    // With its grid, as the window starts: the point count shown is the grid's.
    const RunResult r = run({"--shell", "horizontal", "--settings", path("Config.ini"), "--grid",
                             kExamples + "/bd.txt", "--save-settings", path("Config.ini"), "--out",
                             path("~001.xlsx")});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(slurp(path("Config.ini")), slurp(kExamples + "/Config.ini"));
    EXPECT_EQ(fs::read_symlink(dir_ / "~001.xlsx"), "shared/table.xlsx");
    EXPECT_EQ(testsupport::readXlsx((dir_ / "shared/table.xlsx").string()).sheets.at(0).name,
              "罐容表");
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "shared"), {}), 1);
}

TEST_F(TableFilesTest, FilesAreWrittenEvenWhenTheRequestStops) {
    // As the window saves at close: an incomplete tank still has its inputs kept.
    const RunResult r = run(
        {"--shell", "horizontal", "--set", "Edit1=2000", "--save-settings", path("Config.ini")});
    EXPECT_EQ(r.status, kExitStopped);
    EXPECT_NE(r.err.find("呵呵，中间圆筒数据还没输完呢！"), std::string::npos);
    const std::string saved = slurp(path("Config.ini"));
    EXPECT_NE(saved.find("Edit1=2000\r\n"), std::string::npos);
    EXPECT_NE(saved.find("Edit2=0\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quorvel::cli
