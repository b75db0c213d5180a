#include "ui/pictures/drawing_view.h"

#include <algorithm>

#include <QDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/ui_messages.h"

namespace quorvel::ui {

QRectF fitRect(QSizeF content, QRectF area) {
    if (content.isEmpty() || area.isEmpty()) {
        return {};
    }
    const QSizeF size = content.scaled(area.size(), Qt::KeepAspectRatio);
    return {area.center().x() - size.width() / 2, area.center().y() - size.height() / 2,
            size.width(), size.height()};
}

DrawingView::DrawingView(Drawing drawing, QWidget* parent)
    : QWidget(parent),
      drawing_(drawing),
      caption_(drawingCaption(drawing)),
      renderer_(drawingResource(drawing)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString::fromUtf8(ui_messages::kEnlargeHint));
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (onClick) {
        onClick();
    } else {
        showEnlargedDrawing(drawing_, window());
    }
}

QString DrawingView::shownCaption() const {
    // A caption wider than a narrow column breaks at its space ("图一" above the name)
    // rather than being clipped or broken inside a word.
    if (fontMetrics().horizontalAdvance(caption_) <= width()) {
        return caption_;
    }
    QString broken = caption_;
    if (const qsizetype space = broken.indexOf(QLatin1Char(' ')); space >= 0) {
        broken[space] = QLatin1Char('\n');
    }
    return broken;
}

int DrawingView::captionHeight() const {
    const int lines = shownCaption().count(QLatin1Char('\n')) + 1;
    return lines * fontMetrics().height() + 4;
}

QRectF DrawingView::artworkRect() const {
    const QRectF area(0, 0, width(), height() - captionHeight());
    return fitRect(renderer_.viewBoxF().size(), area.adjusted(2, 2, -2, -2));
}

QSize DrawingView::sizeHint() const {
    return renderer_.defaultSize() + QSize(4, captionHeight() + 4);
}

QSize DrawingView::minimumSizeHint() const {
    return QSize(80, 60 + captionHeight());
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF art = artworkRect();
    if (renderer_.isValid() && !art.isEmpty()) {
        renderer_.render(&painter, art);
    }
    const QRect captionArea(0, height() - captionHeight(), width(), captionHeight());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionArea, Qt::AlignHCenter | Qt::AlignVCenter, shownCaption());
}

}  // namespace quorvel::ui

namespace quorvel::ui {
namespace {

constexpr QSize kEnlargedSize(900, 700);
constexpr int kLeastEnlargedWidth = 600;

}  // namespace

QWidget* showEnlargedDrawing(Drawing drawing, QWidget* parent) {
    static QPointer<QDialog> shown;
    if (shown) {
        shown->close();
    }
    auto* dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("EnlargedDrawing"));
    dialog->setWindowTitle(
        QString::fromUtf8(ui_messages::kEnlargedDrawingTitle).arg(drawingCaption(drawing)));
    auto* layout = new QVBoxLayout(dialog);
    auto* view = new DrawingView(drawing, dialog);
    view->setToolTip({});
    view->onClick = [dialog] { dialog->close(); };
    layout->addWidget(view);
    QSize size = kEnlargedSize;
    if (const QScreen* screen = parent != nullptr ? parent->screen() : nullptr) {
        const QSize room = screen->availableGeometry().size() * 9 / 10;
        size =
            size.boundedTo(room).expandedTo(QSize(std::min(kLeastEnlargedWidth, room.width()), 0));
    }
    dialog->resize(size);
    dialog->show();
    shown = dialog;
    return dialog;
}

}  // namespace quorvel::ui
