// quorvel: the window. With --screenshot FILE it starts as usual, renders the window into
// FILE (PNG) and ends without the close steps, so the stored files stay as they were. With
// --measure-start it prints the milliseconds from entering main to the end of the window's
// first paint and ends the same way. With --print-folders it prints the folder of its stored
// files and the help file it opens, and ends; --help prints the options and ends. For a
// screenshot, --shell-page N turns to shell page N, --quick LEVEL presses "计算" at LEVEL and
// --picture-page N shows picture page N, each as a click would; --maximized fills the screen.
#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <exception>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFont>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTimer>

#include "form/fields.h"
#include "platform/data_folder.h"
#include "platform/help_file.h"
#include "platform/program_folder.h"
#include "ui/frm_main.h"
#include "ui/qt_text.h"
#include "ui/qt_translations.h"
#include "ui/ui_messages.h"

namespace {

using Clock = std::chrono::steady_clock;

// Reports once the first paint of the window after its start-up steps has been handled, then
// ends the run.
class FirstPaintWatch : public QObject {
  public:
    explicit FirstPaintWatch(Clock::time_point start) : start_(start) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<quorvel::ui::TFrmMain*>(watched);
        if (event->type() == QEvent::Paint && window->started() && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                const auto ms =
                    std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
                std::printf("first paint after %.1f ms\n", ms);
                QApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    Clock::time_point start_;
    bool seen_ = false;
};

// The value after `option`, or an empty text.
QString optionValue(const QStringList& args, const QString& option) {
    const qsizetype at = args.indexOf(option);
    return at >= 0 && at + 1 < args.size() ? args[at + 1] : QString();
}

bool hasOption(int argc, char** argv, const char* option) {
    return std::find_if(argv + 1, argv + argc, [option](const char* a) {
               return std::strcmp(a, option) == 0;
           }) != argv + argc;
}

// What the screenshot options ask for, done through the controls as a person does it: the
// page turned, the level entered through its filter, "计算" clicked.
void prepareScreenshot(quorvel::ui::TFrmMain& window, const QStringList& args) {
    using namespace quorvel;
    using quorvel::ui::qs;
    if (args.contains(QStringLiteral("--maximized"))) {
        // Without a window manager nothing would resize a maximised window.
        window.setGeometry(window.screen()->availableGeometry());
        window.showMaximized();
    }
    if (const QString page = optionValue(args, QStringLiteral("--shell-page")); !page.isEmpty()) {
        window.findChild<QTabWidget*>(qs(kShellPages))->setCurrentIndex(page.toInt());
    }
    if (const QString level = optionValue(args, QStringLiteral("--quick")); !level.isEmpty()) {
        window.findChild<QLineEdit*>(qs(kQuickLevelField))->setText(level);
        window.findChild<QPushButton*>(qs(kQuickButton))->click();
    }
    if (const QString page = optionValue(args, QStringLiteral("--picture-page")); !page.isEmpty()) {
        window.findChild<QTabWidget*>(qs(kPicturePages))->setCurrentIndex(page.toInt());
    }
    if (const QString log = optionValue(args, QStringLiteral("--identify-log")); !log.isEmpty()) {
        window.findChild<QTabWidget*>(qs(kShellPages))->setCurrentIndex(1);
        window.findChild<QPushButton*>(QStringLiteral("TiltIdentifyButton"))->click();
        QFile file(log);
        if (file.open(QIODevice::ReadOnly)) {
            window.findChild<QPlainTextEdit*>(QStringLiteral("TiltLogText"))
                ->setPlainText(QString::fromUtf8(file.readAll()));
        }
        window.findChild<QCheckBox*>(QStringLiteral("TiltFitOffset"))->setChecked(true);
        window.findChild<QPushButton*>(QStringLiteral("TiltIdentifyRunButton"))->click();
    }
}

}  // namespace

int main(int argc, char** argv) {
    const Clock::time_point start = Clock::now();
    if (hasOption(argc, argv, "--help")) {
        std::fputs(quorvel::ui_messages::kUsage, stdout);
        return 0;
    }
    // The data folder is named after the program; it is chosen before the window system is
    // reached, so --print-folders answers on a terminal without a display. Folders stay
    // bytes from here to the files opened: a name that is not UTF-8 is never re-encoded.
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    std::string program;
    try {
        program = quorvel::programFolder();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvel: %s\n", e.what());
        return 1;
    }
    // An installed program cannot write its own folder: the user's data folder keeps the
    // settings, the grid and the workbook.
    const quorvel::DataFolder data =
        quorvel::chooseDataFolder(program, quorvel::userDataFolder("Quorvel"));
    if (!data.writable) {
        std::fprintf(stderr, "quorvel: neither %s nor the data folder can be written\n",
                     program.c_str());
    }
    if (hasOption(argc, argv, "--print-folders")) {
        std::printf("%s\n%s\n", data.folder.c_str(), quorvel::helpFilePath(program).c_str());
        return 0;
    }

    QApplication app(argc, argv);
    // Qt took the user's locale; numbers written into workbooks must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    quorvel::ui::installQtTranslations(app);
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 9));
    const QStringList args = QApplication::arguments();
    const QString screenshot = optionValue(args, QStringLiteral("--screenshot"));

    quorvel::ui::TFrmMain window(quorvel::app::ProgramFiles{data.folder, program});
    FirstPaintWatch watch(start);
    if (args.contains(QStringLiteral("--measure-start"))) {
        window.installEventFilter(&watch);
    }
    window.show();
    if (!screenshot.isEmpty()) {
        window.FormActivate();
        prepareScreenshot(window, args);
        QTimer::singleShot(200, [&] {
            // The identification's dialog, when one was asked for; else the window.
            auto* dialog = window.findChild<QDialog*>(QStringLiteral("TiltIdentifyDialog"));
            const bool saved = dialog != nullptr && dialog->isVisible()
                                   ? dialog->grab().save(screenshot, "PNG")
                                   : window.renderClientArea().save(screenshot, "PNG");
            QApplication::exit(saved ? 0 : 1);
        });
        return QApplication::exec();
    }
    return QApplication::exec();
}
