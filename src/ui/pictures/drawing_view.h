// One dimensioned drawing scaled to fit its widget with the aspect ratio kept, its caption
// centred below. Vector artwork, so it stays crisp at any size and pixel density. A click
// shows it enlarged in a window of its own, so its letters can be read however narrow the
// picture pages are.
#pragma once

#include <functional>

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

    // What a left click does instead of showing the drawing enlarged.
    std::function<void()> onClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int captionHeight() const;

    Drawing drawing_;
    QString caption_;
    QSvgRenderer renderer_;
};

// Shows `drawing` in a window of its own, 600 pixels wide or wider where the screen has room,
// over `parent`; a click in it or Escape closes it. One at a time: a new one replaces the
// last. Not modal: the main window stays usable. Returns the window.
QWidget* showEnlargedDrawing(Drawing drawing, QWidget* parent);

}  // namespace quorvel::ui
