// The window tests run without a display: the offscreen platform is chosen before the
// application exists (test discovery runs this binary outside the test environment too),
// with a screen of 1600 × 1000 at 96 dpi that holds the window at its design size.
#include <clocale>

#include <gtest/gtest.h>
#include <QApplication>
#include <QFont>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUORVEL_OFFSCREEN_SCREEN);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setFont(QFont(QStringLiteral("Noto Sans CJK SC"), 9));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
