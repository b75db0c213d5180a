#include "ui/elided_label.h"

#include <QPainter>

namespace quorvel::ui {

void ElidedLabel::paintEvent(QPaintEvent*) {
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    // The whole text is a pointer's rest away when it does not fit.
    const QString tip = shown == text() ? QString() : text();
    if (toolTip() != tip) {
        setToolTip(tip);
    }
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(room, static_cast<int>(alignment()), shown);
}

}  // namespace quorvel::ui
