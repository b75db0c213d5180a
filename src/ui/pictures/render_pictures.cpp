// Writes the pictures as PNG files into a folder: every drawing at its own size (the help
// pages show them), the capacity curve of a sample tank, alone and beside its true geometry,
// and each further SVG file named, as NAME.png. With --pages also both picture pages, for
// looking at the layout. render_pictures OUT_DIR [--pages] [FILE.svg]...
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstring>
#include <memory>

#include "tank/capacity_curve.h"
#include "tank/volume.h"
#include "ui/pictures/capacity_curve_view.h"
#include "ui/pictures/drawing_pages.h"

namespace {

using namespace quorvel;
using namespace quorvel::ui;

bool saveWidget(QWidget& widget, QSize size, const QDir& dir, const char* name) {
    widget.resize(size);
    return widget.grab().save(dir.filePath(QString::fromUtf8(name)));
}

// An SVG (a resource or a file) on white at its own size, as `name` in `dir`.
bool saveSvg(const QString& svg, const QDir& dir, const QString& name) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        return false;
    }
    QImage image(renderer.defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(dir.filePath(name));
}

bool saveDrawing(const DrawingInfo& info, const QDir& dir) {
    return saveSvg(drawingResource(info.drawing), dir,
                   QString::fromUtf8(info.file).replace(".svg", ".png"));
}

// A horizontal tank of D 2000 and L 5000 with flat heads, marked at the level 1000.
bool saveSampleCurve(const QDir& dir) {
    TankConfig tank;
    tank.diameter = 2000;
    tank.length = 5000;
    CapacityCurveView view;
    view.setCurve(capacityCurve(tank, 201, std::nullopt),
                  CurvePoint{1000, volumeAtLevel(tank, 1000, 0) * 1000});
    return saveWidget(view, {460, 300}, dir, "curve.png");
}

// The tank of the comparison's example: 50 m³ with standard ellipsoidal heads (D 2600,
// L 8551), tilted by 1.5°, the gauge 2000 mm from the raised end; its classic curve with the
// true geometry's dashed beside it, as the window draws them.
bool saveComparisonCurve(const QDir& dir) {
    TankConfig tank;
    tank.shellKind = ShellKind::Tilted;
    tank.verticalDiameter = tank.horizontalDiameter = 2600;
    tank.length = 8551;
    tank.tiltAlpha = 1.5;
    tank.tiltOffset = 2000;
    tank.leftHead.kind = tank.rightHead.kind = HeadKind::StandardEllipsoidal;
    CapacityCurveView view;
    view.setCurve(capacityCurve(tank, 201, std::nullopt, Method::Classic));
    view.setTrueGeometry(capacityCurve(tank, 201, std::nullopt, Method::Exact));
    return saveWidget(view, {460, 300}, dir, "curve_compare.png");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool pages = argc >= 3 && std::strcmp(argv[2], "--pages") == 0;
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_pictures OUT_DIR [--pages] [FILE.svg]...\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = dir.mkpath(".");
    for (const DrawingInfo& info : allDrawings()) {
        ok = saveDrawing(info, dir) && ok;
    }
    ok = saveSampleCurve(dir) && ok;
    ok = saveComparisonCurve(dir) && ok;
    for (int i = pages ? 3 : 2; i < argc; ++i) {
        const QFileInfo svg(QString::fromLocal8Bit(argv[i]));
        ok = saveSvg(svg.filePath(), dir, svg.completeBaseName() + QStringLiteral(".png")) && ok;
    }
    if (pages) {
        std::unique_ptr<QWidget> drawings(makeDrawingsPage());
        ok = saveWidget(*drawings, {520, 900}, dir, "page_drawings.png") && ok;
        std::unique_ptr<QWidget> tilted(makeTiltedDrawingsPage());
        ok = saveWidget(*tilted, {520, 900}, dir, "page_tilted.png") && ok;
        CapacityCurveView placeholder;
        placeholder.setPlaceholder(Drawing::HorizontalCylinder);
        ok = saveWidget(placeholder, {460, 300}, dir, "curve_placeholder.png") && ok;
    }
    if (!ok) {
        std::fprintf(stderr, "render_pictures: cannot write the pictures to %s\n", argv[1]);
    }
    return ok ? 0 : 1;
}
