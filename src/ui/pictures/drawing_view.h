// One dimensioned drawing scaled to fit its widget with the aspect ratio kept, its caption
// centred below. Vector artwork, so it stays crisp at any size and pixel density.
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QSvgRenderer>
#include <QWidget>

#include "ui/pictures/drawings.h"

namespace quorvel::ui {

// The largest rectangle of `content`'s aspect ratio inside `area`, centred in it. Empty
// when either is empty.
QRectF fitRect(QSizeF content, QRectF area);

class DrawingView : public QWidget {
    Q_OBJECT
  public:
    explicit DrawingView(Drawing drawing, QWidget* parent = nullptr);

    Drawing drawing() const { return drawing_; }
    QString caption() const { return caption_; }
    // The caption as drawn: on two lines, broken at its space, when the widget is too narrow.
    QString shownCaption() const;
    // Whether the artwork was read (a damaged resource shows only the caption).
    bool isValid() const { return renderer_.isValid(); }
    // Where the artwork is drawn at the widget's present size.
    QRectF artworkRect() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int captionHeight() const;

    Drawing drawing_;
    QString caption_;
    QSvgRenderer renderer_;
};

}  // namespace quorvel::ui
