// The computation reads the window by control name, never by widget: the window is one
// FieldSource, an in-memory form (the headless front end, the tests) is another.
// Control names are the window's generic ones (Edit1 … Edit47, RadioButton1 …, ComboBox1 …,
// CheckBox1, CheckBox2); they are also the keys of the settings file. Texts are UTF-8.
#pragma once

#include <string>
#include <string_view>

#include "form/upright_fields.h"

namespace quorvel {

class FieldSource {
  public:
    virtual ~FieldSource() = default;

    // Index of the active shell page of PageControl1 (0 水平圆筒 … 3 罐容标定).
    virtual int activePage() const = 0;

    // The text of an edit field, or the text a drop-down list shows.
    virtual std::string text(std::string_view control) const = 0;
    // The state of a check box or radio button.
    virtual bool checked(std::string_view control) const = 0;
    // The chosen entry of a drop-down list; −1 when none is chosen.
    virtual int itemIndex(std::string_view control) const = 0;
    // A cell of the calibration grid StringGrid1; empty outside the grid.
    virtual std::string cell(int col, int row) const = 0;
    // The rows of the upright tank's course and deadwood grids (page 立式圆筒), as typed.
    virtual UprightRows uprightRows() const { return {}; }

    // Sets an edit's text; for a list with fixed entries, chooses the entry equal to the text
    // (if there is none the choice stays); for an editable list, sets its text.
    virtual void setText(std::string_view control, std::string_view text) = 0;
    // Sets a check box; setting a radio button on unchooses the others of its group, setting
    // it off chooses no other.
    virtual void setChecked(std::string_view control, bool on) = 0;
};

}  // namespace quorvel
