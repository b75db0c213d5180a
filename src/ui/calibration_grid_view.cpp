#include "ui/calibration_grid_view.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace quorvel::ui {

void CalibrationGridView::pasteClipboard() {
    if (onPaste) {
        onPaste(currentColumn(), currentRow(), QGuiApplication::clipboard()->text());
    }
}

QModelIndex CalibrationGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int cols = columnCount();
    const int rows = rowCount();
    if ((action != MoveNext && action != MovePrevious) || cols < 2 || rows < 2) {
        return QTableWidget::moveCursor(action, modifiers);
    }
    // The editable cells in reading order, from (1, 1); a cell of the number column counts as
    // lying just before the first cell of its row.
    const int perRow = cols - 1;
    const int cells = (rows - 1) * perRow;
    const int row = std::max(currentRow(), 1);
    const int col = currentColumn();
    int at = (row - 1) * perRow + std::max(col, 1) - 1;
    if (col >= 1 || action == MovePrevious) {
        at += action == MoveNext ? 1 : -1;
    }
    at = (at % cells + cells) % cells;
    return model()->index(at / perRow + 1, at % perRow + 1);
}

void CalibrationGridView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) && onPaste) {
        pasteClipboard();
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

}  // namespace quorvel::ui
