// quorvel-table --quantity: each option reaches the ticket, and command lines that cannot
// give one ticket are refused before anything is computed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_run.h"

namespace quorvel::cli {
namespace {

// Half of a flat-headed cylinder of 2000 × 5000 mm: 7853.98 L.
std::vector<std::string_view> ticket(std::vector<std::string_view> oil) {
    std::vector<std::string_view> args{
        "--shell", "horizontal",      "--set", "Edit1=2000",      "--set",      "Edit2=5000",
        "--set",   "RadioButton21=1", "--set", "RadioButton14=1", "--quantity", "1000"};
    args.insert(args.end(), oil.begin(), oil.end());
    return args;
}

TEST(QuantityOptions, EachOptionReachesTheTicket) {
    struct Case {
        std::vector<std::string_view> args;
        int status;
        std::string out, err;
    };
    const std::vector<Case> cases = {
        {ticket({"--oil-temperature", "21.3", "--density20", "718.4", "--product", "products"}),
         kExitOk, "Vt,7853.98\nrho20,718.4\nVCF20,0.9984\nV20,7841.41\nmass,5624.64\n", ""},
        {ticket({"--oil-temperature", "21.3", "--density-observed", "718.6",
                 "--density-temperature", "19.8", "--product", "products", "--reading", "formula"}),
         kExitOk, "Vt,7853.98\nrho20,718.4\nVCF20,0.9983\nV20,7840.63\nmass,5624.08\n", ""},
        {ticket({"--oil-temperature", "20", "--density20", "850", "--product", "crude"}), kExitOk,
         "Vt,7853.98\nrho20,850.0\nVCF20,1.0000\nV20,7853.98\nmass,6667.24\n", ""},
        {ticket({"--oil-temperature", "20", "--density20", "790", "--product", "lubricants"}),
         kExitStopped, "",
         "错误: 标准密度 790 kg/m³ 超出润滑油（D）的密度范围 800.0 至 1164.0 kg/m³。\n"},
        {ticket({"--oil-temperature", "2l.3", "--density20", "718.4", "--product", "products"}),
         kExitStopped, "", "错误: “2l.3”不是有效的数字\n"},
    };
    for (const Case& c : cases) {
        const RunResult r = runCommand(c.args);
        EXPECT_EQ(r.status, c.status) << c.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(QuantityOptions, CommandLinesThatGiveNoOneTicket) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {ticket({"--density20", "718.4", "--product", "products"}),
         "--quantity needs --oil-temperature T"},
        {ticket({"--oil-temperature", "20", "--density20", "718.4"}),
         "--quantity needs --product crude|products|lubricants"},
        {ticket({"--oil-temperature", "20", "--product", "diesel"}),
         "unknown product \"diesel\" (crude, products or lubricants)"},
        {ticket({"--oil-temperature", "20", "--product", "products"}),
         "--quantity needs one density: --density-observed RHO --density-temperature T2, or "
         "--density20 RHO20"},
        {ticket({"--oil-temperature", "20", "--product", "products", "--density20", "718.4",
                 "--density-observed", "718.6", "--density-temperature", "19.8"}),
         "--quantity needs one density: --density-observed RHO --density-temperature T2, or "
         "--density20 RHO20"},
        {ticket(
             {"--oil-temperature", "20", "--product", "products", "--density-observed", "718.6"}),
         "--density-observed and --density-temperature go together"},
        {ticket({"--oil-temperature", "20", "--product", "products", "--density20", "718.4",
                 "--reading", "nearest"}),
         "unknown reading \"nearest\" (table or formula)"},
        {ticket(
             {"--oil-temperature", "20", "--product", "products", "--density20", "718.4", "--csv"}),
         "--quantity gives one ticket: drop --quick, --csv, --out, --compare, --curve, --volume "
         "and --weight"},
        {{"--shell", "horizontal", "--quick", "1000", "--reading", "table"},
         "--oil-temperature, --density-observed, --density-temperature, --density20, --product "
         "and --reading belong to --quantity"},
    };
    for (const auto& [args, message] : cases) {
        const RunResult r = runCommand(args);
        EXPECT_EQ(r.status, kExitUsage) << message;
        EXPECT_EQ(r.err, "quorvel-table: " + message + "\n(see quorvel-table --help)\n");
    }
}

}  // namespace
}  // namespace quorvel::cli
