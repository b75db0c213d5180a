#include "cli/table_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel::cli {
namespace {

TableOptions parse(std::vector<std::string_view> args) {
    return parseTableOptions(args);
}

TEST(TableOptions, ShellPagesAndFlags) {
    const std::pair<const char*, int> shells[] = {
        {"horizontal", 0}, {"tilted", 1}, {"spherical", 2}, {"calibrated", 3}};
    for (auto [name, page] : shells) {
        EXPECT_EQ(parse({"--shell", name}).page, page) << name;
        EXPECT_EQ(parse({std::string("--shell=") + name}).page, page) << name;
    }
    const TableOptions o = parse({"--csv", "--shell", "tilted"});
    EXPECT_TRUE(o.csv);
    EXPECT_FALSE(o.help);
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_EQ(parse({"--shell", "spherical", "--curve", "2"}).curvePoints, 2u);
    EXPECT_EQ(parse({"--shell", "spherical", "--curve=100000"}).curvePoints, 100000u);
    EXPECT_FALSE(o.curvePoints);
}

TEST(TableOptions, EditsKeepTheirOrderAndValues) {
    const TableOptions o = parse({"--shell", "calibrated", "--set", "ComboBox2=3", "--cell",
                                  "1,2=150.5", "--set=Edit37=a=b", "--cell", "2,10="});
    ASSERT_EQ(o.edits.size(), 4u);
    EXPECT_EQ(o.edits[0].kind, FormEdit::Kind::Control);
    EXPECT_EQ(o.edits[0].name, "ComboBox2");
    EXPECT_EQ(o.edits[0].value, "3");
    EXPECT_EQ(o.edits[1].kind, FormEdit::Kind::Cell);
    EXPECT_EQ(o.edits[1].col, 1);
    EXPECT_EQ(o.edits[1].row, 2);
    EXPECT_EQ(o.edits[1].value, "150.5");
    EXPECT_EQ(o.edits[2].name, "Edit37");
    EXPECT_EQ(o.edits[2].value, "a=b");
    EXPECT_EQ(o.edits[3].row, 10);
    EXPECT_EQ(o.edits[3].value, "");
}

TEST(TableOptions, CommandLinesThatCannotRun) {
    struct Case {
        std::vector<std::string_view> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{}, "--shell is required"},
        {{"--csv"}, "--shell is required"},
        {{"--shell"}, "--shell needs horizontal|tilted|spherical|calibrated|vertical"},
        {{"--shell", "round"},
         "unknown shell \"round\" (horizontal, tilted, spherical, calibrated or vertical)"},
        {{"--shell", "horizontal", "--output", "x.xlsx"}, "unknown option \"--output\""},
        {{"--shell", "horizontal", "--out="}, "--out needs a file name"},
        {{"--shell", "horizontal", "--settings"}, "--settings needs FILE"},
        {{"--shell", "horizontal", "Edit1=5"}, "unknown option \"Edit1=5\""},
        {{"--shell", "horizontal", "--set", "Edit1"}, "--set needs NAME=VALUE, not \"Edit1\""},
        {{"--shell", "horizontal", "--set", "=5"}, "--set needs NAME=VALUE, not \"=5\""},
        {{"--shell", "horizontal", "--cell", "1=5"}, "--cell needs COL,ROW=TEXT, not \"1=5\""},
        {{"--shell", "horizontal", "--cell", "1,x=5"}, "--cell needs COL,ROW=TEXT, not \"1,x=5\""},
        {{"--shell", "horizontal", "--cell", "1,-2=5"},
         "--cell needs COL,ROW=TEXT, not \"1,-2=5\""},
        {{"--shell", "horizontal", "--csv=yes"}, "--csv takes no value"},
        {{"--shell", "horizontal", "--curve"}, "--curve needs N"},
        {{"--shell", "horizontal", "--curve", "1"},
         "--curve needs a number of levels from 2 to 100000, not \"1\""},
        {{"--shell", "horizontal", "--curve", "100001"},
         "--curve needs a number of levels from 2 to 100000, not \"100001\""},
        {{"--shell", "horizontal", "--curve", "20x"},
         "--curve needs a number of levels from 2 to 100000, not \"20x\""},
        {{"--shell", "horizontal", "--curve", "-3"},
         "--curve needs a number of levels from 2 to 100000, not \"-3\""},
        {{"--shell", "horizontal", "--csv", "--curve", "5"},
         "--csv and --curve cannot be given together"},
    };
    for (const auto& c : cases) {
        try {
            parseTableOptions(c.args);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const UsageError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
    }
}

TEST(TableOptions, HelpNamesEveryOption) {
    const std::string help = usageText();
    EXPECT_EQ(
        help.rfind("usage: quorvel-table --shell horizontal|tilted|spherical|calibrated|vertical",
                   0),
        0u);
    for (const char* option : {"--shell", "--set NAME=VALUE", "--cell COL,ROW=TEXT", "--csv",
                               "--curve N", "--help", "Exit status"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace quorvel::cli

namespace quorvel::cli {
namespace {

// The options of a table to issue set the identity's controls, in command-line order with
// --set; --pdf records its file.
TEST(TableOptions, DocumentOptionsSetTheirControls) {
    const std::pair<const char*, const char*> options[] = {
        {"--tank-number", "Edit49"},      {"--owner", "Edit50"},       {"--location", "Edit51"},
        {"--nominal-capacity", "Edit52"}, {"--certificate", "Edit53"}, {"--date", "Edit54"},
        {"--valid-until", "Edit55"},      {"--compiled-by", "Edit56"}, {"--checked-by", "Edit57"},
        {"--reference-height", "Edit48"}, {"--uncertainty", "Edit58"}};
    for (auto [option, control] : options) {
        const TableOptions o =
            parse({"--shell", "horizontal", "--set", "Edit1=5", option, "T &1", "--increments"});
        ASSERT_EQ(o.edits.size(), 3u) << option;
        EXPECT_EQ(o.edits[1].name, control);
        EXPECT_EQ(o.edits[1].value, "T &1");
        EXPECT_EQ(o.edits[2].name, "CheckBox3");
        EXPECT_EQ(o.edits[2].value, "1");
    }
    EXPECT_EQ(parse({"--shell", "horizontal", "--pdf=a.pdf"}).pdfFile, "a.pdf");
    for (std::vector<std::string_view> args :
         {std::vector<std::string_view>{"--shell", "horizontal", "--pdf", "a.pdf", "--quick", "5"},
          {"--shell", "horizontal", "--volume", "5", "--pdf", "a.pdf"},
          {"--shell", "horizontal", "--ullage", "100", "--pdf", "u.pdf"}}) {
        try {
            parse(args);
            ADD_FAILURE() << "accepted";
        } catch (const UsageError& e) {
            EXPECT_STREQ(
                e.what(),
                "--pdf writes the table: leave out --quick, --ullage, --volume and --weight");
        }
    }
    EXPECT_THROW(parse({"--shell", "horizontal", "--pdf="}), UsageError);
}

}  // namespace
}  // namespace quorvel::cli
