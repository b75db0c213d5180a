// StringGrid1DrawCell and the grid's in-place editor: every cell's text is drawn on one line,
// centred and clipped, over the background the grid chose; the editor takes digits and "."
// as typed or pasted, starts with the cell's text as it is, and hands a pasted block of
// several cells (tabs or line ends in it) to the grid instead.
#pragma once

#include <functional>

#include <QLineEdit>
#include <QStyledItemDelegate>

#include "ui/input_filters.h"

namespace quorvel::ui {

class GridCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Pastes the clipboard's block into the grid at the cell being edited.
    std::function<void()> pasteBlock;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quorvel::ui
