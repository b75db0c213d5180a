#include "cli/table_command.h"
#include "command_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/form_edits.h"

namespace quorvel::cli {
namespace {

RunResult run(std::vector<std::string_view> args) {
    return runCommand(std::move(args));
}

TEST(TableCommand, PrintsTheRowsOfTheWholeTank) {
    const RunResult r = run({"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000",
                             "--set", "Edit6=1000", "--set", "Edit7=1000", "--csv"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, "1000,8979.72\n");
    EXPECT_EQ(r.err, "");
}

TEST(TableCommand, WithoutCsvNothingIsPrinted) {
    const RunResult r =
        run({"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, "");
}

TEST(TableCommand, StoppedRequestsExitWithOneAndTheirMessage) {
    struct Case {
        std::vector<std::string_view> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"--shell", "horizontal", "--set", "Edit1=2000", "--csv"},
         "呵呵，中间圆筒数据还没输完呢！\n"},
        {{"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5x", "--csv"},
         "错误: “5x”不是有效的数字\n"},
    };
    for (const auto& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, kExitStopped) << c.err;
        EXPECT_EQ(r.out, "") << c.err;
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(TableCommand, UnusableCommandLinesExitWithTwo) {
    struct Case {
        std::vector<std::string_view> args;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"--shell", "horizontal", "--set", "Edit99=1"}, "unknown control \"Edit99\""},
        {{"--shell", "horizontal", "--set", "CheckBox1=yes"},
         "CheckBox1 takes 1 or 0, not \"yes\""},
        {{"--shell", "horizontal", "--set", "ComboBox3=减去"}, "ComboBox3 has no entry \"减去\""},
        {{"--shell", "calibrated", "--set", "ComboBox2=33332"}, "ComboBox2 has no entry \"33332\""},
        {{"--shell", "calibrated", "--interpolation", "cubic"},
         "--interpolation takes linear or monotone-cubic, not \"cubic\""},
        {{"--shell", "calibrated", "--import-table", "/nonexistent/t.csv"},
         "capacity table file \"/nonexistent/t.csv\" does not exist"},
        {{"--shell", "calibrated", "--cell", "1,2=5"},
         "cell 1,2 lies outside the grid of 3 columns and 2 rows (choose the point count "
         "first: --set ComboBox2=N)"},
        {{"--shell", "calibrated", "--set", "ComboBox2=2", "--cell", "0,2=5"},
         "cell 0,2 is a heading or row number, not a point"},
        {{"--shell", "calibrated", "--set", "ComboBox2=2", "--cell", "3,2=5"},
         "cell 3,2 lies outside the grid of 3 columns and 4 rows (choose the point count "
         "first: --set ComboBox2=N)"},
        {{"--bogus"}, "unknown option \"--bogus\""},
        // An upright tank's options.
        {{"--shell", "vertical", "--ring", "1500"},
         "--ring needs HEIGHT:DIAMETER[:THICKNESS], not \"1500\""},
        {{"--shell", "vertical", "--ring", "1:2:3:4"},
         "--ring needs HEIGHT:DIAMETER[:THICKNESS], not \"1:2:3:4\""},
        {{"--shell", "vertical", "--ring-circumference", "1500:31400"},
         "--ring-circumference needs HEIGHT:CIRCUMFERENCE:THICKNESS, not \"1500:31400\""},
        {{"--shell", "vertical", "--deadwood", "0:100"},
         "--deadwood needs FROM:TO:LITRES, not \"0:100\""},
        {{"--shell", "horizontal", "--head-density", "850"},
         "--ring, --ring-circumference, --bottom-volume, --deadwood, --head-density, "
         "--young-modulus, --roof-mass and --roof-level describe an upright tank: use them with "
         "--shell vertical"},
        {{"--shell", "tilted", "--ring", "1:2"},
         "--ring, --ring-circumference, --bottom-volume, --deadwood, --head-density, "
         "--young-modulus, --roof-mass and --roof-level describe an upright tank: use them with "
         "--shell vertical"},
    };
    for (const auto& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, kExitUsage) << c.err;
        EXPECT_EQ(r.err, "quorvel-table: " + c.err + "\n(see quorvel-table --help)\n");
    }
}

TEST(TableCommand, QuickPrintsTheResultFieldOrStopsWithItsMessage) {
    struct Case {
        std::vector<std::string_view> args;
        int status;
        std::string out;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000", "--quick", "1000"},
         kExitOk,
         "8979.72\n",
         ""},
        {{"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000", "--set",
          "CheckBox1=1", "--set", "Edit37=0.8", "--set", "ComboBox1=g/cm^3", "--quick", "1000"},
         kExitOk,
         "7183.78\n",
         ""},
        {{"--shell", "horizontal", "--set", "Edit1=2000", "--quick", "1000"},
         kExitStopped,
         "",
         "呵呵，中间圆筒数据还没输完呢！\n"},
        {{"--shell", "horizontal", "--set", "Edit1=2000", "--set", "Edit2=5000", "--quick", "1..0"},
         kExitStopped,
         "",
         "错误: “1..0”不是有效的数字\n"},
        {{"--shell", "horizontal", "--quick", "1000", "--csv"},
         kExitUsage,
         "",
         "quorvel-table: --quick gives one result, not a table: drop --csv and --out\n"
         "(see quorvel-table --help)\n"},
    };
    for (const Case& c : cases) {
        const RunResult r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
}

TEST(TableCommand, HelpGoesToStandardOutput) {
    const RunResult r = run({"--help"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(r.out, usageText());
}

TEST(FormEdits, StartingFormIsTheWindowAfterStartUp) {
    const MemoryForm form = startingForm();
    for (const char* radio : {"RadioButton1", "RadioButton7", "RadioButton22"}) {
        EXPECT_TRUE(form.checked(radio)) << radio;
    }
    EXPECT_EQ(form.text("ComboBox3"), "加上左封头容积");
    EXPECT_EQ(form.text("ComboBox4"), "加上右封头容积");
    EXPECT_EQ(form.text("ComboBox1"), "单位");
    EXPECT_EQ(form.text("Edit7"), "9999");
    EXPECT_EQ(form.text("Edit9"), "200");
    EXPECT_EQ(form.itemIndex("ComboBox2"), -1);
    EXPECT_EQ(form.grid().cell(1, 0), "高度 mm");  // headings even without a grid file
}

TEST(FormEdits, RadioButtonUnchoosesItsGroupAndListsPickEntries) {
    MemoryForm form = startingForm();
    applyEdit(form, {FormEdit::Kind::Control, "RadioButton2", 0, 0, "1"});
    EXPECT_FALSE(form.checked("RadioButton1"));
    EXPECT_TRUE(form.checked("RadioButton7"));  // another group
    applyEdit(form, {FormEdit::Kind::Control, "ComboBox4", 0, 0, "减去右封头容积"});
    EXPECT_EQ(form.itemIndex("ComboBox4"), 1);
    applyEdit(form, {FormEdit::Kind::Control, "ComboBox1", 0, 0, "g/cm^3"});
    EXPECT_EQ(form.text("ComboBox1"), "g/cm^3");
    applyEdit(form, {FormEdit::Kind::Control, "ComboBox2", 0, 0, "5"});
    EXPECT_EQ(form.grid().rowCount(), 7);
    EXPECT_EQ(form.grid().cell(0, 6), "6");
    EXPECT_EQ(form.grid().cell(1, 1), "0");
    applyEdit(form, {FormEdit::Kind::Cell, "", 2, 6, "880"});
    EXPECT_EQ(form.grid().cell(2, 6), "880");
}

}  // namespace
}  // namespace quorvel::cli
