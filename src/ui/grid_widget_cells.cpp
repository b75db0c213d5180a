#include "ui/grid_widget_cells.h"

namespace quorvel::ui {

void GridWidgetCells::setColCount(int cols) {
    table_.setColumnCount(cols);
    markFixedCells();
}

void GridWidgetCells::setRowCount(int rows) {
    table_.setRowCount(rows);
    markFixedCells();
}

std::string GridWidgetCells::cell(int col, int row) const {
    const QTableWidgetItem* item = table_.item(row, col);
    return item == nullptr ? std::string() : item->text().toStdString();
}

void GridWidgetCells::setCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= colCount() || row >= rowCount()) {
        return;
    }
    itemAt(col, row).setText(QString::fromStdString(text));
}

QTableWidgetItem& GridWidgetCells::itemAt(int col, int row) {
    QTableWidgetItem* item = table_.item(row, col);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        if (row == 0 || col == 0) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(table_.palette().button());
        }
        table_.setItem(row, col, item);
    }
    return *item;
}

void GridWidgetCells::markFixedCells() {
    for (int col = 0; col < colCount(); ++col) {
        itemAt(col, 0);
    }
    for (int row = 1; row < rowCount(); ++row) {
        itemAt(0, row);
    }
}

}  // namespace quorvel::ui
