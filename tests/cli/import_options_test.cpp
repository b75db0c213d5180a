// --import-table and --interpolation: what reaches standard error, the exit status, and the
// table computed from the points imported.
#include <gtest/gtest.h>

#include <string>

#include "cli/table_command.h"
#include "command_run.h"

namespace quorvel::cli {
namespace {

const std::string kImport = std::string(QUORVEL_GOLDEN_DIR) + "/app/import/";

TEST(ImportOptions, FaultsStopWarningsAreToldAndTheTableGoesOn) {
    const std::string falls = kImport + "level_falls.csv";
    RunResult r = runCommand({"--shell", "calibrated", "--import-table", falls, "--csv"});
    EXPECT_EQ(r.status, kExitStopped);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "quorvel-table: 罐容表“" + falls +
                  "”有以下错误，未导入：\n第 5 行：高度 15 mm 小于上一点的 20 mm，高度未递增\n");

    // The gap is told; the table is made from the 12 points, the level of a volume on them.
    const std::string gap = kImport + "gap.csv";
    r = runCommand({"--shell", "calibrated", "--import-table", gap, "--interpolation",
                    "monotone-cubic", "--set", "Edit6=100", "--set", "Edit7=200", "--set",
                    "Edit8=50", "--csv"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.err, "quorvel-table: 罐容表“" + gap +
                         "”读到 12 个标定点，高度 0 ～ 200 mm，发现以下疑点：\n"
                         "第 12 行：高度间隔 100 mm，超过中位间隔 10 mm 的 5 倍\n");
    EXPECT_EQ(r.out, "100,1000.00\n150,1500.00\n200,2000.00\n");
}

}  // namespace
}  // namespace quorvel::cli
