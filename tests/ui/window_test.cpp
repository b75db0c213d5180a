// The window as a person uses it: its controls and texts, typing through the filters, and
// every event reaching its operation.
#include <functional>
#include <utility>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>

#include "form/controls.h"
#include "ui/pictures/capacity_curve_view.h"
#include "window_fixture.h"

namespace quorvel::ui {
namespace {

QString qs(const char* s) {
    return QString::fromUtf8(s);
}

TEST_F(WindowTest, EveryControlUnderItsNameWithItsTexts) {
    TFrmMain& window = open();
    EXPECT_EQ(window.windowTitle(), "Quorvel");
    for (const ControlInfo& c : storedControls()) {
        QWidget& widget = w(std::string(c.name).c_str());
        switch (c.kind) {
            case ControlKind::Edit:
                EXPECT_NE(qobject_cast<QLineEdit*>(&widget), nullptr) << c.name;
                break;
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                EXPECT_NE(qobject_cast<QAbstractButton*>(&widget), nullptr) << c.name;
                break;
            case ControlKind::List: {
                auto* box = qobject_cast<QComboBox*>(&widget);
                ASSERT_NE(box, nullptr) << c.name;
                EXPECT_EQ(box->isEditable(), !listIsFixed(c.name)) << c.name;
                const auto& entries = listEntries(c.name);
                // The point counts are listed up to 999 until a grid needs more.
                const std::string last = c.name == kPointCountList ? "999" : entries.back();
                ASSERT_EQ(box->itemText(box->count() - 1).toStdString(), last) << c.name;
                EXPECT_EQ(box->itemText(0).toStdString(), entries.front());
                break;
            }
        }
    }
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"RadioButton7", "图一 标准椭圆封头(只选中)"},
        {"RadioButton8", "图一 非标椭圆封头"},
        {"RadioButton16", "图二 圆锥封头"},
        {"RadioButton10", "图二 圆台封头"},
        {"RadioButton18", "图三 球缺封头"},
        {"RadioButton12", "图四 标准碟形封头(只选中)"},
        {"RadioButton5", "图四 非标碟形封头"},
        {"RadioButton13", "图五 半球形封头(只选中)"},
        {"RadioButton21", "图六 平板封头(只选中)"},
        {"RadioButton1", "图七 水平正直圆柱体"},
        {"RadioButton2", "图八 水平椭圆柱体"},
        {"RadioButton3", "低端在左封头"},
        {"RadioButton4", "低端在右封头"},
        {"CheckBox1", "重量输入密度"},
        {"CheckBox2", "默认"},
        {"BitBtn1", "生成容积表"},
        {"Button1", "生成"},
        {"Button2", "计算"},
        {"Button3", "打印"},
        {"Button4", "帮助"},
        {"Button5", "清空"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(w<QAbstractButton>(name).text(), qs(caption)) << name;
    }
    for (const auto& [name, title] :
         std::vector<std::pair<const char*, const char*>>{{"GroupBox1", "左封头"},
                                                          {"GroupBox2", "右封头"},
                                                          {"GroupBox3", "油罐容积表"},
                                                          {"GroupBox5", "快捷计算"}}) {
        EXPECT_EQ(w<QGroupBox>(name).title(), qs(title)) << name;
    }
    for (const auto& [name, caption] : std::vector<std::pair<const char*, const char*>>{
             {"Label46", "公斤"}, {"Label47", "升"}, {"Label48", "标定点数："}}) {
        EXPECT_EQ(w<QLabel>(name).text(), qs(caption)) << name;
    }
    for (const auto& [name, hint] : std::vector<std::pair<const char*, const char*>>{
             {"Edit1", "圆筒内直径，毫米"},
             {"Edit22", "包含直边高度的封头深度，毫米"},
             {"Edit44", "碟型封头球面半径，毫米"},
             {"Edit11", "包含直边高度的封头深度，毫米"},
             {"Edit6", "液位最低点，毫米"},
             {"Edit35", "毫米"}}) {
        EXPECT_EQ(edit(name).toolTip(), qs(hint)) << name;
    }
    auto& pages = w<QTabWidget>("PageControl1");
    const std::vector<const char*> pageCaptions{"水平圆筒", "倾斜圆筒", "球罐", "罐容标定"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pages.tabText(i), qs(pageCaptions[static_cast<std::size_t>(i)]));
    }
    EXPECT_EQ(pages.currentWidget()->objectName(), "TabSheet4");
    auto& pictures = w<QTabWidget>("PageControl2");
    EXPECT_EQ(pictures.tabText(0), qs("图一至图八"));
    EXPECT_EQ(pictures.tabText(1), qs("倾斜圆筒"));
    EXPECT_EQ(pictures.currentIndex(), 0);
    w<QWidget>("DrawingsPage1");
    w<QWidget>("DrawingsPageTilted");
    w<QWidget>("CurveArea");
    EXPECT_TRUE(w("Button1").isHidden());
    EXPECT_TRUE(w<QListWidget>("ListBox1").isHidden());
    EXPECT_TRUE(w<QListWidget>("ListBox2").isHidden());
    EXPECT_EQ(w<QComboBox>("ComboBox2").itemText(0), "2");
    EXPECT_EQ(window.size(), QSize(window.scaled(1264), window.scaled(798)));
    auto& grid = w<QTableWidget>("StringGrid1");
    EXPECT_EQ(grid.columnWidth(1), window.scaled(85));
    EXPECT_EQ(grid.rowHeight(0), window.scaled(24));
}

TEST_F(WindowTest, TypedAndPastedTextPassesTheFieldsFilter) {
    open();
    struct Case {
        const char* field;
        const char* keys;
        const char* shown;
    };
    const std::vector<Case> typed = {
        {"Edit1", "12a.-,3", "123"}, {"Edit2", "5.0", "50"},     {"Edit34", "3.5", "35"},
        {"Edit40", "1.8", "18"},     {"Edit21", "2-5", "25"},    {"Edit9", "2.00", "200"},
        {"Edit33", "1.5", "15"},     {"Edit6", "1.2a-,", "1.2"}, {"Edit8", "0..5", "0..5"},
        {"Edit37", "0,84", "084"},   {"Edit29", "1.5", "1.5"},   {"Edit41", "1800.5", "1800.5"},
        {"Edit36", "x9.9", "9.9"},   {"Edit35", " 100", "100"},
    };
    for (const Case& c : typed) {
        type(c.field, c.keys);
        EXPECT_EQ(text(c.field), c.shown) << c.field << " typed " << c.keys;
    }
    // Backspace still edits.
    QTest::keyClick(&edit("Edit35"), Qt::Key_Backspace);
    EXPECT_EQ(text("Edit35"), "10");

    const std::vector<Case> pasted = {{"Edit2", "1a2.3", "123"}, {"Edit35", "1a2.3", "12.3"}};
    for (const Case& c : pasted) {
        QApplication::clipboard()->setText(QString::fromUtf8(c.keys));
        edit(c.field).clear();
        edit(c.field).paste();
        EXPECT_EQ(text(c.field), c.shown) << c.field << " pasted " << c.keys;
    }

    // The grid's cell editor takes digits and points only.
    pickPointCount(2);
    auto& grid = w<QTableWidget>("StringGrid1");
    grid.setCurrentCell(2, 1);
    grid.edit(grid.model()->index(2, 1));
    auto* editor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "1a.5-");
    EXPECT_EQ(editor->text(), "1.5");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor commits through a queued call
    EXPECT_EQ(window_->form().cell(1, 2), "1.5");

    // What the program writes passes no filter; typing beside it filters only what is typed.
    for (const char* written : {"-2094.40", "0,84", "2 600"}) {
        window_->form().setText("Edit36", written);
        EXPECT_EQ(text("Edit36"), written);
    }
    edit("Edit36").end(false);
    QTest::keyClicks(&edit("Edit36"), "-5a");
    EXPECT_EQ(text("Edit36"), "2 6005");
    window_->form().grid().setCell(1, 2, "-3");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the first editor
    grid.edit(grid.model()->index(2, 1));
    editor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "-3");
    editor->end(false);
    QTest::keyClicks(editor, "-7");
    EXPECT_EQ(editor->text(), "-37");
}

// Each event of the window reaches its operation; what the operations do is tested in app/.
// The comparison under the curve and the second line come and go with the method chosen;
// a restart keeps the method and the reference height.
TEST_F(WindowTest, TheMethodsComparisonAndWhatARestartKeeps) {
    open();
    auto& methods = w<QComboBox>("ComboBox5");
    EXPECT_EQ(methods.currentText(), QString::fromUtf8("经典公式"));
    turnToPage(1);
    click("RadioButton7");  // both heads standard ellipsoidal
    click("RadioButton22");
    for (const auto& [name, value] : {std::pair{"Edit29", "1.5"},
                                      {"Edit30", "0"},
                                      {"Edit39", "2000"},
                                      {"Edit40", "2600"},
                                      {"Edit41", "2600"},
                                      {"Edit42", "8551"},
                                      {"Edit35", "100"},
                                      {"ReferenceHeightBeside", "2700"}}) {
        type(name, value);
    }
    click("Button2");
    EXPECT_EQ(ui_.messages(), std::vector<std::string>{});
    EXPECT_EQ(ui_.errors(), std::vector<std::string>{});
    auto& curve = w<CapacityCurveView>("CurveArea");
    EXPECT_TRUE(w("Label53").isVisible());
    EXPECT_TRUE(label("Label53").starts_with("经典公式在 100 毫米处比真实几何少 7.27 %"));
    EXPECT_TRUE(curve.trueGeometry().has_value());
    EXPECT_TRUE(w<QLabel>("Label53").textInteractionFlags() & Qt::TextSelectableByMouse);

    methods.setCurrentIndex(1);  // 真实几何: the result and its comparison go
    EXPECT_FALSE(w("Label53").isVisible());
    EXPECT_FALSE(curve.hasCurve());
    click("Button2");
    EXPECT_EQ(text("Edit36"), "1292.95");
    EXPECT_FALSE(w("Label53").isVisible());
    EXPECT_FALSE(curve.trueGeometry().has_value());

    closeWindow();
    open();
    EXPECT_EQ(w<QComboBox>("ComboBox5").currentText(), QString::fromUtf8("真实几何"));
    EXPECT_EQ(text("Edit48"), "2700");
    EXPECT_EQ(text("ReferenceHeightBeside"), "2700");
}

TEST_F(WindowTest, EveryEventReachesItsOperation) {
    TFrmMain& window = open();
    // The start-up steps ran on activation, once: a second activation changes nothing.
    EXPECT_EQ(text("Edit7"), "9999");
    window.form().setText("Edit7", "100");
    window.FormActivate();
    EXPECT_EQ(text("Edit7"), "100");

    struct Step {
        const char* what;
        std::function<void()> act;
        std::function<bool()> happened;
    };
    const std::vector<Step> steps = {
        {"a click on 图八 applies the section's head rules",
         [&] {
             turnToPage(0);
             click("RadioButton16");
             click("RadioButton2");
         },
         [&] { return !w("RadioButton16").isEnabled(); }},
        {"a head made flat is said in the status bar", [] {},
         [&] {
             return w<QStatusBar>("StatusBar1").currentMessage() ==
                    QString::fromUtf8("左封头“圆锥封头”只适用于水平正直圆柱体，已改为平板封头");
         }},
        {"turning to the sphere page applies the page's rules", [&] { turnToPage(2); },
         [&] { return !w("GroupBox1").isEnabled(); }},
        {"turning to the tilted page shows its pictures", [&] { turnToPage(1); },
         [&] { return w<QTabWidget>("PageControl2").currentIndex() == 1; }},
        {"a right click on 默认 resets the request",
         [&] {
             window.form().setText("Edit8", "55");
             click("CheckBox2", Qt::RightButton);
         },
         [&] { return text("Edit8") == "1"; }},
        {"重量输入密度 shows the density", [&] { click("CheckBox1"); },
         [&] { return !w("Edit37").isHidden() && w("Label47").isHidden(); }},
        {"a density that is no number is reported",
         [&] {
             type("Edit37", "8");
             edit("Edit37").clear();
         },
         [&] { return ui_.messages() == std::vector<std::string>{"输入内容不是数字"}; }},
        {"a pick of the point count shapes the grid", [&] { pickPointCount(5); },
         [&] { return w<QTableWidget>("StringGrid1").rowCount() == 7; }},
        {"Ctrl+V pastes a block into the grid and the count follows",
         [&] {
             turnToPage(3);
             auto& grid = w<QTableWidget>("StringGrid1");
             grid.setCurrentCell(1, 1);
             QApplication::clipboard()->setText("0\t0\n100\t1000\n200\t2000\n300\t3000\n");
             QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
         },
         [&] {
             return w<QComboBox>("ComboBox2").currentText() == "3" &&
                    window.form().cell(2, 4) == "3000";
         }},
        {"Tab passes over the number column",
         [&] {
             auto& grid = w<QTableWidget>("StringGrid1");
             grid.setCurrentCell(1, 2);
             QTest::keyClick(&grid, Qt::Key_Tab);
         },
         [&] {
             auto& grid = w<QTableWidget>("StringGrid1");
             return grid.currentRow() == 2 && grid.currentColumn() == 1;
         }},
        {"清空 empties the points",
         [&] {
             window.form().grid().setCell(1, 6, "600");
             click("Button5");
         },
         [&] { return window.form().cell(1, 6).empty(); }},
        {"计算 writes the quick result",
         [&] {
             turnToPage(0);
             click("RadioButton21");
             click("RadioButton14");
             turnToPage(2);
             click("CheckBox1");
             type("Edit34", "1000");
             type("Edit35", "1000");
             click("Button2");
         },
         [&] { return text("Edit36") == "523.60" && w("Label46").isHidden(); }},
        {"求液位 gives the level of half the sphere, in litres",
         [&] {
             type("Edit60", "261.80");
             click("Button6");
         },
         [&] { return label("Label52") == "500.00" && label("Label51") == "升"; }},
        {"an ullage below the reference height gives the level of 计算",
         [&] {
             type("ReferenceHeightBeside", "1200");
             type("Edit59", "700");
             click("Button2");
         },
         [&] { return text("Edit35") == "500" && text("Edit36") == "261.80"; }},
        {"a level typed again empties the ullage", [&] { type("Edit35", "600"); },
         [&] { return text("Edit59").empty() && text("Edit36").empty(); }},
        {"帮助 opens the help or says it is damaged", [&] { click("Button4"); },
         [&] { return ui_.messages().back() == " help.chm 帮助文件损坏！"; }},
    };
    for (const Step& step : steps) {
        step.act();
        EXPECT_TRUE(step.happened()) << step.what;
    }
    // The grid's own cells: numbers fixed and centred.
    auto& grid = w<QTableWidget>("StringGrid1");
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.item(4, 0)->text(), "4");
    EXPECT_EQ(grid.item(1, 1)->textAlignment(), Qt::AlignCenter);
    EXPECT_FALSE(grid.item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid.item(4, 0)->flags() & Qt::ItemIsEditable);
}

// The page 立式圆筒: heads greyed, a course typed into the grid opens the next row, the quick
// calculation reads it, and the close keeps the rows in courses.txt.
TEST_F(WindowTest, TheUprightPageIsWiredToItsOperations) {
    open();
    w<QTabWidget>("PageControl1").setCurrentIndex(4);
    EXPECT_FALSE(w("GroupBox1").isEnabled());
    EXPECT_FALSE(w("GroupBox2").isEnabled());
    auto& courses = w<QTableWidget>("UprightGrid1");
    courses.setItem(0, 0, new QTableWidgetItem("1500"));
    EXPECT_EQ(courses.rowCount(), 2);
    courses.setItem(0, 1, new QTableWidgetItem("10000"));
    type("UprightEdit1", "100");
    type("Edit35", "750");
    QTest::mouseClick(&w<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_EQ(text("Edit36"), "59004.86");  // pi * 5 m^2 * 0.75 m + 100 L
    closeWindow();
    EXPECT_EQ(testsupport::readBytes(file("courses.txt")),
              "Quorvel courses 1\r\ncourse,1500,10000,,\r\n");
}

}  // namespace
}  // namespace quorvel::ui
