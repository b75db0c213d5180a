// What the window's operations need of the window beyond reading and writing controls by
// name: the calibration grid, list choices by index, enabling and showing controls, the
// picture page, the two hidden row lists, the curve, labels and the status bar. The window is one
// WindowForm; MemoryWindow (the headless front end, the tests) is another.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/field_source.h"
#include "form/fields.h"
#include "form/grid_cells.h"
#include "tank/capacity_curve.h"

namespace quorvel::app {

// The controls the operations enable, show and label are named in form/fields.h.

// The picture pages of PageControl2.
inline constexpr int kPicturesOneToEight = 0;  // "图一至图八"
inline constexpr int kPicturesTilted = 1;      // "倾斜圆筒"

class WindowForm : public FieldSource {
  public:
    virtual GridCells& grid() = 0;
    // Replaces the rows of the upright tank's course and deadwood grids (page 立式圆筒).
    virtual void setUprightRows(const UprightRows& rows) = 0;
    // Chooses an entry of a drop-down list by index, −1 for none, as the program does
    // (no change handler runs).
    virtual void setItemIndex(std::string_view list, int index) = 0;
    virtual void setEnabled(std::string_view control, bool on) = 0;
    virtual void setVisible(std::string_view control, bool on) = 0;
    virtual void showPicturePage(int page) = 0;
    // ListBox1 (the table rows) and ListBox2 (their weights), replaced by each generate.
    virtual void setTableLists(const std::vector<std::string>& rows,
                               const std::vector<std::string>& weights) = 0;
    // The lower left picture: the capacity curve of the last table or quick calculation,
    // `mark` the quick calculation's level and value; without a comparison.
    virtual void showCurve(const CapacityCurve& curve, std::optional<CurvePoint> mark) = 0;
    // Beside a curve by the classic formulas: the true geometry's line (none: the text alone)
    // and the text under the curve saying how far the two depart (empty: nothing to say).
    virtual void showComparison(const std::optional<CapacityCurve>& trueGeometry,
                                std::string_view text) = 0;
    // The lower left picture without a curve: the drawing of the shell chosen; no comparison.
    virtual void clearCurve() = 0;
    // The text of a label that holds no stored value (kQuickNoteLabel).
    virtual void setLabel(std::string_view label, std::string_view text) = 0;
    // The status bar (StatusBar1): where a table went, why a file did not open.
    virtual void showStatus(std::string_view text) = 0;
};

}  // namespace quorvel::app
