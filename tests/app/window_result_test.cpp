// The quick result and the curve belong to the inputs they were computed from: the example
// tank after a restart, the result cleared by any change of an input, the notes beside a
// result and in the table's confirmation for levels beyond what the tank describes, and what
// the status bar says about the workbook.
#include "app/window_operations.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/memory_window.h"
#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "support/xlsx_reader.h"

namespace quorvel::app {
namespace {

// The window after a restart with the bundled example (D 2600, L 8000, two standard
// ellipsoidal heads, 0.84 g/cm^3, six calibration points up to 2600 mm), on `page`.
struct Example {
    explicit Example(int page) : ops(w, ui, ProgramFiles{folder.path().string(), ""}) {
        for (const char* name : {"Config.ini", "bd.txt"}) {
            std::filesystem::copy_file(std::string(QUORVEL_EXAMPLES_DIR) + "/" + name,
                                       folder.file(name));
        }
        ops.start();
        startResult = w.text("Edit36");
        turnToPage(page);
    }
    void turnToPage(int page) {
        w.form().setActivePage(page);
        ops.shellPageChanged(page);
        ops.inputChanged(kShellPages);
    }
    // Types into a field, as the window reports it.
    void type(const char* field, const char* text) {
        w.setText(field, text);
        ops.inputChanged(field);
    }
    std::string workbook() const { return folder.file("~001.xlsx"); }

    testsupport::TempFolder folder;
    MemoryWindow w;
    testsupport::RecordingUi ui;
    WindowOperations ops;
    std::string startResult;
};

// 23908.03 kg: the circular segment times the shell length with both 40 mm flanges, plus the
// heads' ellipsoid of revolution (semi-axes 1300, 1300, 650) cut at 1500 mm, at 0.84 kg/L.
TEST(QuickResult, AfterARestartTheFirstPageChangeKeepsTheStoredHeads) {
    Example e(0);
    EXPECT_EQ(e.startResult, "");  // the stored "0" belongs to an earlier run
    EXPECT_TRUE(e.w.checked("RadioButton7"));
    EXPECT_TRUE(e.w.checked("RadioButton22"));
    e.type("Edit35", "1500");
    ASSERT_TRUE(e.ops.quick());
    EXPECT_EQ(e.w.text("Edit36"), "23908.03");
    EXPECT_TRUE(e.w.visible("Label46"));  // 公斤
    EXPECT_FALSE(e.w.visible("Label47"));
    EXPECT_EQ(e.w.label(kQuickNoteLabel), "");

    // The unit label changes with a new result only: litres once the switch is off.
    e.w.setChecked("CheckBox1", false);
    e.ops.inputChanged("CheckBox1");
    EXPECT_TRUE(e.w.visible("Label46"));
    ASSERT_TRUE(e.ops.quick());
    EXPECT_EQ(e.w.text("Edit36"), "28461.94");
    EXPECT_FALSE(e.w.visible("Label46"));
    EXPECT_TRUE(e.w.visible("Label47"));
}

// The dead volume and the fitting belong to the tank's description: a calibrated tank, whose
// points are measured volumes, neither adds them nor writes over them, and the other pages
// keep them. 23983.63 kg: the example tank at 1500 mm with 120 L of dead volume and a
// fitting of 30 L from 100 mm, 200 mm high, taken off whole above its band (23908.03 kg
// without them).
TEST(Corrections, ACalibratedTankNeitherAddsNorOverwritesThem) {
    using Texts = std::vector<std::pair<const char*, const char*>>;
    const Texts typed = {{"Edit13", "120"}, {"Edit31", "30"}, {"Edit32", "100"}, {"Edit33", "200"}};
    const Texts empty = {{"Edit13", ""}, {"Edit31", ""}, {"Edit32", ""}, {"Edit33", ""}};
    struct Case {
        const char* name;
        const Texts& corrections;
        bool table;  // 生成容积表, else 计算 at 1500 mm
    };
    const std::vector<Case> cases = {
        {"quick, corrections typed", typed, false},
        {"quick, corrections empty", empty, false},
        {"table, corrections typed", typed, true},
    };
    const auto run = [](Example& e, bool table) {
        if (table) {
            EXPECT_TRUE(e.ops.generate());
            return e.w.rows();
        }
        e.type("Edit35", "1500");
        EXPECT_TRUE(e.ops.quick());
        return std::vector<std::string>{e.w.text("Edit36")};
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Example plain(3);
        const std::vector<std::string> uncorrected = run(plain, c.table);
        Example e(3);
        for (const auto& [field, text] : c.corrections) {
            e.type(field, text);
        }
        EXPECT_EQ(run(e, c.table), uncorrected);
        EXPECT_TRUE(e.ui.messages().empty());
        e.turnToPage(0);
        for (const auto& [field, text] : c.corrections) {
            EXPECT_EQ(e.w.text(field), text) << field;
        }
    }
    Example e(3);
    for (const auto& [field, text] : typed) {
        e.type(field, text);
    }
    e.type("Edit35", "1500");
    ASSERT_TRUE(e.ops.quick());
    e.turnToPage(0);
    ASSERT_TRUE(e.ops.quick());
    EXPECT_EQ(e.w.text("Edit36"), "23983.63");
}

TEST(QuickResult, AnyChangeOfAnInputClearsTheResultItsNoteAndTheCurve) {
    struct Change {
        const char* control;
        std::function<void(MemoryWindow&)> act;
        bool clears;
    };
    const std::vector<Change> changes = {
        {"Edit1", [](MemoryWindow& m) { m.setText("Edit1", "2601"); }, true},
        {"Edit35", [](MemoryWindow& m) { m.setText("Edit35", "1400"); }, true},
        {"RadioButton8", [](MemoryWindow& m) { m.setChecked("RadioButton8", true); }, true},
        {"ComboBox4", [](MemoryWindow& m) { m.setItemIndex("ComboBox4", 1); }, true},
        {"CheckBox1", [](MemoryWindow& m) { m.setChecked("CheckBox1", false); }, true},
        {"Edit37", [](MemoryWindow& m) { m.setText("Edit37", "0.85"); }, true},
        {"ComboBox1", [](MemoryWindow& m) { m.setText("ComboBox1", "Kg/m^3"); }, true},
        {"Edit13", [](MemoryWindow& m) { m.setText("Edit13", "5"); }, true},
        {"Edit7", [](MemoryWindow& m) { m.setText("Edit7", "2000"); }, true},
        {"CheckBox2", [](MemoryWindow& m) { m.setChecked("CheckBox2", true); }, true},
        {"StringGrid1", [](MemoryWindow& m) { m.grid().setCell(2, 3, "14449.6"); }, true},
        {"ComboBox2", [](MemoryWindow& m) { m.setItemIndex("ComboBox2", 5); }, true},
        {"PageControl1", [](MemoryWindow& m) { m.form().setActivePage(2); }, true},
        {"Edit48", [](MemoryWindow& m) { m.setText("Edit48", "2800"); }, true},
        {"Edit36", [](MemoryWindow& m) { m.setText("Edit36", "1"); }, false},
        {"Edit49", [](MemoryWindow& m) { m.setText("Edit49", "T-101"); }, false},
        {"CheckBox3", [](MemoryWindow& m) { m.setChecked("CheckBox3", true); }, false},
        {"ListBox1", [](MemoryWindow&) {}, false},
        {"Label49", [](MemoryWindow&) {}, false},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.control);
        Example e(0);
        e.type("Edit35", "2700");
        ASSERT_TRUE(e.ops.quick());
        ASSERT_TRUE(e.w.hasCurve());
        c.act(e.w);
        e.ops.inputChanged(c.control);
        EXPECT_EQ(e.w.text("Edit36").empty(), c.clears);
        EXPECT_EQ(e.w.label(kQuickNoteLabel).empty(), c.clears);
        EXPECT_EQ(e.w.hasCurve(), !c.clears);
    }
}

// The example's 0.84 g/cm^3 typed in the other unit is noted; 2 g/cm^3 is not.
TEST(QuickResult, ALevelBeyondTheTankOrItsPointsOrAnUnlikelyDensityIsNoted) {
    const std::string above = "高于罐高，按满罐计";
    const std::string beyond = "超出标定点范围，按外推计算";
    const std::string density = "请核对密度单位：0.84 Kg/m^3 不在 0.5～2 g/cm^3 之间";
    struct Case {
        int page;
        const char* level;
        std::string note;
        const char* sameAs;      // a level whose result is the same, or nullptr
        const char* unit = "";   // ComboBox1 as typed, or as stored
        const char* value = "";  // Edit37 as typed, or as stored
    };
    const std::vector<Case> cases = {
        {0, "2700", above, "2600"},
        {0, "2600", "", nullptr},
        {0, "0", "", nullptr},
        {3, "2650", beyond, nullptr},
        {3, "2600", "", nullptr},
        {3, "0", "", nullptr},
        {0, "1000", density, nullptr, "Kg/m^3"},
        {0, "2700", above + "；" + density, nullptr, "Kg/m^3"},
        {0, "1000", "", nullptr, "g/cm^3", "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.page) + " at " + c.level + " " + c.unit);
        Example e(c.page);
        if (*c.unit != '\0') {
            e.type("ComboBox1", c.unit);
        }
        if (*c.value != '\0') {
            e.type("Edit37", c.value);
        }
        e.type("Edit35", c.level);
        ASSERT_TRUE(e.ops.quick());
        EXPECT_EQ(e.w.label(kQuickNoteLabel), c.note);
        EXPECT_EQ(e.w.text("Edit35"), c.level);
        if (c.sameAs != nullptr) {
            const std::string result = e.w.text("Edit36");
            e.type("Edit35", c.sameAs);
            ASSERT_TRUE(e.ops.quick());
            EXPECT_EQ(e.w.text("Edit36"), result);
            EXPECT_EQ(e.w.label(kQuickNoteLabel), "");
        }
    }
}

// The confirmation of a range the tank does not cover carries a note below the summary. A
// range cut at the tank's height leaves the workbook as for the range the tank covers; rows
// beyond the calibration points are marked in it, and its title says what the mark means.
TEST(Table, TheConfirmationNotesARangeBeyondTheTankAndTheWorkbookMarksItsRows) {
    const std::string question = "\r\n\r\n    是否继续？";
    struct Case {
        int page;
        const char* beyond;  // Edit7
        std::string note;
        std::string titleNote;  // below the summary of the workbook's title
    };
    const std::vector<Case> cases = {
        {0, "2650", "注意：液位范围到 2650 毫米，高于罐高，容积表只列到罐高 2600 毫米。", ""},
        {3, "2650", "注意：液位范围超出标定点范围（0 至 2600 毫米），超出部分按外推计算。",
         "\r\n注：带“*”的容积所在液位超出标定范围 0 ～ 2600 mm，是外推值，不是实测值。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        std::vector<std::string> prompts, titles, formats;
        for (const char* to : {"2600", c.beyond}) {
            Example e(c.page);
            e.w.setChecked("CheckBox2", false);
            e.ops.defaultsClicked();
            e.type("Edit7", to);
            e.type("Edit8", "50");
            ASSERT_TRUE(e.ops.generate());
            prompts.push_back(e.ui.shown.at(0).text);
            const testsupport::ReadSheet sheet = testsupport::readXlsx(e.workbook()).sheets.at(0);
            titles.push_back(sheet.at(0, 0).text);
            // The volumes of the last two rows (2550 and 2600, or 2600 and 2650).
            const int last = 2 + static_cast<int>(e.w.rows().size());
            formats.push_back(sheet.at(last - 1, 2).numberFormat + " " +
                              sheet.at(last, 2).numberFormat);
            if (c.page == 0) {
                EXPECT_EQ(e.w.rows().back().substr(0, 5), "2600,");  // cut at the height
            }
        }
        ASSERT_GT(prompts[0].size(), question.size());
        const std::string summary = prompts[0].substr(0, prompts[0].size() - question.size());
        EXPECT_EQ(prompts[0], summary + question);
        EXPECT_EQ(prompts[1], summary + "\r\n\r\n" + c.note + question);
        const std::size_t end = titles[0].find("\r\n\r\n");
        EXPECT_EQ(titles[1], titles[0].substr(0, end) + c.titleNote + titles[0].substr(end));
        EXPECT_EQ(formats[0], "0.00 0.00");
        EXPECT_EQ(formats[1], c.page == 0 ? "0.00 0.00" : "0.00 0.00\"*\"");
    }
}

TEST(StatusBar, SaysWhereTheWorkbookWentAndWhyItDidNotOpen) {
    struct Case {
        const char* what;
        OpenOutcome outcome;
        bool blocked;  // ~001.xlsx is a folder
        std::string tail;
    };
    const std::vector<Case> cases = {
        {"opened", OpenOutcome::Opened, false, ""},
        {"no program", OpenOutcome::NoProgram, false,
         "，但无法打开：系统中没有登记打开 .xlsx 文件的程序"},
        {"not started", OpenOutcome::Failed, false, "，但无法打开：打开它的程序未能启动"},
        {"not saved", OpenOutcome::Opened, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Example e(0);
        e.ui.openOutcome = c.outcome;
        if (c.blocked) {
            std::filesystem::create_directory(e.workbook());
        }
        e.w.setChecked("CheckBox2", false);
        e.ops.defaultsClicked();
        e.type("Edit8", "100");
        EXPECT_EQ(e.ops.generate(), !c.blocked);
        EXPECT_EQ(e.w.status(), c.blocked ? "容积表未能保存到 " + e.workbook()
                                          : "容积表已保存到 " + e.workbook() + c.tail);
    }
}

// "另存为…" and "PDF…" say in the status bar where the file went or that it was not written,
// and ask first when the table of the current inputs is not the one "生成容积表" made last.
TEST(Documents, SayWhereTheyWentAndAskWhenTheTableChangedSinceItWasMade) {
    Example e(0);
    e.type("Edit8", "100");
    ASSERT_TRUE(e.ops.generate());
    const std::string saved = e.folder.file("saved");
    struct Step {
        const char* what;
        std::function<void(Example&)> before;
        bool pdf;
        std::string chosen;
        std::optional<MessageAnswer> asked;  // the answer to the question, when it is asked
        std::string status;                  // "" : unchanged
    };
    const std::vector<Step> steps = {
        {"the table made", {}, false, saved, std::nullopt, "容积表已另存为 " + saved + ".xlsx"},
        {"a PDF nothing opens", [](Example& x) { x.ui.openOutcome = OpenOutcome::NoProgram; }, true,
         saved, std::nullopt,
         "容积表 PDF 已保存到 " + saved + ".pdf，但无法打开：系统中没有登记打开 .pdf 文件的程序"},
        {"a PDF into no folder",
         {},
         true,
         e.folder.file("none/t"),
         std::nullopt,
         "容积表 PDF 未能保存到 " + e.folder.file("none/t") + ".pdf"},
        {"the tank changed since, declined", [](Example& x) { x.type("Edit1", "2500"); }, false,
         saved, MessageAnswer::No, ""},
        {"the tank changed since, agreed",
         {},
         false,
         saved,
         MessageAnswer::Yes,
         "容积表已另存为 " + saved + ".xlsx"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.before) {
            step.before(e);
        }
        e.ui.shown.clear();
        e.w.showStatus("");
        e.ui.saveAnswers = {step.chosen};
        if (step.asked) {
            e.ui.answers = {*step.asked};
        }
        step.pdf ? e.ops.saveTablePdf("2026-12-09") : e.ops.saveTableAs("2026-12-09");
        const bool asked =
            !e.ui.shown.empty() && e.ui.shown[0].kind == testsupport::ShownBox::Kind::Box;
        EXPECT_EQ(asked, step.asked.has_value());
        EXPECT_TRUE(e.ui.answers.empty());
        EXPECT_EQ(e.w.status(), step.status);
    }
}

// The window's answers in the units chosen ("单位"), their unit labels with them: the quick
// result in tonnes or US barrels, the level of a volume in inches.
TEST(QuickResult, AnswersInTheUnitsChosen) {
    Example e(0);
    e.type("Edit35", "1500");
    ASSERT_TRUE(e.ops.quick());
    EXPECT_EQ(e.w.text("Edit36"), "23908.03");
    EXPECT_EQ(e.w.label("Label46"), "公斤");
    e.type("UnitComboBox3", "t");
    ASSERT_TRUE(e.ops.quick());
    EXPECT_EQ(e.w.text("Edit36"), "23.908");
    EXPECT_EQ(e.w.label("Label46"), "吨");
    e.w.setChecked("CheckBox1", false);
    e.ops.weightSwitchClicked();
    e.type("UnitComboBox2", "bbl");
    ASSERT_TRUE(e.ops.quick());
    EXPECT_EQ(e.w.text("Edit36"), "179.020");  // 28461.94 L / 158.987294928
    EXPECT_EQ(e.w.label("Label47"), "美制桶");
    EXPECT_TRUE(e.w.visible("Label47"));
    e.type("UnitComboBox1", "in");
    e.type("Edit60", "28461.94");
    ASSERT_TRUE(e.ops.findLevel());
    EXPECT_EQ(e.w.label("Label52"), "59.06");  // 1500 mm
    EXPECT_EQ(e.w.label("Label54"), "英寸");
}

}  // namespace
}  // namespace quorvel::app
