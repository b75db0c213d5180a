#include "ui/pictures/capacity_curve_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <algorithm>
#include <array>
#include <utility>

#include "text/number_format.h"
#include "ui/pictures/curve_outline.h"
#include "ui/pictures/drawing_view.h"
#include "ui/qt_text.h"

namespace quorvel::ui {
namespace {

constexpr int kMaxTicks = 6;

}  // namespace

QString markText(double value, bool weights) {
    return qs(FormatTwoDecimals(value)) + (weights ? QStringLiteral(" Kg") : QStringLiteral(" L"));
}

CapacityCurveView::CapacityCurveView(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAutoFillBackground(true);
}

CapacityCurveView::~CapacityCurveView() = default;

void CapacityCurveView::setCurve(CapacityCurve curve, std::optional<CurvePoint> mark) {
    curve_ = std::move(curve);
    mark_ = mark;
    trueGeometry_.reset();
    rescale();
}

void CapacityCurveView::setTrueGeometry(std::optional<CapacityCurve> trueGeometry) {
    trueGeometry_ = std::move(trueGeometry);
    rescale();
}

void CapacityCurveView::rescale() {
    double lowLevel = 0, highLevel = 0, lowValue = 0, highValue = 0;
    const auto take = [&](const CapacityCurve& c) {
        for (const CurvePoint& p : c.points) {
            lowLevel = std::min(lowLevel, p.level);
            highLevel = std::max(highLevel, p.level);
            lowValue = std::min(lowValue, p.value);
            highValue = std::max(highValue, p.value);
        }
    };
    take(curve_);
    if (trueGeometry_) {
        take(*trueGeometry_);
    }
    if (mark_) {
        highValue = std::max(highValue, mark_->value);
        lowValue = std::min(lowValue, mark_->value);
        highLevel = std::max(highLevel, mark_->level);
        lowLevel = std::min(lowLevel, mark_->level);
    }
    levelScale_ = niceScale(lowLevel, highLevel, kMaxTicks);
    valueScale_ = niceScale(lowValue, highValue, kMaxTicks);
    update();
}

void CapacityCurveView::clearCurve() {
    curve_ = {};
    mark_.reset();
    trueGeometry_.reset();
    update();
}

void CapacityCurveView::setPlaceholder(std::optional<Drawing> drawing) {
    placeholder_ = drawing;
    placeholderRenderer_.reset();
    if (drawing) {
        placeholderRenderer_ = std::make_unique<QSvgRenderer>(drawingResource(*drawing));
    }
    update();
}

QString CapacityCurveView::valueAxisTitle() const {
    return QString::fromUtf8(curve_.weights ? kWeightAxisTitle : kVolumeAxisTitle);
}

void CapacityCurveView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (hasCurve()) {
        paintCurve(painter);
    } else {
        paintPlaceholder(painter);
    }
}

void CapacityCurveView::paintPlaceholder(QPainter& painter) {
    const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
    if (placeholderRenderer_ && placeholderRenderer_->isValid()) {
        const int captionHeight = fontMetrics().height() + 4;
        placeholderRenderer_->render(&painter, fitRect(placeholderRenderer_->viewBoxF().size(),
                                                       area.adjusted(0, 0, 0, -captionHeight)));
        painter.drawText(
            QRectF(area.left(), area.bottom() - captionHeight, area.width(), captionHeight),
            Qt::AlignCenter, drawingCaption(*placeholder_));
        return;
    }
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(kCurveHint));
}

void CapacityCurveView::paintCurve(QPainter& painter) {
    const QFontMetrics metrics = fontMetrics();
    int labelWidth = 0;
    for (double tick : valueScale_.ticks) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(qs(tickText(tick))));
    }
    const int line = metrics.height();
    // The frame of the plot: value labels on the left, level labels and title below, the
    // value title above. An area too low for the titles and a plot of 40 pixels (a small
    // screen at a large scale) keeps the plot and its tick labels only.
    constexpr int kLeastPlot = 40;
    const bool titled = height() >= 3 * line + 26 + kLeastPlot;
    const QRectF plot = QRectF(rect()).adjusted(
        labelWidth + 12, titled ? line + 12 : line / 2 + 4,
        -std::max(16, metrics.horizontalAdvance("0000") / 2), -(titled ? 2 * line + 14 : line + 6));
    if (plot.width() < 20 || plot.height() < 20) {
        return;
    }
    auto toPoint = [&](double level, double value) {
        const double x = plot.left() + (level - levelScale_.low) /
                                           (levelScale_.high - levelScale_.low) * plot.width();
        const double y = plot.bottom() - (value - valueScale_.low) /
                                             (valueScale_.high - valueScale_.low) * plot.height();
        return QPointF(x, y);
    };
    const QColor text = palette().color(QPalette::WindowText);
    const QColor grid = palette().color(QPalette::Mid);

    // Grid and ticks.
    painter.setPen(QPen(grid, 0, Qt::DotLine));
    for (double tick : levelScale_.ticks) {
        const double x = toPoint(tick, valueScale_.low).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (double tick : valueScale_.ticks) {
        const double y = toPoint(levelScale_.low, tick).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(QPen(text, 1));
    painter.drawRect(plot);
    for (double tick : levelScale_.ticks) {
        const double x = toPoint(tick, valueScale_.low).x();
        painter.drawText(QRectF(x - 50, plot.bottom() + 3, 100, line),
                         Qt::AlignHCenter | Qt::AlignTop, qs(tickText(tick)));
    }
    for (double tick : valueScale_.ticks) {
        const double y = toPoint(levelScale_.low, tick).y();
        painter.drawText(QRectF(0, y - line / 2.0, plot.left() - 5, line),
                         Qt::AlignRight | Qt::AlignVCenter, qs(tickText(tick)));
    }
    if (titled) {
        painter.drawText(QRectF(plot.left(), plot.bottom() + line + 6, plot.width(), line),
                         Qt::AlignHCenter | Qt::AlignTop, QString::fromUtf8(kLevelAxisTitle));
        painter.drawText(QRectF(plot.left(), 4, plot.width(), line), Qt::AlignLeft | Qt::AlignTop,
                         valueAxisTitle());
    }

    // The curve, thinned to the plot's pixel columns; the true geometry's line over it,
    // dashed (where the two meet both show), with a legend in the plot's upper left corner.
    // A segment of the curve reaching outside the measured points is extrapolated: dashed.
    const auto drawLine = [&](const CapacityCurve& c, const QPen& pen) {
        const std::vector<CurvePoint> outline = outlineForColumns(
            c.points, levelScale_.low, levelScale_.high, static_cast<int>(plot.width()));
        if (outline.empty()) {
            return;
        }
        const auto measured = [&c](const CurvePoint& p) {
            return !c.measuredSpan ||
                   (p.level >= c.measuredSpan->from && p.level <= c.measuredSpan->to);
        };
        QPen extrapolated = pen;
        extrapolated.setStyle(Qt::DashLine);
        // Runs of segments alike, each one path, so a dash pattern runs on across them.
        std::size_t start = 0;
        while (start + 1 < outline.size()) {
            const bool solid = measured(outline[start]) && measured(outline[start + 1]);
            QPainterPath path;
            path.moveTo(toPoint(outline[start].level, outline[start].value));
            std::size_t end = start + 1;
            for (; end < outline.size(); ++end) {
                if ((measured(outline[end - 1]) && measured(outline[end])) != solid) {
                    break;
                }
                path.lineTo(toPoint(outline[end].level, outline[end].value));
            }
            painter.setPen(solid ? pen : extrapolated);
            painter.drawPath(path);
            start = end - 1;
        }
    };
    const QPen classicPen(QColor(0x1f, 0x6f, 0xa8), 2);
    const QPen truePen(QColor(0xd0, 0x70, 0x10), 2, Qt::DashLine);
    drawLine(curve_, classicPen);
    // The measured points, as small rings on the line.
    painter.setPen(QPen(classicPen.color(), 1.2));
    painter.setBrush(palette().color(QPalette::Base));
    for (const CurvePoint& p : curve_.measured) {
        painter.drawEllipse(toPoint(p.level, p.value), 3, 3);
    }
    painter.setBrush(Qt::NoBrush);
    if (trueGeometry_) {
        drawLine(*trueGeometry_, truePen);
    }
    if (curve_.points.size() == 1) {
        painter.drawEllipse(toPoint(curve_.points.front().level, curve_.points.front().value), 2,
                            2);
    }
    if (trueGeometry_) {
        const int swatch = metrics.horizontalAdvance(QStringLiteral("000"));
        const std::array<std::pair<const char*, const QPen*>, 2> entries{
            {{kClassicLegend, &classicPen}, {kTrueGeometryLegend, &truePen}}};
        double y = plot.top() + 4;
        for (const auto& [caption, pen] : entries) {
            painter.setPen(*pen);
            painter.drawLine(QPointF(plot.left() + 6, y + line / 2.0),
                             QPointF(plot.left() + 6 + swatch, y + line / 2.0));
            painter.setPen(text);
            painter.drawText(QRectF(plot.left() + 10 + swatch, y, plot.width() / 2, line),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(caption));
            y += line + 2;
        }
    }

    // The marked point, its value on the side with room.
    if (mark_) {
        const QPointF at = toPoint(mark_->level, mark_->value);
        painter.setPen(QPen(Qt::red, 1));
        painter.setBrush(Qt::red);
        painter.drawEllipse(at, 4, 4);
        const QString label = markText(mark_->value, curve_.weights);
        const int w = metrics.horizontalAdvance(label) + 4;
        // Above and to the left of a rising curve; to the right where the left lacks room.
        const bool left = at.x() - 8 - w >= plot.left();
        const QRectF box(left ? at.x() - 8 - w : at.x() + 8, at.y() - line - 2, w, line);
        painter.setPen(text);
        painter.drawText(box, Qt::AlignVCenter | (left ? Qt::AlignRight : Qt::AlignLeft), label);
    }
}

}  // namespace quorvel::ui
