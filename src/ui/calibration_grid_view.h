// StringGrid1, the calibration grid: Tab and Shift+Tab move through the cells a person
// edits (levels and volumes, the origin row included), past the number column and the
// headings; a paste hands the clipboard's text to `onPaste` with the current cell.
#pragma once

#include <functional>

#include <QTableWidget>

namespace quorvel::ui {

class CalibrationGridView : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

    // col, row of the current cell and the clipboard's text.
    std::function<void(int col, int row, const QString& text)> onPaste;
    // Pastes the clipboard at the current cell through onPaste.
    void pasteClipboard();

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvel::ui
