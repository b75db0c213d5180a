// An in-memory stand-in for the window's controls: the headless front end and the tests fill
// it (from the settings file, the grid file or by hand) and the computation reads it through
// FieldSource exactly as it reads the window.
#pragma once

#include <map>
#include <string>

#include "form/field_source.h"
#include "form/grid_cells.h"

namespace quorvel {

class MemoryForm : public FieldSource {
  public:
    // Every edit and list empty, nothing checked or chosen, the 罐容标定 page active and the
    // grid in its initial shape: the state after loading a settings file that does not exist.
    MemoryForm();

    // The window as designed, before anything is loaded: "图七 水平正直圆柱体" and both
    // "图一 标准椭圆封头(只选中)" chosen, the density unit showing "单位", the method
    // "经典公式".
    static MemoryForm designed();

    int activePage() const override { return page_; }
    std::string text(std::string_view control) const override;
    bool checked(std::string_view control) const override;
    int itemIndex(std::string_view control) const override;
    std::string cell(int col, int row) const override { return grid_.cell(col, row); }
    UprightRows uprightRows() const override { return upright_; }
    void setUprightRows(UprightRows rows) { upright_ = std::move(rows); }
    void setText(std::string_view control, std::string_view text) override;
    void setChecked(std::string_view control, bool on) override;

    void setActivePage(int page) { page_ = page; }
    // Chooses a list entry by index (−1 for none), as picking it in the window does.
    void setItemIndex(std::string_view control, int index);

    TextGrid& grid() { return grid_; }
    const TextGrid& grid() const { return grid_; }

  private:
    int page_ = 3;
    std::map<std::string, std::string, std::less<>> texts_;  // edits and editable lists
    std::map<std::string, bool, std::less<>> checks_;
    std::map<std::string, int, std::less<>> chosen_;  // lists with fixed entries
    TextGrid grid_;
    UprightRows upright_;
};

}  // namespace quorvel
