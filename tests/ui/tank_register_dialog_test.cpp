// "单位" and "罐库…" as a person uses them: a unit picked beside the quick calculation changes
// the result shown; the register's dialog saves the window's tank, lists it, and asks before
// another tank replaces a changed one. What the operations do is tested in app/.
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>

#include "window_fixture.h"

namespace quorvel::ui {
namespace {

TEST_F(WindowTest, UnitsAndTheRegister) {
    open();
    flatTank();
    type("Edit35", "1000");
    click("Button2");
    EXPECT_EQ(text("Edit36"), "7853.98");  // half of π × 1 m² × 5 m
    click("UnitsButton");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w<QDialog>("UnitsDialog")));
    w<QComboBox>("UnitComboBox2").setCurrentText("m3");
    EXPECT_EQ(text("Edit36"), "");  // a unit changes the result shown: cleared
    click("Button2");
    EXPECT_EQ(text("Edit36"), "7.854");
    EXPECT_EQ(label("Label47"), "立方米");

    auto& dialog = w<QDialog>("TankRegisterDialog");
    EXPECT_TRUE(dialog.isHidden());
    w<QLineEdit>("Edit49").setText("T-7");
    click("RegisterButton");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto& table = w<QTableWidget>("RegisterTable");
    EXPECT_EQ(table.rowCount(), 0);
    QTest::mouseClick(&w<QPushButton>("RegisterSave"), Qt::LeftButton);
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.item(0, 0)->text(), "T-7");
    EXPECT_EQ(table.item(0, 2)->text(), QString::fromUtf8("水平圆筒"));
    if (const char* shot = std::getenv("QUORVEL_REGISTER_SHOT")) {
        dialog.grab().save(QString::fromUtf8(shot));
    }

    // Changed since saved: opening asks first; "否" keeps the window's tank.
    type("Edit1", "2100");
    ui_.answers.push_back(MessageAnswer::No);
    table.selectRow(0);
    QTest::mouseClick(&w<QPushButton>("RegisterOpen"), Qt::LeftButton);
    ASSERT_FALSE(ui_.shown.empty());
    EXPECT_EQ(ui_.shown.back().caption, "罐库");
    EXPECT_EQ(text("Edit1"), "2100");
    ui_.answers.push_back(MessageAnswer::Yes);
    QTest::mouseClick(&w<QPushButton>("RegisterOpen"), Qt::LeftButton);
    EXPECT_EQ(text("Edit1"), "2000");
    EXPECT_EQ(text("Edit36"), "");
}

}  // namespace
}  // namespace quorvel::ui
