#include "ui/pictures/drawing_pages.h"

#include <gtest/gtest.h>

#include <QGridLayout>
#include <QLabel>
#include <memory>

#include "ui/pictures/drawing_view.h"

namespace quorvel::ui {
namespace {

TEST(FitRect, KeepsTheAspectAndCentres) {
    struct Case {
        QSizeF content;
        QRectF area;
        QRectF fitted;
    };
    const Case cases[] = {
        {{320, 250}, {0, 0, 640, 500}, {0, 0, 640, 500}},     // same aspect: the whole area
        {{320, 250}, {0, 0, 1000, 250}, {340, 0, 320, 250}},  // wide area: centred across
        {{100, 100}, {10, 20, 50, 200}, {10, 95, 50, 50}},    // tall area: centred down
        {{360, 230}, {0, 0, 180, 115}, {0, 0, 180, 115}},     // shrinks
        {{0, 100}, {0, 0, 50, 50}, {}},                       // no artwork
        {{100, 100}, {0, 0, 0, 50}, {}},                      // no room
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fitRect(c.content, c.area), c.fitted) << c.area.width() << "x" << c.area.height();
    }
}

TEST(DrawingView, ArtworkAboveTheCaptionWithItsAspect) {
    DrawingView view(Drawing::ConicalHead);
    EXPECT_TRUE(view.isValid());
    EXPECT_EQ(view.caption(), "图二 圆锥(圆台)封头");
    for (QSize size : {QSize(600, 200), QSize(200, 600), QSize(321, 277)}) {
        view.resize(size);
        const QRectF art = view.artworkRect();
        EXPECT_NEAR(art.width() / art.height(), 320.0 / 260.0, 1e-9);
        EXPECT_LE(art.bottom(), size.height() - view.fontMetrics().height());
        EXPECT_TRUE(QRectF(view.rect()).contains(art));
        EXPECT_TRUE(art.width() >= size.width() - 5 || art.height() >= size.height() - 40)
            << "fills one direction";
    }
    view.resize(300, 260);
    const QImage image = view.grab().toImage();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += image.pixelColor(x, y).lightness() < 80;
        }
    }
    EXPECT_GT(dark, 500);
}

QList<DrawingView*> viewsOf(QWidget* page) {
    return page->findChildren<DrawingView*>(Qt::FindDirectChildrenOnly);
}

TEST(DrawingPages, EightDrawingsInAGridWithTheNote) {
    std::unique_ptr<QWidget> page(makeDrawingsPage());
    auto* grid = qobject_cast<QGridLayout*>(page->layout());
    ASSERT_NE(grid, nullptr);
    const char* captions[] = {"图一 椭圆(椭球)封头", "图二 圆锥(圆台)封头", "图三 球缺封头",
                              "图四 碟形封头",       "图五 半球形封头",     "图六 平板封头",
                              "图七 水平正直圆柱体", "图八 水平椭圆柱体"};
    ASSERT_EQ(viewsOf(page.get()).size(), 8);
    for (int i = 0; i < 8; ++i) {
        auto* item = grid->itemAtPosition(i / 2, i % 2);
        ASSERT_NE(item, nullptr) << i;
        auto* view = qobject_cast<DrawingView*>(item->widget());
        ASSERT_NE(view, nullptr) << i;
        EXPECT_EQ(view->caption(), QString::fromUtf8(captions[i]));
        EXPECT_TRUE(view->isValid());
    }
    auto* note = page->findChild<QLabel*>("dishedNote");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), "标准碟形Ri=D ri=0.1D");
}

TEST(DrawingPages, TiltedPageHasBothEndsAndTheSections) {
    std::unique_ptr<QWidget> page(makeTiltedDrawingsPage());
    std::vector<Drawing> shown;
    for (DrawingView* view : viewsOf(page.get())) {
        EXPECT_TRUE(view->isValid());
        shown.push_back(view->drawing());
    }
    EXPECT_EQ(shown, (std::vector<Drawing>{Drawing::TiltedRaisedLeft, Drawing::TiltedRaisedRight,
                                           Drawing::TiltedCrossSections}));
}

}  // namespace
}  // namespace quorvel::ui
