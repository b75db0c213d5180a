// Every operation of the main window, without the window: the window's handlers and the
// headless front end call these, so both compute, store and answer alike.
#pragma once

#include <optional>
#include <string>

#include "app/calibration_page.h"
#include "app/oil_operations.h"
#include "app/start_and_close.h"
#include "app/table_import.h"
#include "app/table_job.h"
#include "app/window_form.h"
#include "output/capacity_workbook.h"
#include "ports/ui_services.h"

namespace quorvel::app {

// The levels of the curve drawn after a quick calculation.
inline constexpr std::size_t kQuickCurvePoints = 301;

class WindowOperations {
  public:
    WindowOperations(WindowForm& form, UiServices& ui, ProgramFiles files)
        : form_(form), ui_(ui), files_(std::move(files)), oil_(form, ui) {}

    const ProgramFiles& files() const { return files_; }
    // The window "油量计算" and its ticket.
    OilQuantity& oil() { return oil_; }

    // FormActivate, once per run: settings and grid loaded (a file there that cannot be
    // read is named in a box) and the start-up steps. No quick result is shown: the stored
    // one belongs to inputs the start-up does not restore (the shell page, the corrections,
    // the head volume lists).
    void start();
    // FormClose: settings, then grid, saved; a file the start could not read is written
    // over only when the user agrees, after a copy was kept (startUp, shutDown).
    void close();

    // Button1Click / BitBtn1: the table computed, written to ~001.xlsx after the confirmation
    // (which notes a range cut at the tank's height or beyond the calibration points) and
    // opened, then held in ListBox1/ListBox2 and drawn as the curve; the status bar says
    // where it was saved and why it did not open. Returns whether the workbook was written.
    // The lists and the curve stay when the request stopped early.
    bool generate(const WorkbookProgress& progress = {});

    // Button2Click: the quick result in Edit36 with its unit label and note, and the curve
    // of the tank read, its level marked; false when the press stopped (what was shown stays).
    // With an ullage (Edit59) the level is the reference height less the ullage, written into
    // Edit35 first (quickAtUllage). By the method chosen (ComboBox5); with the classic
    // formulas the curve's text says how far they depart from the true geometry.
    bool quick();

    // Button6 "求液位": the lowest level holding the volume (or, with CheckBox1, the weight)
    // of Edit60, by the method chosen, in Label52 with two decimals, and the curve with that
    // level marked; false when the press stopped (its message shown, the answer unchanged).
    bool findLevel();

    // The user typed in the level field Edit35: the quick calculation is asked by the level
    // again, so the ullage (Edit59) is emptied.
    void levelTyped();

    // Any control changed, by the user or the program. A change of an input of the quick
    // result and the curve (resultDependsOn) clears the result, its note and the curve; of
    // an input of the window "油量计算", its results (OilQuantity::inputChanged).
    void inputChanged(std::string_view control);

    // ComboBox2Change and Button5Click of the calibration page, and a block pasted into its
    // grid at (col, row) (CalibrationPage::paste).
    void pointCountChanged() { calibration_.pointCountChanged(form_); }
    void clearPoints() { calibration_.clear(form_); }
    int pastePoints(int col, int row, std::string_view block) {
        return calibration_.paste(form_, col, row, block);
    }
    // "导入罐容表…": the table at `path` read, checked and made the grid's points
    // (app/table_import.h). Returns whether the grid was replaced.
    bool importTable(const std::string& path) {
        return app::importTable(form_, ui_, calibration_, path);
    }

    // A tank opened from the register (app/register_operations.h): what start() clears after
    // the stored files are loaded.
    void tankLoaded();

    // CheckBox2MouseUp, RadioButtonMouseUp, PageControl1Change.
    void defaultsClicked();
    void sectionClicked();
    void shellPageChanged(int page);

    // CheckBox1MouseUp and Edit37Change.
    void weightSwitchClicked();
    void densityChanged();

    // Button4Click: the help file found from the executable's folder.
    void help();

    // Button3Click, with the window already rendered into `picture`. The path written, or
    // empty when cancelled or failed.
    std::string snapshot(const Picture& picture);

    // "另存为…", "PDF…" (then opened) and "打印罐容表…": the table of the current inputs.
    // When it differs from the table "生成容积表" made last (an input changed since), the user
    // is asked first whether to go on. The status bar says where a file went, why it did not
    // open, or that it was not saved. The path written, or empty.
    std::string saveTableAs(std::string_view today);
    std::string saveTablePdf(std::string_view today);
    // The table to print, after the same question; nullopt when the request stopped.
    std::optional<TableJob> tableToPrint();

  private:
    // Whether `table` may go into a document: it is the table made last, none was made, or
    // the user agreed to the change.
    bool documentTableAgreed(const TableJob& table);
    void clearResult();
    void clearLevelAnswer();
    // The curve after an answer at one level, marked there, with its comparison.
    void showAnswerCurve(const TankConfig& config, std::optional<double> densityKgPerM3,
                         CurvePoint answer, bool levelAnswer);

    WindowForm& form_;
    UiServices& ui_;
    ProgramFiles files_;
    CalibrationPage calibration_;
    UnreadFiles unread_;
    bool curveOfLevelAnswer_ = false;       // the curve shown marks the level of a quantity
    std::optional<std::size_t> madeTable_;  // the digest of the table generated last
    OilQuantity oil_;
};

}  // namespace quorvel::app
