// quorvel-table's choice of method, the comparison and the level of a volume or weight.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/table_command.h"
#include "command_run.h"

namespace quorvel::cli {
namespace {

RunResult run(std::vector<std::string_view> args) {
    return runCommand(std::move(args));
}

std::vector<std::string_view> tank(std::vector<std::string_view> more) {
    std::vector<std::string_view> args = {"--shell",    "horizontal", "--set",
                                          "Edit1=2000", "--set",      "Edit2=5000"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The level found is printed with two decimals; a stop goes to standard error with exit
// status 1 (the levels and their refusals are the window's: golden/app/method_window.json).
TEST(MethodOptions, LevelOfAVolumeOrWeight) {
    struct Case {
        std::vector<std::string_view> args;
        int status;
        std::string out, err;
    };
    const std::vector<Case> cases = {
        // Half the tank holds 8979.719 L.
        {tank({"--volume", "8979.72"}), kExitOk, "1000.00\n", ""},
        {tank({"--method", "exact", "--set", "CheckBox1=1", "--set", "Edit37=0.85", "--set",
               "ComboBox1=g/cm^3", "--weight", "7632.76"}),
         kExitOk, "1000.00\n", ""},
        {tank({"--volume", "17959.45"}), kExitStopped, "",
         "错误: 容积 17959.45 升超过最高液位 2000.00 毫米处的容积 17959.44 升！\n"},
        // Only the command line can ask for a weight with the weight switch off.
        {tank({"--weight", "100"}), kExitStopped, "",
         "错误: 按重量求液位需要液体密度：请选中“重量输入密度”并输入密度！\n"},
    };
    for (const Case& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.err;
        EXPECT_EQ(r.out, c.out) << c.err;
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(MethodOptions, CompareAddsTheExactVolumeAndTheDifference) {
    // Standard dished heads: the classic profile is a smoothstep, the exact one a torus and a
    // sphere. At the top both are whole heads, 0.79172 against 0.791727961 m³ each.
    const RunResult r = run(tank({"--set", "RadioButton19=1", "--set", "RadioButton12=1", "--set",
                                  "Edit6=2000", "--compare"}));
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out, "2000,17448.48,17448.50,0.02,0.00\n");
    const RunResult empty = run(tank({"--set", "Edit7=0", "--compare"}));
    EXPECT_EQ(empty.out, "0,0.00,0.00,0.00,\n");  // no % of nothing
}

TEST(MethodOptions, AHeadThatIsNoSolidStopsTheExactTable) {
    for (std::string_view output : {"--csv", "--compare"}) {
        const RunResult r = run(
            tank({"--set", "RadioButton6=1", "--set", "Edit45=40", "--set", "Edit46=440", "--set",
                  "Edit47=900", "--method", output == "--csv" ? "exact" : "classic", output}));
        EXPECT_EQ(r.status, kExitStopped) << output;
        EXPECT_EQ(r.out, "") << output;
        EXPECT_EQ(r.err, "错误: 右封头尺寸不成立，无法按真实几何计算！\n") << output;
    }
}

TEST(MethodOptions, UnusableCombinationsExitWithTwo) {
    struct Case {
        std::vector<std::string_view> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {tank({"--method", "fast"}), "unknown method \"fast\" (classic or exact)"},
        {tank({"--method", "exact", "--compare"}),
         "--compare sets the classic table beside the exact one: leave out --method exact"},
        {tank({"--volume", "1e3"}), "--volume needs a number, not \"1e3\""},
        {tank({"--volume", "1", "--weight", "2"}),
         "--volume and --weight ask for one level: give one of them"},
        {tank({"--weight", "1", "--csv"}),
         "--volume and --weight print a level, not a table: leave out --csv, --compare, "
         "--curve and --out"},
        {tank({"--compare", "--curve", "5"}), "--compare and --curve cannot be given together"},
        {tank({"--ullage", "100", "--quick", "500"}),
         "--ullage gives the level of --quick: give one of them"},
        {tank({"--ullage", "100", "--csv"}),
         "--ullage gives one result: drop --csv, --out, --compare, --curve, --volume and "
         "--weight"},
    };
    for (const Case& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, kExitUsage) << c.err;
        EXPECT_EQ(r.err, "quorvel-table: " + c.err + "\n(see quorvel-table --help)\n");
    }
}

}  // namespace
}  // namespace quorvel::cli
