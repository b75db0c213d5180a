// The front end with the stored files: the sample settings and grid, the workbook, and the
// files written back as the window writes them at close.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/table_command.h"
#include "xlsx_reader.h"

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

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

RunResult run(std::vector<std::string> args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    const int status = runTableCommand(views, out, err);
    return {status, out.str(), err.str()};
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

    const auto read = testing_support::readXlsx(book);
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

TEST_F(TableFilesTest, AWorkbookThatCannotBeSavedStopsTheRun) {
    std::ofstream(path("plain-file")) << "x";
    const RunResult r = run({"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000",
                             "--out", path("plain-file") + "/~001.xlsx", "--csv"});
    EXPECT_EQ(r.status, kExitStopped);
    EXPECT_NE(r.err.find("[错误] 关闭生成的Excel罐容表再试一次！"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
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
