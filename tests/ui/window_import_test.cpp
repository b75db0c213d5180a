// "导入罐容表…" as a person uses it: the button, the file chosen in the dialog, the grid and its
// point count replaced (the list growing beyond its 999 entries), the status bar saying so.
#include <QApplication>
#include <QFileDialog>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <fstream>

#include "window_fixture.h"

namespace quorvel::ui {
namespace {

// Answers the next file dialog with `path`, as a person picks the file and presses Open.
void chooseInNextDialog(const std::string& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString(path));
        static_cast<QDialog*>(dialog)->accept();  // as "Open" does
    });
}

TEST_F(WindowTest, AnImportedTableBecomesTheGridWithItsCount) {
    // 1,200 points of an upright tank of 4 litres per mm, more than the list first offers.
    const std::string table = file("table.csv");
    {
        std::ofstream out(table);
        out << "高度mm,容积L\n";
        for (int h = 0; h < 1200; ++h)
            out << h << ',' << 4 * h << '\n';
    }
    open();
    turnToPage(3);
    EXPECT_EQ(w<QComboBox>("ComboBox2").count(), 998);
    chooseInNextDialog(table);
    click("CalButton1");
    EXPECT_EQ(w<QComboBox>("ComboBox2").currentText().toStdString(), "1199");
    EXPECT_EQ(w<QTableWidget>("StringGrid1").rowCount(), 1201);
    EXPECT_EQ(window_->form().cell(2, 1200), "4796");
    EXPECT_EQ(w<QStatusBar>("StatusBar1").currentMessage().toStdString(),
              "已导入罐容表“table.csv”：读到 1200 个标定点，高度 0 ～ 1199 mm，原有标定点已替换");
    // The imported points are the tank's: the quick calculation between two of them, by the
    // monotone cubic chosen in its list.
    w<QComboBox>("CalComboBox1").setCurrentIndex(1);
    type("Edit35", "600.5");
    click("Button2");
    EXPECT_EQ(text("Edit36"), "2402.00");
}

}  // namespace
}  // namespace quorvel::ui
