// The point count and "清空" of the calibration page. Rows that a smaller count removes are
// kept aside for the run, so that a slip of the list loses no typed point: choosing a larger
// count again brings them back. Rows kept aside are not part of the grid and so are not
// saved to bd.txt.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_form.h"

namespace quorvel::app {

class CalibrationPage {
  public:
    // ComboBox2Change: the grid takes the chosen count (rows numbered, origin row reset) and
    // gets back the points of rows that an earlier, smaller count removed.
    void pointCountChanged(WindowForm& form);

    // Button5Click ("清空"): the points of rows 2 onward are emptied, those kept aside
    // forgotten.
    void clear(WindowForm& form);

    // A block copied from a spreadsheet (rows of tab-separated cells) pasted with its first
    // cell at (col, row): each cell passes the grid's character filter; cells beyond the
    // volume column are dropped, and a block placed on the number column or the heading row
    // starts in the level column or the origin row. The point count follows the block: a
    // block of several rows placed on the origin row or the first point row is a new table
    // and the grid ends with its last row; any other block only makes the grid grow to hold
    // it (2 to 999 points; rows beyond the 999th are dropped). Returns the rows written.
    int paste(WindowForm& form, int col, int row, std::string_view block);

    // A grid loaded from a file replaces everything kept aside.
    void forget() { removed_.clear(); }

  private:
    std::map<int, std::vector<std::string>> removed_;  // row → cells of columns 1 …
};

}  // namespace quorvel::app
