// The window with its files: close and restart with Config.ini equal to the headless front
// end's, the same workbook as the front end, the snapshot.
#include <sstream>

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>

#include "cli/table_command.h"
#include "form/controls.h"
#include "output/bitmap_file.h"
#include "support/xlsx_reader.h"
#include "ui/qt_ui_services.h"
#include "window_fixture.h"

namespace quorvel::ui {
namespace {

int runFrontEnd(std::vector<std::string> args) {
    std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out, err;
    return cli::runTableCommand(views, out, err);
}

// The --set arguments that give the front end's form the window's stored controls.
std::vector<std::string> frontEndEdits(WidgetForm& form) {
    std::vector<std::string> args;
    for (const ControlInfo& c : storedControls()) {
        const std::string name(c.name);
        std::string value;
        switch (c.kind) {
            case ControlKind::Edit:
                value = form.text(c.name);
                break;
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                value = form.checked(c.name) ? "1" : "0";
                break;
            case ControlKind::List:
                if (form.itemIndex(c.name) < 0 && listIsFixed(c.name)) {
                    continue;
                }
                value = form.text(c.name);
                break;
        }
        args.push_back("--set");
        args.push_back(name + "=" + value);
    }
    return args;
}

TEST_F(WindowTest, CloseAndRestartRestoreEveryStoredFieldAsTheFrontEndStoresThem) {
    open();
    turnToPage(0);
    click("RadioButton2");
    click("RadioButton15");
    click("RadioButton11");
    type("Edit21", "25");
    type("Edit22", "480");
    type("Edit17", "300");
    type("Edit3", "2400");
    type("Edit4", "1800");
    type("Edit5", "6000");
    type("Edit35", "900.5");
    click("CheckBox1");
    type("Edit37", "0.84");
    window_->form().setText("ComboBox1", "g/cm^3");
    window_->form().setText("Edit42", "中文 text");  // typed texts need not be numbers
    window_->form().setItemIndex("ComboBox4", 1);
    pickPointCount(3);
    window_->form().grid().setCell(1, 4, "1250");
    click("Button2");
    const std::string result = text("Edit36");
    EXPECT_FALSE(result.empty());

    std::vector<std::string> args{"--shell", "horizontal", "--save-settings", file("front.ini")};
    const std::vector<std::string> edits = frontEndEdits(window_->form());
    args.insert(args.end(), edits.begin(), edits.end());
    std::map<std::string, std::string> before;
    for (const ControlInfo& c : storedControls()) {
        before[std::string(c.name)] = c.kind == ControlKind::Edit || c.kind == ControlKind::List
                                          ? window_->form().text(c.name)
                                          : (window_->form().checked(c.name) ? "1" : "0");
    }
    closeWindow();
    runFrontEnd(args);
    const std::string stored = testsupport::readBytes(file("Config.ini"));
    EXPECT_FALSE(stored.empty());
    EXPECT_EQ(stored, testsupport::readBytes(file("front.ini")));

    TFrmMain& again = open();
    for (const ControlInfo& c : storedControls()) {
        const std::string name(c.name);
        const std::string now = c.kind == ControlKind::Edit || c.kind == ControlKind::List
                                    ? again.form().text(c.name)
                                    : (again.form().checked(c.name) ? "1" : "0");
        if (name == "Edit7") {
            EXPECT_EQ(now, "9999");
        } else if (name == "Edit36") {
            EXPECT_EQ(now, "");  // the result of the last run is not shown again
        } else if (name == "ComboBox4") {
            EXPECT_EQ(now, "加上右封头容积");
        } else if (name != "Edit6" && name != "Edit8" && name != "Edit9" && name != "Edit13" &&
                   name != "Edit31" && name != "Edit32" && name != "Edit33") {
            // An empty field is stored as "0"; one added since the first 73 stays empty.
            const bool empty = c.kind == ControlKind::Edit && before[name].empty();
            EXPECT_EQ(now, empty && !c.storedWhenSet ? "0" : before[name]) << name;
        }
    }
    EXPECT_NE(stored.find("\r\nEdit36=" + result + "\r\n"), std::string::npos);
    EXPECT_EQ(w<QComboBox>("ComboBox2").currentText(), "3");
    EXPECT_EQ(again.form().cell(1, 4), "1250");
    EXPECT_FALSE(w("Label46").isHidden());
}

// Stored texts reach the fields past their filters and go back to the file unchanged.
TEST_F(WindowTest, LoadedTextsAreShownAndStoredAsTheyAre) {
    const std::string settings =
        "[FrmMainPro]\r\nEdit35=abc\r\nCheckBox1=1\r\nEdit37=0,84\r\nEdit1=2 600\r\n";
    testsupport::writeBytes(file("Config.ini"), settings);
    open();
    EXPECT_EQ(text("Edit1"), "2 600");
    EXPECT_EQ(text("Edit35"), "abc");
    EXPECT_EQ(text("Edit37"), "0,84");
    EXPECT_EQ(ui_.messages(), std::vector<std::string>{"输入内容不是数字"});  // Edit37Change
    closeWindow();
    const std::string stored = testsupport::readBytes(file("Config.ini"));
    for (const char* line : {"\r\nEdit35=abc\r\n", "\r\nEdit37=0,84\r\n", "\r\nEdit1=2 600\r\n"}) {
        EXPECT_NE(stored.find(line), std::string::npos) << line;
    }
}

// What the window holds of an identity value it loaded is stored back as it was unless the user
// changes it — 40,000 characters (a field shows 32,767), blanks at its ends; a line pasted with
// its break keeps its text; the reference height's second view shows what is stored.
TEST_F(WindowTest, StoredValuesSurviveTheWindowAndAPastedLineBreakIsDropped) {
    std::string tanks;
    for (int i = 0; i < 40000; ++i) {
        tanks += "\xB9\xDE";  // 罐
    }
    const std::string kept = "\r\nEdit49=" + tanks + "\r\nEdit51=\" \xBF\xE2\xC7\xF8 \"\r\n";
    testsupport::writeBytes(file("Config.ini"), "[FrmMainPro]\r\nEdit48=-5" + kept);
    open();
    EXPECT_EQ(edit("ReferenceHeightBeside").text(), "-5");
    EXPECT_EQ(text("Edit51"), " 库区 ");
    QApplication::clipboard()->setText(QStringLiteral("某某油库\r\n"));
    edit("Edit50").paste();
    EXPECT_EQ(edit("Edit50").text(), QStringLiteral("某某油库"));
    closeWindow();
    const std::string stored = testsupport::readBytes(file("Config.ini"));
    EXPECT_NE(stored.find(kept), std::string::npos);
    EXPECT_NE(stored.find("\r\nEdit50=\xC4\xB3\xC4\xB3\xD3\xCD\xBF\xE2\r\n"), std::string::npos);
}

std::map<std::pair<int, int>, std::string> cellsOf(const std::string& path) {
    std::map<std::pair<int, int>, std::string> cells;
    const testsupport::ReadBook book = testsupport::readXlsx(path);
    for (const auto& [at, cell] : book.sheets.at(0).cells) {
        cells[at] = cell.isText ? cell.text : std::to_string(cell.number);
    }
    return cells;
}

TEST_F(WindowTest, GenerateWritesTheFrontEndsWorkbookAndOpensIt) {
    open();
    turnToPage(0);
    click("RadioButton1");
    click("RadioButton7");
    click("RadioButton22");
    type("Edit1", "2000");
    type("Edit2", "5000");
    click("CheckBox1");
    type("Edit37", "800");
    window_->form().setText("ComboBox1", "Kg/m^3");
    click("CheckBox2");
    click("CheckBox2");  // unchecked again: the request can be edited
    type("Edit8", "10");
    type("Edit9", "50");
    click("BitBtn1");
    const std::string book = file("~001.xlsx");
    ASSERT_TRUE(std::filesystem::is_regular_file(book));
    EXPECT_EQ(ui_.shown.back().kind, testsupport::ShownBox::Kind::Open);
    EXPECT_EQ(ui_.shown.back().text, book);
    EXPECT_EQ(w<QStatusBar>("StatusBar1").currentMessage().toStdString(), "容积表已保存到 " + book);
    EXPECT_EQ(w<QListWidget>("ListBox1").count(), 201);
    EXPECT_EQ(w<QListWidget>("ListBox1").item(100)->text(), "1000,8979.72");
    EXPECT_EQ(w<QListWidget>("ListBox2").item(100)->text(), "7183.78");

    std::vector<std::string> args{"--shell", "horizontal", "--out", file("front.xlsx")};
    const std::vector<std::string> edits = frontEndEdits(window_->form());
    args.insert(args.end(), edits.begin(), edits.end());
    ASSERT_EQ(runFrontEnd(args), cli::kExitOk);
    EXPECT_EQ(cellsOf(book), cellsOf(file("front.xlsx")));

    // The hidden button runs the same handler; a refused question keeps the workbook.
    const auto written = std::filesystem::last_write_time(book);
    ui_.answers.push_back(MessageAnswer::No);
    emit w<QPushButton>("Button1").clicked();
    EXPECT_EQ(ui_.shown.back().caption, "系统提示");
    EXPECT_EQ(std::filesystem::last_write_time(book), written);
}

TEST_F(WindowTest, SnapshotIsTheClientAreaAsABitmap) {
    TFrmMain& window = open();
    window.resize(window.scaled(1000), window.scaled(700));
    ui_.saveAnswers.push_back(file("打印窗体"));
    click("Button3");
    ASSERT_TRUE(ui_.clipboard.has_value());
    EXPECT_EQ(ui_.clipboard->width, window.width());
    EXPECT_EQ(ui_.clipboard->height, window.height());
    const std::string saved = testsupport::readBytes(file("打印窗体.bmp"));
    EXPECT_EQ(saved, encodeBitmap(*ui_.clipboard));
    ASSERT_GE(saved.size(), 26u);
    EXPECT_EQ(saved.substr(0, 2), "BM");
    EXPECT_EQ(ui_.shown.back().caption, "提示");
    EXPECT_EQ(ui_.shown.back().icon, MessageIcon::Information);
}

}  // namespace
}  // namespace quorvel::ui

namespace quorvel::ui {
namespace {

TEST_F(WindowTest, AWindowClosedBeforeItsStartUpLeavesTheFilesAlone) {
    const std::string settings = "[FrmMainPro]\r\nEdit1=2000\r\n";
    testsupport::writeBytes(file("Config.ini"), settings);
    window_ = std::make_unique<TFrmMain>(folder(), &ui_);
    window_->close();
    window_.reset();
    EXPECT_EQ(testsupport::readBytes(file("Config.ini")), settings);
    EXPECT_FALSE(std::filesystem::exists(file("bd.txt")));
}

// The workbook and the help are opened by URL: a folder name that is not UTF-8 keeps its
// bytes, as xdg-open decodes them (RFC 3986 percent-encoding).
TEST(FileUrl, KeepsEveryByteOfThePath) {
    const std::string path = "/tmp/\xB2\xE2\xCA\xD4 \xFF/~001.xlsx";
    EXPECT_EQ(fileUrl(path).toEncoded(), "file:///tmp/%B2%E2%CA%D4%20%FF/~001.xlsx");
    EXPECT_TRUE(fileUrl(path).isLocalFile());
}

}  // namespace
}  // namespace quorvel::ui
