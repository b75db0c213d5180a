// The window's pictures: the drawings of both picture pages, the lower left area before any
// computation, the capacity curve after a generate or a quick calculation, and where the
// help and the stored files are found.
#include <cmath>
#include <numbers>

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>

#include "platform/data_folder.h"
#include "text/number_format.h"
#include "ui/pictures/capacity_curve_view.h"
#include "ui/pictures/drawing_view.h"
#include "window_fixture.h"

namespace quorvel::ui {
namespace {

// Litres in a horizontal cylinder with flat ends, from the circular segment.
double flatCylinderLitres(double d, double l, double h) {
    const double r = d / 2;
    const double area = r * r * std::acos((r - h) / r) - (r - h) * std::sqrt(2 * r * h - h * h);
    return area * l / 1e6;
}

class WindowPicturesTest : public WindowTest {
  protected:
    CapacityCurveView& curve() { return w<CapacityCurveView>("CurveArea"); }

    // The fixture's flat-headed tank, its level 1000 in the quick field.
    void flatTankAt1000() {
        flatTank();
        type("Edit35", "1000");
    }
    void weightsIn(const char* gramsPerCm3) {
        click("CheckBox1");
        type("Edit37", gramsPerCm3);
        window_->form().setText("ComboBox1", "g/cm^3");
    }
};

TEST_F(WindowPicturesTest, PicturePagesHoldTheDrawingsInCaptionOrder) {
    open();
    auto& pictures = w<QTabWidget>("PageControl2");
    const std::vector<std::pair<const char*, std::vector<Drawing>>> pages = {
        {"DrawingsPage1",
         {Drawing::EllipsoidalHead, Drawing::ConicalHead, Drawing::SphericalCapHead,
          Drawing::DishedHead, Drawing::HemisphericalHead, Drawing::FlatHead,
          Drawing::HorizontalCylinder, Drawing::EllipticalCylinder}},
        {"DrawingsPageTilted",
         {Drawing::TiltedRaisedLeft, Drawing::TiltedRaisedRight, Drawing::TiltedCrossSections}},
    };
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QWidget& page = w(pages[i].first);
        EXPECT_EQ(pictures.widget(static_cast<int>(i)), &page);
        std::vector<Drawing> shown;
        for (DrawingView* view : page.findChildren<DrawingView*>()) {
            EXPECT_TRUE(view->isValid()) << view->caption().toStdString();
            shown.push_back(view->drawing());
        }
        EXPECT_EQ(shown, pages[i].second) << pages[i].first;
    }
    // At the window's size the column is narrow: every caption still fits, broken at its
    // space where needed, and every drawing has room.
    for (DrawingView* view : w("DrawingsPage1").findChildren<DrawingView*>()) {
        const std::string caption = view->caption().toStdString();
        for (const QString& line : view->shownCaption().split('\n')) {
            EXPECT_LE(view->fontMetrics().horizontalAdvance(line), view->width()) << caption;
        }
        EXPECT_EQ(view->shownCaption().replace('\n', ' '), view->caption()) << caption;
        EXPECT_GE(view->artworkRect().width(), 80) << caption;
    }
    EXPECT_EQ(w("DrawingsPage1").findChild<QLabel*>("dishedNote")->text(),
              QString::fromUtf8("标准碟形Ri=D ri=0.1D"));
}

// At the design size the panels keep the design's proportions and the upper part needs no
// scroll bar on any page; the splitter widens the pictures, a larger window gives the grid
// more room, and a click on a drawing shows it enlarged.
TEST_F(WindowPicturesTest, TheWindowKeepsTheDesignsProportions) {
    TFrmMain& window = open();
    auto& left = w<QSplitter>("LeftPanel");
    auto& upper = w<QScrollArea>("UpperArea");
    auto& grid = w<QTableWidget>("StringGrid1");
    EXPECT_EQ(left.width(), window.scaled(793));
    EXPECT_EQ(upper.height(), window.scaled(488));
    EXPECT_EQ(w("PageControl2").width(),
              window.width() - left.width() - w<QSplitter>("MainSplitter").handleWidth());
    EXPECT_EQ(grid.columnWidth(0), window.scaled(40));
    for (int page = 0; page < 5; ++page) {
        turnToPage(page);
        QApplication::processEvents();
        EXPECT_FALSE(upper.horizontalScrollBar()->isVisible()) << page;
        EXPECT_FALSE(upper.verticalScrollBar()->isVisible()) << page;
    }
    turnToPage(3);  // 罐容标定, the calibration grid's page
    QApplication::processEvents();
    const int gridHeight = grid.height();
    window.resize(window.width() * 3 / 2, window.height() * 3 / 2);
    QApplication::processEvents();
    EXPECT_GT(grid.height(), gridHeight + window.scaled(100));

    // The splitter dragged toward the left stops where the controls and the method row would
    // be cut; toward the right it gives them room.
    auto& splitter = w<QSplitter>("MainSplitter");
    splitter.setSizes({window.scaled(500), splitter.width() - window.scaled(500)});
    QApplication::processEvents();
    EXPECT_GT(left.width(), window.scaled(500));
    EXPECT_GE(w("MethodBar").width(), w("MethodBar").sizeHint().width());
    EXPECT_FALSE(upper.horizontalScrollBar()->isVisible());
    const int pictures = w("PageControl2").width();
    splitter.setSizes({window.scaled(900), splitter.width() - window.scaled(900)});
    EXPECT_EQ(left.width(), window.scaled(900));
    EXPECT_LT(w("PageControl2").width(), pictures);

    DrawingView* drawing = w("DrawingsPage1").findChildren<DrawingView*>().front();
    QTest::mouseClick(drawing, Qt::LeftButton);
    auto* enlarged = window.findChild<QDialog*>("EnlargedDrawing");
    ASSERT_NE(enlarged, nullptr);
    EXPECT_TRUE(enlarged->isVisible());
    EXPECT_GE(enlarged->width(), 600);
    QTest::mouseClick(enlarged->findChild<DrawingView*>(), Qt::LeftButton);
    EXPECT_FALSE(enlarged->isVisible());
}

TEST_F(WindowPicturesTest, BeforeAnyCurveTheAreaShowsTheShellsDrawing) {
    open();
    struct Step {
        const char* what;
        std::function<void()> act;
        std::optional<Drawing> shown;
    };
    const std::vector<Step> steps = {
        {"started on the calibration page", [] {}, std::nullopt},
        {"horizontal page, no section yet", [&] { turnToPage(0); }, Drawing::HorizontalCylinder},
        {"图八", [&] { click("RadioButton2"); }, Drawing::EllipticalCylinder},
        {"图七", [&] { click("RadioButton1"); }, Drawing::HorizontalCylinder},
        {"tilted page", [&] { turnToPage(1); }, Drawing::TiltedRaisedLeft},
        {"sphere page", [&] { turnToPage(2); }, std::nullopt},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_FALSE(curve().hasCurve()) << s.what;
        EXPECT_EQ(curve().placeholder(), s.shown) << s.what;
    }
}

TEST_F(WindowPicturesTest, QuickCalculationDrawsTheCoresCurveAndMarksItsLevel) {
    open();
    flatTankAt1000();
    struct Case {
        const char* what;
        std::function<void()> before;
        bool weights;
        double perLitre;  // the value of one litre
        const char* edit36;
    };
    const std::vector<Case> cases = {
        {"litres", [] {}, false, 1, "7853.98"},
        {"kilograms at 0.8 g/cm^3", [&] { weightsIn("0.8"); }, true, 0.8, "6283.19"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.before();
        click("Button2");
        ASSERT_EQ(text("Edit36"), c.edit36);
        const CapacityCurve& shown = curve().curve();
        EXPECT_EQ(shown.weights, c.weights);
        EXPECT_EQ(curve().valueAxisTitle(), QString::fromUtf8(c.weights ? "重量 Kg" : "容积 L"));
        ASSERT_EQ(shown.points.size(), 301u);
        for (std::size_t i = 0; i < shown.points.size(); ++i) {
            const CurvePoint& p = shown.points[i];
            ASSERT_DOUBLE_EQ(p.level, 2000.0 * static_cast<double>(i) / 300) << i;
            ASSERT_NEAR(p.value, flatCylinderLitres(2000, 5000, p.level) * c.perLitre, 1e-6)
                << "level " << p.level;
        }
        ASSERT_TRUE(curve().mark().has_value());
        EXPECT_EQ(curve().mark()->level, 1000);
        EXPECT_EQ(FormatTwoDecimals(curve().mark()->value), c.edit36);
        EXPECT_EQ(markText(curve().mark()->value, c.weights).toStdString(),
                  std::string(c.edit36) + (c.weights ? " Kg" : " L"));
    }
    // A level above the tank is marked where it was computed, at the top.
    type("Edit35", "2600");
    click("Button2");
    EXPECT_EQ(curve().mark()->level, 2000);
}

TEST_F(WindowPicturesTest, GenerateDrawsTheTableJustMade) {
    open();
    flatTankAt1000();
    weightsIn("0.8");
    click("CheckBox2");
    click("CheckBox2");  // unchecked again: the request can be edited
    type("Edit8", "10");
    click("BitBtn1");
    const CapacityCurve& shown = curve().curve();
    const auto& rows = w<QListWidget>("ListBox1");
    const auto& weights = w<QListWidget>("ListBox2");
    ASSERT_EQ(shown.points.size(), 201u);
    ASSERT_EQ(rows.count(), 201);
    EXPECT_TRUE(shown.weights);
    EXPECT_FALSE(curve().mark().has_value());
    for (int i = 0; i < rows.count(); ++i) {
        const CurvePoint& p = shown.points[static_cast<std::size_t>(i)];
        EXPECT_EQ(rows.item(i)->text().section(',', 0, 0).toDouble(), p.level) << i;
        EXPECT_EQ(weights.item(i)->text().toStdString(), FormatTwoDecimals(p.value)) << i;
    }
    EXPECT_EQ(weights.item(100)->text(), "6283.19");
}

// Every kind of input, changed as a person changes it, clears the quick result and its note
// and returns the area to the shell's drawing; typing into the result field does not.
TEST_F(WindowPicturesTest, AnInputChangeReturnsTheAreaToTheDrawing) {
    open();
    flatTankAt1000();
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"a field", [&] { type("Edit2", "5001"); }},
        {"a head kind", [&] { click("RadioButton7"); }},
        {"a list", [&] { w<QComboBox>("ComboBox4").setCurrentIndex(1); }},
        {"a grid cell", [&] { window_->form().grid().setCell(1, 1, "5"); }},
        {"the density unit", [&] { w<QComboBox>("ComboBox1").setEditText("Kg/m^3"); }},
        {"the shell page", [&] { turnToPage(1); }},
        {"the weight switch", [&] { click("CheckBox1"); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        turnToPage(0);
        type("Edit35", "2600");
        click("Button2");
        ASSERT_FALSE(text("Edit36").empty());
        ASSERT_EQ(w<QLabel>("Label49").text(), QString::fromUtf8("高于罐高，按满罐计"));
        ASSERT_TRUE(curve().hasCurve());
        change();
        EXPECT_EQ(text("Edit36"), "");
        EXPECT_EQ(w<QLabel>("Label49").text(), "");
        EXPECT_FALSE(curve().hasCurve());
    }
    click("CheckBox1");  // weights off again
    type("Edit35", "1000");
    click("Button2");
    ASSERT_TRUE(curve().hasCurve());
    type("Edit36", "12");
    EXPECT_EQ(text("Edit36"), "12");
    EXPECT_TRUE(curve().hasCurve());
}

// An installed program: bin/ cannot be written (a path through a file stands in for it, as
// root writes anywhere), the help lies in share/quorvel, the stored files in the data folder.
TEST_F(WindowPicturesTest, InstalledProgramKeepsItsFilesInTheDataFolderAndFindsItsHelp) {
    const std::filesystem::path root = folder();
    testsupport::writeBytes(file("prefix"), "a file, so nothing can be made under it");
    const std::string program = (root / "prefix/bin").string();
    const std::string dataFolder = (root / "home/.local/share/Quorvel").string();
    const DataFolder chosen = chooseDataFolder(program, dataFolder);
    ASSERT_EQ(chosen.folder, dataFolder);

    // The help: the installed copy of a prefix whose bin/ is a real folder.
    std::filesystem::create_directories(root / "usr/bin");
    std::filesystem::create_directories(root / "usr/share/quorvel");
    testsupport::writeBytes(file("usr/share/quorvel/help.chm"), "ITSF");

    const auto openInstalled = [&] {
        window_ = std::make_unique<TFrmMain>(
            app::ProgramFiles{chosen.folder, (root / "usr/bin").string()}, &ui_);
        window_->show();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    };
    openInstalled();
    click("Button4");
    ASSERT_EQ(ui_.shown.size(), 1u);
    EXPECT_EQ(ui_.shown[0].kind, testsupport::ShownBox::Kind::Open);
    EXPECT_EQ(ui_.shown[0].text, (root / "usr/share/quorvel/help.chm").string());
    std::filesystem::remove(root / "usr/share/quorvel/help.chm");
    click("Button4");
    EXPECT_EQ(ui_.messages(), std::vector<std::string>{" help.chm 帮助文件损坏！"});

    turnToPage(0);
    type("Edit1", "2345");
    closeWindow();
    EXPECT_TRUE(std::filesystem::is_regular_file(dataFolder + "/Config.ini"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dataFolder + "/bd.txt"));
    EXPECT_FALSE(std::filesystem::exists(root / "usr/bin/Config.ini"));
    openInstalled();
    EXPECT_EQ(text("Edit1"), "2345");
}

}  // namespace
}  // namespace quorvel::ui
