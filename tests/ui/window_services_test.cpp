// What the window asks of the desktop and of Qt: whether a program is registered for a file
// before "open", Qt's own texts in the window's language, and no progress display left over
// a message box.
#include <chrono>

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

#include "support/file_size_limit.h"
#include "ui/desktop_registry.h"
#include "ui/qt_translations.h"
#include "window_fixture.h"

namespace quorvel::ui {
namespace {

TEST(DesktopRegistry, AProgramCountsOnlyWhenItIsRegisteredForTheType) {
    struct Case {
        const char* what;
        const char* desktopEntry;  // applications/viewer.desktop, nullptr for none
        const char* mimeapps;      // config/mimeapps.list, nullptr for none
        bool chm, xlsx;
    };
    const std::vector<Case> cases = {
        {"nothing installed", nullptr, nullptr, false, false},
        {"a help viewer by the type's alias",
         "[Desktop Entry]\nName=Viewer\nMimeType=application/x-chm;\n", nullptr, true, false},
        {"a spreadsheet program",
         "[Desktop Entry]\nMimeType=text/csv;application/"
         "vnd.openxmlformats-officedocument.spreadsheetml.sheet;\n",
         nullptr, false, true},
        {"a hidden entry", "[Desktop Entry]\nHidden=true\nMimeType=application/x-chm;\n", nullptr,
         false, false},
        {"an association the user added", "[Desktop Entry]\nName=Viewer\n",
         "[Added Associations]\napplication/"
         "vnd.openxmlformats-officedocument.spreadsheetml.sheet=viewer.desktop;\n",
         false, true},
        {"a default naming no installed program", nullptr,
         "[Default Applications]\napplication/vnd.ms-htmlhelp=gone.desktop\n", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempFolder folder;
        const QString root = QString::fromStdString(folder.path().string());
        std::filesystem::create_directories(folder.path() / "applications");
        std::filesystem::create_directories(folder.path() / "config");
        if (c.desktopEntry != nullptr) {
            testsupport::writeBytes(folder.file("applications/viewer.desktop"), c.desktopEntry);
        }
        if (c.mimeapps != nullptr) {
            testsupport::writeBytes(folder.file("config/mimeapps.list"), c.mimeapps);
        }
        const QStringList apps{root + "/applications"};
        const QStringList config{root + "/config"};
        EXPECT_EQ(programRegisteredFor(root + "/help.chm", apps, config), c.chm);
        EXPECT_EQ(programRegisteredFor(root + "/~001.xlsx", apps, config), c.xlsx);
    }
}

TEST(QtTranslations, TheSystemsLanguageOrChinese) {
    const std::vector<std::pair<QLocale, const char*>> cases = {
        {QLocale::c(), "是(&Y)"},
        {QLocale(QLocale::Chinese, QLocale::China), "是(&Y)"},
        {QLocale(QLocale::German, QLocale::Germany), "&Ja"},
    };
    for (const auto& [locale, yes] : cases) {
        SCOPED_TRACE(locale.name().toStdString());
        QTranslator* translator = installQtTranslations(
            *qApp, locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        ASSERT_NE(translator, nullptr);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(yes));
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// With Qt's own boxes: the disk fills while the workbook is written, the question is answered
// Yes; the box of the failed save must be the only window over the main window, however long
// it stays up.
TEST_F(WindowTest, AFailedSaveLeavesNoProgressDisplayOverOrUnderItsBox) {
    window_ = std::make_unique<TFrmMain>(folder());
    window_->show();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    turnToPage(0);
    click("RadioButton1");
    click("RadioButton21");
    click("RadioButton14");
    type("Edit1", "2000");
    type("Edit2", "5000");
    click("CheckBox2");
    click("CheckBox2");  // unchecked again: the request can be edited
    type("Edit8", "100");

    using Clock = std::chrono::steady_clock;
    std::vector<std::string> boxes;
    bool progressShown = false;
    std::optional<Clock::time_point> errorSince;
    QTimer answer;
    answer.setInterval(50);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* b = qobject_cast<QMessageBox*>(top); b != nullptr && b->isVisible()) {
                box = b;
            }
        }
        for (QProgressDialog* p : window_->findChildren<QProgressDialog*>()) {
            progressShown = progressShown || p->isVisible();
        }
        if (box == nullptr) {
            return;
        }
        if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
            boxes.push_back(box->text().toStdString());
            yes->click();
        } else if (!errorSince) {
            errorSince = Clock::now();
        } else if (Clock::now() - *errorSince > std::chrono::milliseconds(900)) {
            boxes.push_back(box->text().toStdString());
            box->button(QMessageBox::Ok)->click();
            errorSince.reset();
            // Whatever is left over it would lock the window: close it too.
            for (QProgressDialog* p : window_->findChildren<QProgressDialog*>()) {
                p->close();
            }
        }
    });
    answer.start();
    {
        const testsupport::FileSizeLimit full(4096);  // as a full disk would
        click("BitBtn1");
    }
    answer.stop();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].substr(0, boxes[1].find('\n')), "关闭生成的Excel罐容表再试一次！");
    EXPECT_FALSE(progressShown);
    EXPECT_TRUE(window_->findChildren<QProgressDialog*>().empty());
    EXPECT_EQ(w<QStatusBar>("StatusBar1").currentMessage().toStdString(),
              "容积表未能保存到 " + file("~001.xlsx"));
}

}  // namespace
}  // namespace quorvel::ui
