// The head rules across section and page changes, "默认" on every click, the weight controls,
// help, and the point count's memory of removed rows.
#include "app/window_rules.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/calibration_page.h"
#include "app/memory_window.h"
#include "app/window_operations.h"
#include "form/calibration_grid.h"
#include "form/head_kinds.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"

namespace quorvel::app {
namespace {

// The kinds an elliptical section cannot have, on both sides.
const std::vector<std::string> kCircularOnly{
    "RadioButton16", "RadioButton9", "RadioButton17", "RadioButton10", "RadioButton19",
    "RadioButton12", "RadioButton5", "RadioButton6",  "RadioButton20", "RadioButton13"};
// Kinds every section has.
const std::vector<std::string> kAlwaysAllowed{"RadioButton7",  "RadioButton22", "RadioButton15",
                                              "RadioButton8",  "RadioButton18", "RadioButton11",
                                              "RadioButton21", "RadioButton14"};

void expectCircularOnlyEnabled(const MemoryWindow& w, bool on) {
    for (const std::string& r : kCircularOnly) {
        EXPECT_EQ(w.enabled(r), on) << r;
    }
    for (const std::string& r : kAlwaysAllowed) {
        EXPECT_TRUE(w.enabled(r)) << r;
    }
}

// A head keeps its kind while the kind stays enabled; only a kind the new section or page
// disables gives way to the flat head, and the status bar says so.
TEST(HeadRules, SectionAndPageChangesInTurn) {
    struct Step {
        const char* what;
        int page;             // −1: a click on the section given
        const char* section;  // RadioButton1 图七, RadioButton2 图八
        const char* left;     // the kinds chosen before the event (nullptr: none)
        const char* right;
        bool headBoxes;  // both group boxes enabled
        bool circularKinds;
        const char* leftAfter;  // the kinds chosen after it
        const char* rightAfter;
        const char* status;  // the status bar after it ("" when it said nothing)
        int picturePage;
    };
    // RadioButton7/22 standard ellipsoidal, 16/9 cone, 18/11 spherical cap, 20/13
    // hemisphere, 21/14 flat.
    const std::vector<Step> steps = {
        {"restart, then 水平圆筒: the stored heads stay", 0, nullptr, "RadioButton7",
         "RadioButton22", true, true, "RadioButton7", "RadioButton22", "", 0},
        {"图八 keeps ellipsoidal heads", -1, "RadioButton2", "RadioButton7", "RadioButton22", true,
         false, "RadioButton7", "RadioButton22", "", 0},
        {"图七 keeps a cone", -1, "RadioButton1", "RadioButton16", "RadioButton11", true, true,
         "RadioButton16", "RadioButton11", "", 0},
        {"图八 disables the cone: that head only becomes flat", -1, "RadioButton2", "RadioButton16",
         "RadioButton11", true, false, "RadioButton21", "RadioButton11",
         "左封头“圆锥封头”只适用于水平正直圆柱体，已改为平板封头", 0},
        {"to the tilted page with two hemispheres", 1, nullptr, "RadioButton20", "RadioButton13",
         true, false, "RadioButton21", "RadioButton14",
         "左封头“半球形封头”只适用于水平正直圆柱体，已改为平板封头；右封头“半球形封头”只适用于"
         "水平正直圆柱体，已改为平板封头",
         1},
        {"back to page 0 with 图八: a spherical cap stays", 0, nullptr, "RadioButton18",
         "RadioButton22", true, false, "RadioButton18", "RadioButton22", "", 0},
        {"to the sphere: heads untouched, boxes greyed", 2, nullptr, "RadioButton20",
         "RadioButton13", false, false, "RadioButton20", "RadioButton13", "", 0},
        {"to calibration", 3, nullptr, "RadioButton20", "RadioButton13", false, false,
         "RadioButton20", "RadioButton13", "", 0},
        {"a side without a kind keeps none", 1, nullptr, nullptr, "RadioButton9", true, false,
         nullptr, "RadioButton14", "右封头“圆锥封头”只适用于水平正直圆柱体，已改为平板封头", 1},
        {"图七 chosen on the tilted page", -1, "RadioButton1", "RadioButton20", "RadioButton13",
         true, true, "RadioButton20", "RadioButton13", "", 1},
        {"to page 0 with 图七: every kind stays", 0, nullptr, "RadioButton5", "RadioButton12", true,
         true, "RadioButton5", "RadioButton12", "", 0},
    };
    MemoryWindow w;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        for (HeadSide side : {HeadSide::Left, HeadSide::Right}) {
            const char* kind = side == HeadSide::Left ? s.left : s.right;
            if (kind != nullptr) {
                w.setChecked(kind, true);
            } else if (const HeadKindInfo* chosen = chosenHeadKind(w, side)) {
                w.setChecked(radioOn(*chosen, side), false);
            }
        }
        w.showStatus("");
        if (s.page < 0) {
            w.setChecked(s.section, true);
            sectionClicked(w);
        } else {
            shellPageChanged(w, s.page);
        }
        EXPECT_EQ(w.enabled(kLeftHeadBox), s.headBoxes);
        EXPECT_EQ(w.enabled(kRightHeadBox), s.headBoxes);
        if (s.headBoxes) {
            expectCircularOnlyEnabled(w, s.circularKinds);
        }
        const HeadKindInfo* left = chosenHeadKind(w, HeadSide::Left);
        const HeadKindInfo* right = chosenHeadKind(w, HeadSide::Right);
        EXPECT_EQ(left != nullptr ? std::string(left->leftRadio) : "none",
                  s.leftAfter != nullptr ? s.leftAfter : "none");
        EXPECT_EQ(right != nullptr ? std::string(right->rightRadio) : "none", s.rightAfter);
        EXPECT_EQ(w.status(), s.status);
        EXPECT_EQ(w.picturePage(), s.picturePage);
    }
}

TEST(TableDefaults, EveryClickResetsTheRequestAndLocksItWhileChecked) {
    const std::vector<std::pair<std::string, std::string>> defaults{
        {"Edit6", "0"},  {"Edit7", "9999"}, {"Edit8", "1"},  {"Edit9", "200"},
        {"Edit13", "0"}, {"Edit31", "0"},   {"Edit32", "0"}, {"Edit33", "0"}};
    MemoryWindow w;
    for (bool checkedAfterClick : {true, false, false /* a right click changes nothing */}) {
        for (const auto& [name, value] : defaults) {
            w.setText(name, "123");
        }
        w.setChecked("CheckBox2", checkedAfterClick);
        defaultsClicked(w);
        for (const auto& [name, value] : defaults) {
            EXPECT_EQ(w.text(name), value) << name;
            EXPECT_EQ(w.enabled(name), !checkedAfterClick) << name;
        }
    }
}

TEST(WeightControls, FollowTheSwitchAndTheDensityCheckOnlyInforms) {
    MemoryWindow w;
    for (bool on : {true, false}) {
        w.setChecked("CheckBox1", on);
        ShowWeightLabel(w);
        EXPECT_EQ(w.visible("Edit37"), on);
        EXPECT_EQ(w.visible("ComboBox1"), on);
        EXPECT_EQ(w.visible("Label46"), on);
        EXPECT_EQ(w.visible("Label47"), !on);
    }
    const std::vector<std::pair<const char*, bool>> texts{
        {"", false}, {"8", true}, {" 0.84 ", true}, {"1.2.3", false}, {".", false}};
    for (const auto& [text, number] : texts) {
        testsupport::RecordingUi ui;
        w.setText("Edit37", text);
        densityChanged(w, ui);
        EXPECT_EQ(ui.messages(), number ? std::vector<std::string>{}
                                        : std::vector<std::string>{"输入内容不是数字"})
            << text;
        EXPECT_EQ(w.text("Edit37"), text);
    }
}

TEST(Help, OpensASoundFileAndSaysWhyItDidNot) {
    testsupport::TempFolder folder;
    const std::string path = folder.file("help.chm");
    const std::string damaged = " help.chm 帮助文件损坏！";
    struct Case {
        const char* what;
        const char* bytes;  // nullptr: no file
        OpenOutcome outcome;
        bool opened;  // "open" was asked
        std::string message;
        std::string status;
    };
    const std::vector<Case> cases = {
        {"missing", nullptr, OpenOutcome::Opened, false, damaged, ""},
        {"no compiled help file", "chm", OpenOutcome::Opened, false, damaged, ""},
        {"empty", "", OpenOutcome::Opened, false, damaged, ""},
        {"opened", "ITSF\x03", OpenOutcome::Opened, true, "", ""},
        {"no program for it", "ITSF\x03", OpenOutcome::NoProgram, true, "",
         "无法打开帮助文件 " + path + "：系统中没有登记打开 .chm 文件的程序"},
        {"its program did not start", "ITSF\x03", OpenOutcome::Failed, true, "",
         "无法打开帮助文件 " + path + "：打开它的程序未能启动"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(path);
        if (c.bytes != nullptr) {
            testsupport::writeBytes(path, c.bytes);
        }
        MemoryWindow w;
        testsupport::RecordingUi ui;
        ui.openOutcome = c.outcome;
        // The folder is passed without a trailing separator.
        openHelp(w, std::filesystem::path(path).parent_path().string(), ui);
        const bool opened =
            !ui.shown.empty() && ui.shown.front().kind == testsupport::ShownBox::Kind::Open;
        EXPECT_EQ(opened, c.opened);
        if (opened) {
            EXPECT_EQ(ui.shown.front().text, path);
        }
        EXPECT_EQ(ui.messages(), c.message.empty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{c.message});
        EXPECT_EQ(w.status(), c.status);
    }
}

TEST(CalibrationPage, RemovedRowsComeBackAndClearingForgetsThem) {
    MemoryWindow w;
    CalibrationPage page;
    auto choose = [&](int n) {
        w.setItemIndex("ComboBox2", n - 2);
        page.pointCountChanged(w);
    };
    choose(5);
    ASSERT_EQ(w.grid().rowCount(), 7);
    EXPECT_EQ(w.grid().cell(0, 6), "6");
    EXPECT_EQ(w.grid().cell(1, 1), "0");
    EXPECT_EQ(w.grid().cell(2, 1), "0");
    for (int row = 1; row <= 6; ++row) {
        w.grid().setCell(1, row, "L" + std::to_string(row));
        w.grid().setCell(2, row, "V" + std::to_string(row));
    }
    choose(2);
    EXPECT_EQ(w.grid().rowCount(), 4);
    EXPECT_EQ(w.grid().cell(1, 1), "0");  // the origin row is reset
    EXPECT_EQ(w.grid().cell(1, 3), "L3");
    choose(4);
    EXPECT_EQ(w.grid().rowCount(), 6);
    EXPECT_EQ(w.grid().cell(1, 5), "L5");
    EXPECT_EQ(w.grid().cell(2, 5), "V5");
    EXPECT_EQ(w.grid().cell(0, 5), "5");
    choose(5);
    EXPECT_EQ(w.grid().cell(2, 6), "V6");

    choose(2);
    page.clear(w);
    EXPECT_EQ(w.grid().cell(1, 2), "");
    EXPECT_EQ(w.grid().cell(0, 2), "2");
    EXPECT_EQ(w.grid().cell(1, 1), "0");
    choose(5);
    EXPECT_EQ(w.grid().cell(1, 6), "");  // cleared rows do not come back
}

// A block copied from a spreadsheet, pasted into a grid of five points whose cells read
// "L<row>" and "V<row>".
TEST(CalibrationPage, APastedBlockPassesTheFilterAndTheCountFollowsIt) {
    struct Case {
        const char* what;
        int col, row;
        std::string block;
        int rows;  // written
        int count;
        std::vector<std::pair<std::pair<int, int>, std::string>> cells;  // (col, row) → text
    };
    std::string thousand;
    for (int i = 0; i < 1200; ++i) {
        thousand += std::to_string(i) + "\t" + std::to_string(10 * i) + "\n";
    }
    const std::vector<Case> cases = {
        {"a new table from the origin row",
         1,
         1,
         "0\t0\r\n100\t1000\r\n250\t2100.5\r\n",
         3,
         2,
         {{{1, 1}, "0"}, {{2, 3}, "2100.5"}, {{0, 3}, "3"}}},
        {"a new table from the first point",
         1,
         2,
         "100\t1000\n200\t2000\n300\t3000",
         3,
         3,
         {{{1, 1}, "0"}, {{1, 4}, "300"}, {{2, 4}, "3000"}}},
        {"one cell keeps the count",
         2,
         3,
         "1,234.5",
         1,
         5,
         {{{2, 3}, "1234.5"}, {{1, 3}, "L3"}, {{2, 6}, "V6"}}},
        {"rows in the middle keep the count",
         1,
         3,
         "7\t70\n8\t80\n",
         2,
         5,
         {{{1, 3}, "7"}, {{2, 4}, "80"}, {{1, 5}, "L5"}}},
        {"a block beyond the end grows the grid",
         1,
         6,
         "600\t6000\n700\t7000\n",
         2,
         6,
         {{{1, 6}, "600"}, {{2, 7}, "7000"}, {{0, 7}, "7"}, {{1, 5}, "L5"}}},
        {"the number column, signs and a third cell",
         0,
         4,
         "a1.5\t-2\t99\n",
         1,
         5,
         {{{0, 4}, "4"}, {{1, 4}, "1.5"}, {{2, 4}, "2"}}},
        {"the heading row",
         1,
         0,
         "5\t50\n6\t60\n",
         2,
         2,
         {{{1, 0}, "高度 mm"}, {{1, 1}, "5"}, {{2, 2}, "60"}}},
        {"no more than 999 points",
         1,
         1,
         thousand,
         1000,
         999,
         {{{1, 1000}, "999"}, {{2, 1000}, "9990"}}},
        {"nothing", 1, 1, "", 0, 5, {{{1, 2}, "L2"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryWindow w;
        writeGridHeadings(w.grid());
        CalibrationPage page;
        w.setItemIndex("ComboBox2", 3);
        page.pointCountChanged(w);
        for (int row = 1; row <= 6; ++row) {
            w.grid().setCell(1, row, "L" + std::to_string(row));
            w.grid().setCell(2, row, "V" + std::to_string(row));
        }
        EXPECT_EQ(page.paste(w, c.col, c.row, c.block), c.rows);
        EXPECT_EQ(w.text("ComboBox2"), std::to_string(c.count));
        EXPECT_EQ(w.grid().rowCount(), c.count + 2);
        for (const auto& [at, text] : c.cells) {
            EXPECT_EQ(w.grid().cell(at.first, at.second), text) << at.first << "," << at.second;
        }
    }
}

TEST(Snapshot, AFileThatCannotBeWrittenIsNamedWithItsReason) {
    testsupport::TempFolder folder;
    testsupport::writeBytes(folder.file("file"), "x");
    MemoryWindow w;
    testsupport::RecordingUi ui;
    WindowOperations ops(w, ui, ProgramFiles{folder.path().string(), ""});
    const std::string shot = folder.file("file") + "/shot.bmp";
    ui.saveAnswers.push_back(shot);
    EXPECT_EQ(ops.snapshot(Picture{1, 1, {0}}), "");
    EXPECT_EQ(ui.errors(),
              std::vector<std::string>{"文件“" + shot + "”无法读写：路径中有一段不是文件夹"});
}

TEST(CheckNumberText, ShowsItsMessageForTextThatIsNotANumber) {
    const std::pair<const char*, bool> cases[] = {
        {"8", true},   {"0.85", true}, {" 12.5\t", true}, {"\n7\r", true}, {"", false},
        {"  ", false}, {".", false},   {"1..2", false},   {"abc", false},  {"8 5", false},
    };
    for (auto [text, number] : cases) {
        testsupport::RecordingUi ui;
        EXPECT_EQ(CheckNumberText(text, ui), number) << text;
        if (number) {
            EXPECT_TRUE(ui.shown.empty()) << text;
        } else {
            EXPECT_EQ(ui.messages(), std::vector<std::string>{"输入内容不是数字"}) << text;
        }
    }
}

}  // namespace
}  // namespace quorvel::app
