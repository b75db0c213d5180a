// quorvel: the window. With --screenshot FILE it starts as usual, renders the window into
// FILE (PNG) and ends without the close steps, so the stored files stay as they were.
#include <clocale>
#include <cstdio>
#include <exception>

#include <QApplication>
#include <QFont>
#include <QTimer>

#include "platform/program_folder.h"
#include "ui/frm_main.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Qt took the user's locale; numbers written into workbooks must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 9));

    QString screenshot;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--screenshot"));
        at >= 0 && at + 1 < args.size()) {
        screenshot = args[at + 1];
    }

    std::string folder;
    try {
        folder = quorvel::programFolder();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorvel: %s\n", e.what());
        return 1;
    }
    quorvel::ui::TFrmMain window(folder);
    window.show();
    if (!screenshot.isEmpty()) {
        window.FormActivate();
        QTimer::singleShot(200, [&] {
            const bool saved = window.renderClientArea().save(screenshot, "PNG");
            QApplication::exit(saved ? 0 : 1);
        });
        return QApplication::exec();
    }
    return QApplication::exec();
}
