#include "ui/grid_cell_delegate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace quorvel::ui {

QWidget* GridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setValidator(new CharacterFilter(FilterKind::DigitsAndPoint, line));
        line->setAlignment(Qt::AlignCenter);
    }
    return editor;
}

void GridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        writeUnfiltered(*line, index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void GridCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    option->displayAlignment = Qt::AlignCenter;
    option->features &= ~QStyleOptionViewItem::WrapText;
    option->textElideMode = Qt::ElideNone;
}

bool GridCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (editor != nullptr && event->type() == QEvent::KeyPress && pasteBlock &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        const QString text = QGuiApplication::clipboard()->text();
        if (text.contains(u'\t') || text.contains(u'\n')) {
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            pasteBlock();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace quorvel::ui
