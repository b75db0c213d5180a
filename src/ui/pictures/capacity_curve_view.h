// The lower left picture of the window: the capacity curve of the tank, volume (L) or
// weight (Kg) against level (mm), with round ticks and an optional marked point whose value
// is written beside it. Before any curve it shows the drawing of the current shell kind, or
// a short hint.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

#include "tank/capacity_curve.h"
#include "ui/pictures/curve_axis.h"
#include "ui/pictures/drawings.h"

class QSvgRenderer;

namespace quorvel::ui {

inline constexpr const char* kLevelAxisTitle = "液位 mm";
inline constexpr const char* kVolumeAxisTitle = "容积 L";
inline constexpr const char* kWeightAxisTitle = "重量 Kg";
inline constexpr const char* kCurveHint = "生成容积表或快捷计算后，这里显示容积曲线";
// The legend when the true geometry's line is drawn beside the classic one.
inline constexpr const char* kClassicLegend = "经典公式";
inline constexpr const char* kTrueGeometryLegend = "真实几何";

// The text written beside a marked point: its value with two decimals and the unit.
QString markText(double value, bool weights);

class CapacityCurveView : public QWidget {
    Q_OBJECT
  public:
    explicit CapacityCurveView(QWidget* parent = nullptr);
    ~CapacityCurveView() override;

    // Shows `curve`; `mark` (a quick calculation's level and value) is drawn as a dot with
    // its value beside it. The curve stays until the next call: a request that stopped
    // with a message does not call this.
    void setCurve(CapacityCurve curve, std::optional<CurvePoint> mark = std::nullopt);
    // The true geometry's line beside a curve by the classic formulas, with a legend naming
    // both (none: the one line). The scales take in both lines; set after setCurve, which
    // drops it.
    void setTrueGeometry(std::optional<CapacityCurve> trueGeometry);
    // Back to the placeholder.
    void clearCurve();
    // What the area shows without a curve: a shell kind's drawing, or the hint when none.
    void setPlaceholder(std::optional<Drawing> drawing);

    bool hasCurve() const { return !curve_.points.empty(); }
    const CapacityCurve& curve() const { return curve_; }
    std::optional<CurvePoint> mark() const { return mark_; }
    const std::optional<CapacityCurve>& trueGeometry() const { return trueGeometry_; }
    std::optional<Drawing> placeholder() const { return placeholder_; }

    QString valueAxisTitle() const;
    const AxisScale& levelScale() const { return levelScale_; }
    const AxisScale& valueScale() const { return valueScale_; }

    QSize sizeHint() const override { return {420, 300}; }
    // Room for the axes, their labels and a low plot: a splitter or a small screen never
    // squeezes the curve away, and the controls above keep their room on a 1920 × 1080
    // screen at twice the size.
    QSize minimumSizeHint() const override { return {200, 96}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintPlaceholder(class QPainter& painter);
    void paintCurve(class QPainter& painter);
    void rescale();

    CapacityCurve curve_;
    std::optional<CurvePoint> mark_;
    std::optional<CapacityCurve> trueGeometry_;
    std::optional<Drawing> placeholder_;
    std::unique_ptr<QSvgRenderer> placeholderRenderer_;
    AxisScale levelScale_;
    AxisScale valueScale_;
};

}  // namespace quorvel::ui
