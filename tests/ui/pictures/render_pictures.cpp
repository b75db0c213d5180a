// Writes every drawing, both picture pages and a sample capacity curve as PNG files into
// the folder given, for looking at them: render_pictures OUT_DIR.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <memory>

#include "ui/pictures/capacity_curve_view.h"
#include "ui/pictures/drawing_pages.h"

using namespace quorvel;
using namespace quorvel::ui;

static bool save(QWidget& widget, QSize size, const QDir& dir, const char* name) {
    widget.resize(size);
    return widget.grab().save(dir.filePath(QString::fromUtf8(name)));
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_pictures OUT_DIR\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = dir.mkpath(".");
    for (const DrawingInfo& info : allDrawings()) {
        QSvgRenderer renderer(drawingResource(info.drawing));
        QImage image(renderer.defaultSize() * 2, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        ok &= image.save(dir.filePath(QString::fromUtf8(info.file).replace(".svg", ".png")));
    }
    std::unique_ptr<QWidget> drawings(makeDrawingsPage());
    ok &= save(*drawings, {520, 900}, dir, "page_drawings.png");
    std::unique_ptr<QWidget> tilted(makeTiltedDrawingsPage());
    ok &= save(*tilted, {520, 900}, dir, "page_tilted.png");

    // A circular tank of D 2000 and L 5000 with flat heads: 0 to 15707.96 L.
    CapacityCurveView view;
    view.setPlaceholder(Drawing::HorizontalCylinder);
    ok &= save(view, {460, 300}, dir, "curve_placeholder.png");
    CapacityCurve curve;
    for (int i = 0; i <= 200; ++i) {
        const double h = i * 10.0, r = 1000, a = std::acos((r - h) / r);
        curve.points.push_back(
            {h, (r * r * a - (r - h) * std::sqrt(2 * r * h - h * h)) * 5000 * 1e-6});
    }
    view.setCurve(curve, CurvePoint{1000, 7853.981634});
    ok &= save(view, {460, 300}, dir, "curve.png");
    return ok ? 0 : 1;
}
