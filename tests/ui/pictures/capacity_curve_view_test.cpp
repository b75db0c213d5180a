#include "ui/pictures/capacity_curve_view.h"

#include <gtest/gtest.h>

#include <QImage>

namespace quorvel::ui {
namespace {

CapacityCurve straight(bool weights) {
    CapacityCurve curve;
    curve.weights = weights;
    for (int i = 0; i <= 20; ++i) {
        curve.points.push_back({i * 100.0, i * 785.0});
    }
    return curve;
}

QImage shown(CapacityCurveView& view) {
    view.resize(420, 300);
    return view.grab().toImage();
}

TEST(CapacityCurveView, MarkTexts) {
    EXPECT_EQ(markText(7853.981634, false), "7853.98 L");
    EXPECT_EQ(markText(6283.185, true), "6283.19 Kg");
    EXPECT_EQ(markText(0, false), "0.00 L");
}

TEST(CapacityCurveView, AxesFollowTheCurve) {
    CapacityCurveView view;
    EXPECT_FALSE(view.hasCurve());
    view.setCurve(straight(false));
    EXPECT_TRUE(view.hasCurve());
    EXPECT_EQ(view.valueAxisTitle(), "容积 L");
    EXPECT_EQ(view.levelScale().ticks, (std::vector<double>{0, 500, 1000, 1500, 2000}));
    EXPECT_EQ(view.valueScale().ticks, (std::vector<double>{0, 5000, 10000, 15000, 20000}));
    EXPECT_FALSE(view.mark());

    view.setCurve(straight(true), CurvePoint{1000, 26000});  // a mark above the curve
    EXPECT_EQ(view.valueAxisTitle(), "重量 Kg");
    EXPECT_EQ(view.valueScale().high, 30000);
    ASSERT_TRUE(view.mark());
    EXPECT_EQ(view.mark()->level, 1000);
    EXPECT_STREQ(kLevelAxisTitle, "液位 mm");
}

TEST(CapacityCurveView, PlaceholderUntilACurveAndAfterClearing) {
    CapacityCurveView view;
    const QImage hint = shown(view);
    view.setPlaceholder(Drawing::HorizontalCylinder);
    EXPECT_EQ(view.placeholder(), Drawing::HorizontalCylinder);
    const QImage drawing = shown(view);
    EXPECT_NE(hint, drawing);
    view.setCurve(straight(false), CurvePoint{1000, 7850});
    const QImage curve = shown(view);
    EXPECT_NE(curve, drawing);
    // The mark is red.
    int red = 0;
    for (int y = 0; y < curve.height(); ++y) {
        for (int x = 0; x < curve.width(); ++x) {
            const QColor c = curve.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    }
    EXPECT_GT(red, 20);
    view.clearCurve();
    EXPECT_FALSE(view.hasCurve());
    EXPECT_FALSE(view.mark());
    EXPECT_EQ(shown(view), drawing);
}

}  // namespace
}  // namespace quorvel::ui
