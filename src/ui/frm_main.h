// TFrmMain, the one window of Quorvel: every control under its own name, the layout, and the
// handlers, which hand each event to the window's operations.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <QImage>
#include <QWidget>

#include "app/window_operations.h"
#include "ports/ui_services.h"
#include "ui/widget_form.h"

class QProgressDialog;
class QTabWidget;

namespace quorvel::ui {

class CalibrationGridView;
class CapacityCurveView;

// Beside the ullage, the reference height (Edit48, a field of "罐容表信息") shown again and
// typed into as the same field.
inline constexpr std::string_view kReferenceHeightBeside = "ReferenceHeightBeside";

class TFrmMain : public QWidget {
  public:
    // `files` says where Config.ini, bd.txt and ~001.xlsx lie and where help.chm is looked
    // for. Without `services` the window uses Qt's message boxes, dialogs and clipboard.
    explicit TFrmMain(app::ProgramFiles files, UiServices* services = nullptr,
                      QWidget* parent = nullptr);
    // A portable program: every file in `programFolder`.
    explicit TFrmMain(std::string programFolder, UiServices* services = nullptr,
                      QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The start-up steps; they run once, when the window first becomes active.
    void FormActivate();
    bool started() const { return started_; }

    WidgetForm& form() { return *form_; }
    app::WindowOperations& operations() { return *operations_; }
    // The design size (at 120 pixels per inch) scaled to the screen's logical DPI.
    int scaled(int designPixels) const;

    // The client area as shown, in a picture of the same size.
    QImage renderClientArea();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildLayout();
    void wireEvents();
    // Before any curve the lower left picture shows the drawing of the shell chosen.
    void showShellDrawing();
    // A change of any stored control, the grid or the shell page reaches the operations.
    void wireInputChanges();
    // The progress display of a long workbook write ends (before any box is shown).
    void endProgress();

    void Button1Click();  // generate, for BitBtn1 and the hidden Button1
    void Button3Click();  // snapshot

    double scale_ = 1;
    std::unique_ptr<UiServices> ownServices_;
    UiServices* services_ = nullptr;
    QTabWidget* pages_ = nullptr;          // PageControl1
    QTabWidget* pictures_ = nullptr;       // PageControl2
    CalibrationGridView* grid_ = nullptr;  // StringGrid1
    CapacityCurveView* curve_ = nullptr;   // CurveArea
    std::unique_ptr<WidgetForm> form_;
    std::unique_ptr<app::WindowOperations> operations_;
    std::unique_ptr<QProgressDialog> progress_;
    bool started_ = false;
};

}  // namespace quorvel::ui
