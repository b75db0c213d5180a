#include "ui/pictures/drawing_pages.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/pictures/drawing_view.h"

namespace quorvel::ui {

QWidget* makeDrawingsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("drawingsPage"));
    auto* grid = new QGridLayout(page);
    // The column beside the window's controls is narrow: every pixel goes to the drawings.
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
    const auto drawings = allDrawings();
    for (int i = 0; i < 8; ++i) {
        grid->addWidget(new DrawingView(drawings[i].drawing, page), i / 2, i % 2);
    }
    auto* note = new QLabel(QString::fromUtf8(kDishedNote), page);
    note->setObjectName(QStringLiteral("dishedNote"));
    note->setAlignment(Qt::AlignCenter);
    grid->addWidget(note, 4, 0, 1, 2);
    return page;
}

QWidget* makeTiltedDrawingsPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("tiltedDrawingsPage"));
    auto* column = new QVBoxLayout(page);
    for (Drawing drawing :
         {Drawing::TiltedRaisedLeft, Drawing::TiltedRaisedRight, Drawing::TiltedCrossSections}) {
        column->addWidget(new DrawingView(drawing, page));
    }
    return page;
}

}  // namespace quorvel::ui
