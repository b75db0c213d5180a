#include "ui/residual_plot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace quorvel::ui {
namespace {

// A round step for about `count` ticks over `span`: 1, 2 or 5 times a power of ten.
double tickStep(double span, int count) {
    const double raw = span / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0}) {
        if (m * power >= raw) {
            return m * power;
        }
    }
    return 10 * power;
}

QString number(double v) {
    return QString::number(v, 'g', 6);
}

}  // namespace

ResidualPlot::ResidualPlot(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(fontMetrics().height() * 10);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void ResidualPlot::show(std::vector<identify::Residual> residuals, double rms) {
    residuals_ = std::move(residuals);
    rms_ = rms;
    update();
}

void ResidualPlot::clear() {
    residuals_.clear();
    rms_ = 0;
    update();
}

void ResidualPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const QRectF area(fm.horizontalAdvance(QStringLiteral("-00000")) + 6, fm.height() / 2.0,
                      width() - fm.horizontalAdvance(QStringLiteral("-00000")) - 16,
                      height() - 2.5 * fm.height());
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(area);
    if (residuals_.empty() || area.width() < 10 || area.height() < 10) {
        return;
    }
    const auto [low, high] = std::ranges::minmax(residuals_, {}, &identify::Residual::level);
    double x0 = low.level, x1 = high.level;
    if (x1 - x0 < 1) {
        x0 -= 1;
        x1 += 1;
    }
    double reach = 4 * rms_;
    for (const identify::Residual& r : residuals_) {
        reach = std::max(reach, std::fabs(r.litres));
    }
    reach = reach > 0 ? reach * 1.1 : 1;
    const auto px = [&](double level) {
        return area.left() + (level - x0) / (x1 - x0) * area.width();
    };
    const auto py = [&](double litres) {
        return area.center().y() - litres / reach * area.height() / 2;
    };
    // Ticks and their numbers.
    p.setPen(palette().color(QPalette::Text));
    const double xs = tickStep(x1 - x0, 6), ys = tickStep(reach, 3);
    for (double x = std::ceil(x0 / xs) * xs; x <= x1; x += xs) {
        p.drawLine(QPointF(px(x), area.bottom()), QPointF(px(x), area.bottom() + 4));
        const QString t = number(x);
        p.drawText(QPointF(px(x) - fm.horizontalAdvance(t) / 2.0, area.bottom() + fm.height() + 2),
                   t);
    }
    for (double y = -std::floor(reach / ys) * ys; y <= reach; y += ys) {
        p.drawLine(QPointF(area.left() - 4, py(y)), QPointF(area.left(), py(y)));
        const QString t = number(std::fabs(y) < ys / 1e6 ? 0 : y);
        p.drawText(QPointF(area.left() - 6 - fm.horizontalAdvance(t), py(y) + fm.ascent() / 2.5),
                   t);
    }
    // Zero, and the outlier bounds ±4 × RMS.
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawLine(QPointF(area.left(), py(0)), QPointF(area.right(), py(0)));
    p.setPen(QPen(QColor(200, 120, 0), 1, Qt::DashLine));
    for (double bound : {4 * rms_, -4 * rms_}) {
        p.drawLine(QPointF(area.left(), py(bound)), QPointF(area.right(), py(bound)));
    }
    const double dot = std::max(2.0, fm.height() / 6.0);
    for (const identify::Residual& r : residuals_) {
        const QColor colour = r.outlier ? QColor(200, 0, 0) : QColor(0, 64, 160);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(px(r.level), py(r.litres)), dot, dot);
    }
}

}  // namespace quorvel::ui
