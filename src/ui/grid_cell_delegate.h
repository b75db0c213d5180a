// StringGrid1DrawCell and the grid's in-place editor: every cell's text is drawn on one line,
// centred and clipped, over the background the grid chose; the editor takes digits and ".".
#pragma once

#include <QLineEdit>
#include <QStyledItemDelegate>

#include "ui/input_filters.h"

namespace quorvel::ui {

class GridCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setValidator(new CharacterFilter(FilterKind::DigitsAndPoint, line));
            line->setAlignment(Qt::AlignCenter);
        }
        return editor;
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->displayAlignment = Qt::AlignCenter;
        option->features &= ~QStyleOptionViewItem::WrapText;
        option->textElideMode = Qt::ElideNone;
    }
};

}  // namespace quorvel::ui
