#include "ui/pictures/drawings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QStringList>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <map>

namespace quorvel::ui {
namespace {

// Every text element of a drawing's source.
QSet<QString> textsOf(Drawing drawing) {
    QFile file(drawingResource(drawing));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    QSet<QString> texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text") {
            texts.insert(xml.readElementText());
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

TEST(Drawings, CaptionsAndOrder) {
    const std::vector<std::string> captions = {"图一 椭圆(椭球)封头",
                                               "图二 圆锥(圆台)封头",
                                               "图三 球缺封头",
                                               "图四 碟形封头",
                                               "图五 半球形封头",
                                               "图六 平板封头",
                                               "图七 水平正直圆柱体",
                                               "图八 水平椭圆柱体",
                                               "倾斜圆筒：高端在左",
                                               "倾斜圆筒：高端在右",
                                               "液位计处横截面：正直与横向倾斜"};
    ASSERT_EQ(allDrawings().size(), captions.size());
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const DrawingInfo& info = allDrawings()[i];
        EXPECT_EQ(info.caption, captions[i]);
        EXPECT_EQ(static_cast<std::size_t>(info.drawing), i);
        EXPECT_EQ(&drawingInfo(info.drawing), &info);
    }
    EXPECT_EQ(drawingResource(Drawing::DishedHead), ":/quorvel/drawings/dished_head.svg");
    EXPECT_STREQ(kDishedNote, "标准碟形Ri=D ri=0.1D");
}

TEST(Drawings, EachShowsTheLettersOfItsFields) {
    const std::map<Drawing, std::vector<const char*>> letters = {
        {Drawing::EllipsoidalHead, {"D", "h", "H", "H = h + D/4"}},
        {Drawing::ConicalHead, {"D", "D2", "h", "H", "H2", "半锥角"}},
        {Drawing::SphericalCapHead, {"D", "H", "R"}},
        {Drawing::DishedHead, {"D", "Ri", "ri", "h", "H", "Ri=D ri=0.1D"}},
        {Drawing::HemisphericalHead, {"D", "H", "H = D/2"}},
        {Drawing::FlatHead, {"D"}},
        {Drawing::HorizontalCylinder, {"D", "L"}},
        {Drawing::EllipticalCylinder, {"A", "B", "L"}},
        // The tilted page's fields are B and A, as on 图八.
        {Drawing::TiltedRaisedLeft, {"L", "A", "α", "F", "液位计", "液位读数", "高端", "低端"}},
        {Drawing::TiltedRaisedRight, {"L", "A", "α", "F", "液位计", "液位读数", "高端", "低端"}},
        {Drawing::TiltedCrossSections, {"A", "B", "β", "液位计", "正直", "横向倾斜"}},
    };
    ASSERT_EQ(letters.size(), allDrawings().size());
    for (const auto& [drawing, wanted] : letters) {
        const QSet<QString> texts = textsOf(drawing);
        for (const char* text : wanted) {
            EXPECT_TRUE(texts.contains(QString::fromUtf8(text)))
                << drawingInfo(drawing).file << " lacks " << text;
        }
    }
}

// What Qt SVG reports while a drawing is read and rendered (an unsupported element, a bad
// attribute): a drawing must render without any.
QStringList svgWarnings;
void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) {
        svgWarnings << text;
    }
}

// Renders at two sizes: the artwork draws lines (dark pixels) and liquid (its blue), and
// scales with the size.
TEST(Drawings, RenderAtTwoSizesAndAreNotBlank) {
    svgWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);
    for (const DrawingInfo& info : allDrawings()) {
        QSvgRenderer renderer(drawingResource(info.drawing));
        if (!renderer.isValid()) {
            ADD_FAILURE() << info.file << " is not a valid drawing";
            continue;
        }
        std::vector<int> dark;
        for (double scale : {1.0, 3.0}) {
            QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            renderer.render(&painter);
            painter.end();
            int black = 0, liquid = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    black += c.lightness() < 80;
                    liquid += c.blue() > 200 && c.red() < 190 && c.red() > 130;
                }
            }
            const int pixels = image.width() * image.height();
            EXPECT_GT(black, pixels / 400) << info.file << " at " << scale;
            EXPECT_GT(liquid, pixels / 100) << info.file << " at " << scale;
            dark.push_back(black);
        }
        EXPECT_GT(dark[1], dark[0] * 4) << info.file << " does not scale";
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(svgWarnings.isEmpty()) << svgWarnings.join('\n').toStdString();
}

TEST(Drawings, ShellKindsShowTheirDrawing) {
    EXPECT_EQ(shellDrawing(ShellKind::Horizontal, SectionKind::Circular),
              Drawing::HorizontalCylinder);
    EXPECT_EQ(shellDrawing(ShellKind::Horizontal, SectionKind::Elliptical),
              Drawing::EllipticalCylinder);
    EXPECT_EQ(shellDrawing(ShellKind::Tilted, SectionKind::Circular), Drawing::TiltedRaisedLeft);
    EXPECT_EQ(shellDrawing(ShellKind::Spherical, SectionKind::Circular), std::nullopt);
    EXPECT_EQ(shellDrawing(ShellKind::Calibrated, SectionKind::Circular), std::nullopt);
}

}  // namespace
}  // namespace quorvel::ui
