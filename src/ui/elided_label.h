// A label of one line that never widens its row: a text longer than the room it is given is
// cut with "…", and the whole text is its tooltip.
#pragma once

#include <QLabel>

namespace quorvel::ui {

class ElidedLabel : public QLabel {
  public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel::ui
