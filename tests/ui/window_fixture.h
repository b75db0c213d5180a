// A window over a fresh program folder, with the recording fake for every box and dialog.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "support/recording_ui.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"

namespace quorvel::ui {

class WindowTest : public ::testing::Test {
  protected:
    std::string folder() const {
        return std::filesystem::path(folder_.file("x")).parent_path().string();
    }
    std::string file(const char* name) const { return folder_.file(name); }

    // A new window over the folder, shown and activated: its start-up steps have run.
    TFrmMain& open() {
        window_ = std::make_unique<TFrmMain>(folder(), &ui_);
        window_->show();
        window_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }
    // Closes the window as a person does; its close steps run.
    void closeWindow() {
        window_->close();
        window_.reset();
    }

    template <class W = QWidget>
    W& w(const char* name) {
        auto* found = window_->findChild<W*>(QString::fromUtf8(name));
        if (found == nullptr) {
            throw std::invalid_argument(std::string("no widget ") + name);
        }
        return *found;
    }
    QLineEdit& edit(const char* name) { return w<QLineEdit>(name); }
    std::string text(const char* name) { return window_->form().text(name); }
    std::string label(const char* name) { return w<QLabel>(name).text().toStdString(); }

    void type(const char* name, const char* keys) {
        QLineEdit& e = edit(name);
        e.clear();
        QTest::keyClicks(&e, QString::fromUtf8(keys));
    }
    // A click near the left edge: a radio button or check box takes clicks only on its
    // indicator and caption, not on the rest of its row.
    void click(const char* name, Qt::MouseButton button = Qt::LeftButton) {
        QWidget& target = w(name);
        QTest::mouseClick(&target, button, {},
                          QPoint(qMin(8, target.width() / 2), target.height() / 2));
    }
    void turnToPage(int page) {
        QTabBar* bar = w<QTabWidget>("PageControl1").tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    }
    // A circular tank of D 2000, L 5000 with flat heads, typed as a person does.
    void flatTank() {
        turnToPage(0);
        click("RadioButton1");
        click("RadioButton21");  // both heads flat
        click("RadioButton14");
        type("Edit1", "2000");
        type("Edit2", "5000");
    }
    // A pick from the point-count list, as the user makes it.
    void pickPointCount(int n) {
        auto& box = w<QComboBox>("ComboBox2");
        box.setCurrentIndex(n - 2);
        emit box.activated(n - 2);
    }

    testsupport::TempFolder folder_;
    testsupport::RecordingUi ui_;
    std::unique_ptr<TFrmMain> window_;
};

}  // namespace quorvel::ui
