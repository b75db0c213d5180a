// The window's controls as the operations see them: each found by its objectName (Edit1 …,
// RadioButton1 …, ComboBox1 …, CheckBox1, CheckBox2, StringGrid1, ListBox1, ListBox2,
// Label49, StatusBar1, …). Texts it writes pass no character filter.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

#include "app/window_form.h"
#include "ui/grid_widget_cells.h"

class QTabWidget;

namespace quorvel::ui {

class CapacityCurveView;

class WidgetForm : public app::WindowForm {
  public:
    // `window` holds every named control, `grid` is StringGrid1, `pages` PageControl1,
    // `pictures` PageControl2 and `curve` the lower left picture (CurveArea).
    WidgetForm(QWidget& window, QTableWidget& grid, QTabWidget& pages, QTabWidget& pictures,
               CapacityCurveView& curve);

    int activePage() const override;
    std::string text(std::string_view control) const override;
    bool checked(std::string_view control) const override;
    int itemIndex(std::string_view control) const override;
    std::string cell(int col, int row) const override { return grid_.cell(col, row); }
    UprightRows uprightRows() const override;
    void setUprightRows(const UprightRows& rows) override;
    void setText(std::string_view control, std::string_view text) override;
    void setChecked(std::string_view control, bool on) override;

    GridCells& grid() override { return grid_; }
    void setItemIndex(std::string_view list, int index) override;
    void setEnabled(std::string_view control, bool on) override;
    void setVisible(std::string_view control, bool on) override;
    void showPicturePage(int page) override;
    void setTableLists(const std::vector<std::string>& rows,
                       const std::vector<std::string>& weights) override;
    void showCurve(const CapacityCurve& curve, std::optional<CurvePoint> mark) override;
    void showComparison(const std::optional<CapacityCurve>& trueGeometry,
                        std::string_view text) override;
    void clearCurve() override;
    void setLabel(std::string_view label, std::string_view text) override;
    void showStatus(std::string_view text) override;

    // The control of that name; throws std::invalid_argument for a name the window lacks.
    QWidget& control(std::string_view name) const;

  private:
    // A text the program wrote that its field shows otherwise (a field keeps 32,767
    // characters, and may drop some it cannot show): the text, answered for as long as the
    // field shows what it made of it, so a value the user did not change is kept as stored.
    struct Written {
        QString shown;
        std::string text;
    };
    QHash<QString, Written> written_;
    QHash<QString, QWidget*> controls_;
    GridWidgetCells grid_;
    QTabWidget& pages_;
    QTabWidget& pictures_;
    CapacityCurveView& curve_;
};

}  // namespace quorvel::ui
