#include "ui/pictures/drawing_view.h"

#include <QPainter>

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
