#include "ui/page_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

namespace quorvel::ui {

void paintPage(QPainter& painter, const paper::Page& page) {
    QPaintDevice& device = *painter.device();
    const double dpi = device.logicalDpiY();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // User space in points, as the page is laid out.
    painter.scale(device.logicalDpiX() / 72.0, dpi / 72);
    for (const paper::Rule& r : page.rules) {
        QPen pen(Qt::black, r.width);
        pen.setCapStyle(Qt::SquareCap);
        painter.setPen(pen);
        painter.drawLine(QPointF(r.x1, r.y1), QPointF(r.x2, r.y2));
    }
    painter.setPen(Qt::black);
    for (const paper::PlacedText& t : page.texts) {
        QFont font(QString::fromUtf8(paper::kFontFamily));
        // A size in points of the device is scaled once more by the painter: ask for the
        // size that comes out as t.style.size points on paper.
        font.setPointSizeF(t.style.size * 72 / dpi);
        font.setBold(t.style.bold);
        font.setKerning(true);
        painter.setFont(font);
        const QString text = QString::fromStdString(t.text);
        const double width = QFontMetricsF(font, &device).horizontalAdvance(text);
        const double x = t.align == paper::Align::Left     ? t.x
                         : t.align == paper::Align::Centre ? t.x - width / 2
                                                           : t.x - width;
        painter.drawText(QPointF(x, t.baseline), text);
    }
    painter.restore();
}

}  // namespace quorvel::ui
