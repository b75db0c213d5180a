// Radio buttons and check boxes that report any mouse button released over them, after the
// button has changed its state (a right-button release changes nothing but is reported too).
#pragma once

#include <functional>

#include <QCheckBox>
#include <QMouseEvent>
#include <QRadioButton>

namespace quorvel::ui {

template <class Button>
class MouseUpButton : public Button {
  public:
    using Button::Button;
    std::function<void()> onMouseUp;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        Button::mouseReleaseEvent(event);
        if (onMouseUp) {
            onMouseUp();
        }
    }
};

using MouseUpRadioButton = MouseUpButton<QRadioButton>;
using MouseUpCheckBox = MouseUpButton<QCheckBox>;

}  // namespace quorvel::ui
