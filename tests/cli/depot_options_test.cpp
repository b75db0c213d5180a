// quorvel-table with a depot's tanks: --tank and --save-tank byte for byte, a batch with its
// progress, refusals and exit status, and tables in other units against the mm/L table
// converted independently, every row.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "command_run.h"
#include "support/temp_folder.h"

namespace quorvel::cli {
namespace {

namespace fs = std::filesystem;
using testsupport::readBytes;
using testsupport::TempFolder;
using testsupport::writeBytes;

const std::string kExamples = std::string(QUORVEL_EXAMPLES_DIR) + "/";
const std::string kTank = std::string(QUORVEL_GOLDEN_DIR) + "/cli/example_tank.json";

RunResult run(std::vector<std::string> args) {
    return runCommand(std::vector<std::string_view>(args.begin(), args.end()));
}

TEST(TankOption, TheExampleAsATankFileByteForByte) {
    TempFolder folder;
    const std::string first = folder.file("first.json"), second = folder.file("second.json");
    RunResult r = run({"--shell", "horizontal", "--settings", kExamples + "Config.ini", "--grid",
                       kExamples + "bd.txt", "--tank-number", "T-101", "--save-tank", first,
                       "--quick", "1000"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readBytes(first), readBytes(kTank));
    // Read back: the same result, and written again the same bytes.
    r = run({"--tank", first, "--save-tank", second, "--quick", "1000"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "14046.45\n");
    EXPECT_EQ(readBytes(second), readBytes(kTank));
}

// A head subtracted stays subtracted: a start would put the lists back on "加上…".
TEST(TankOption, ATankReadBackGivesTheSameTable) {
    TempFolder folder;
    const std::string tank = folder.file("t.json");
    const std::vector<std::string> args{
        "--shell", "horizontal",      "--set", "Edit1=2000", "--set", "Edit2=5000",
        "--set",   "Edit7=2000",      "--set", "Edit8=50",   "--set", "ComboBox3=减去左封头容积",
        "--set",   "RadioButton16=1", "--set", "Edit23=25",  "--set", "Edit24=500",
        "--csv"};
    std::vector<std::string> saving = args;
    saving.insert(saving.end(), {"--save-tank", tank});
    const RunResult made = run(saving);
    ASSERT_EQ(made.status, 0) << made.err;
    const RunResult again = run({"--tank", tank, "--csv"});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, made.out);
}

TEST(TankOption, Refusals) {
    TempFolder folder;
    const std::string bad = folder.file("bad.json");
    writeBytes(
        bad,
        R"({"format": "quorvel-tank", "version": 1, "shell": "horizontal", "controls": {"Edit1": 2600}})");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"--tank", kTank, "--settings", kExamples + "Config.ini", "--csv"},
         2,
         "quorvel-table: --tank loads the whole tank: leave out --settings and --grid\n"},
        {{"--tank", folder.file("none.json"), "--csv"},
         2,
         "quorvel-table: tank file \"" + folder.file("none.json") + "\" does not exist\n"},
        {{"--tank", bad, "--csv"},
         1,
         "quorvel-table: 罐文件 " + bad + " 不能读入：\"Edit1\" 的值应为文字\n"},
        {{"--tank", kTank, "--length-unit", "yd", "--csv"},
         2,
         "quorvel-table: --length-unit takes mm|cm|m|in|ft, not \"yd\"\n"},
        {{"--tank", kTank, "--volume-unit", "m³", "--csv"},
         2,
         "quorvel-table: --volume-unit takes L|m3|bbl|gal, not \"m³\"\n"},
        {{"--batch", folder.path().string(), "--csv"},
         2,
         "quorvel-table: --batch needs --out-dir DIR\n"},
        {{"--out-dir", folder.path().string(), "--tank", kTank},
         2,
         "quorvel-table: --out-dir belongs to --batch\n"},
        {{"--tank", kTank, "--pdf", "--csv"}, 2, "quorvel-table: --pdf needs a file name\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.front() + " " + c.args[1]);
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.substr(0, r.err.find("(see")), c.err);
    }
}

struct Row {
    double level, volume;
};
std::vector<Row> rowsOf(const std::string& csv) {
    std::vector<Row> rows;
    std::istringstream in(csv);
    for (std::string line; std::getline(in, line);) {
        const auto comma = line.find(',');
        rows.push_back({std::stod(line.substr(0, comma)), std::stod(line.substr(comma + 1))});
    }
    return rows;
}

// A table in m³/cm and in bbl/in is the mm/L table converted: every row within half its
// last place (and the L table's own half hundredth).
TEST(OutputUnitOptions, TablesAgainstTheMillimetreLitreTableConverted) {
    const std::vector<std::string> base{"--tank", kTank,     "--set", "CheckBox1=0",
                                        "--set",  "Edit8=7", "--csv"};
    const RunResult mmL = run(base);
    ASSERT_EQ(mmL.status, 0) << mmL.err;
    const std::vector<Row> reference = rowsOf(mmL.out);
    ASSERT_GT(reference.size(), 300U);
    const struct {
        std::string length, volume;
        double mmPer, litresPer, levelHalf, volumeHalf;
    } units[] = {{"cm", "m3", 10, 1000, 0.05, 0.0005},
                 {"in", "bbl", 25.4, 158.987294928, 0.005, 0.0005}};
    for (const auto& u : units) {
        SCOPED_TRACE(u.length + "/" + u.volume);
        std::vector<std::string> args = base;
        args.insert(args.end(), {"--length-unit", u.length, "--volume-unit", u.volume});
        const RunResult r = run(args);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<Row> rows = rowsOf(r.out);
        ASSERT_EQ(rows.size(), reference.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_NEAR(rows[i].level, reference[i].level / u.mmPer, u.levelHalf + 1e-9) << i;
            EXPECT_NEAR(rows[i].volume, reference[i].volume / u.litresPer,
                        u.volumeHalf + 0.005 / u.litresPer + 1e-9)
                << i;
        }
    }
}

TEST(BatchOption, EveryTankMadeTheRefusedNamedAndExitOne) {
    TempFolder folder;
    const fs::path tanks = folder.path() / "tanks";
    fs::create_directories(tanks);
    const std::string tank = readBytes(kTank);
    auto numbered = [&](const std::string& number) {
        std::string text = tank;
        text.replace(text.find("\"Edit49\": \"T-101\""), 17, "\"Edit49\": \"" + number + "\"");
        return text;
    };
    writeBytes((tanks / "a.json").string(), numbered("T-1"));
    writeBytes((tanks / "b.json").string(), numbered("T/2"));
    writeBytes((tanks / "c.json").string(), numbered("T:2"));  // the same file name as b
    writeBytes((tanks / "d.json").string(), "{");
    writeBytes((tanks / ".e.json").string(), "{");  // hidden: not a tank of the folder
    const std::string out = (folder.path() / "out").string();
    const RunResult r =
        run({"--batch", tanks.string(), "--out-dir", out, "--pdf", "--volume-unit", "m3"});
    EXPECT_EQ(r.status, 1);
    const std::string t = tanks.string() + "/";
    EXPECT_EQ(r.err, "[1/4] " + t + "a.json\n[2/4] " + t + "b.json\n[3/4] " + t + "c.json\n[4/4] " +
                         t + "d.json\n2 tables made, 2 refused\n  refused: " + t +
                         "c.json: 罐号 T_2 与本批中前面的罐同名，未覆盖\n  refused: " + t +
                         "d.json: 罐文件 " + t + "d.json 不能读入：不是 JSON 文件\n");
    for (const char* made : {"T-1.xlsx", "T-1.pdf", "T_2.xlsx", "T_2.pdf"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::path(out) / made)) << made;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 4);
    // A list of tank files, relative to the list's folder; all made: exit 0.
    writeBytes((folder.path() / "list.txt").string(), "tanks/a.json\r\n\n  tanks/b.json\n");
    const RunResult listed =
        run({"--batch", (folder.path() / "list.txt").string(), "--out-dir", out});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_TRUE(listed.err.ends_with("2 tables made, 0 refused\n")) << listed.err;
}

}  // namespace
}  // namespace quorvel::cli
