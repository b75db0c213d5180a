// The window without widgets: a MemoryForm for the controls, and what the operations enable,
// show, list, label and say in the status bar. The headless front end and the tests run the
// window's operations on it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/window_form.h"
#include "form/memory_form.h"

namespace quorvel::app {

class MemoryWindow : public WindowForm {
  public:
    explicit MemoryWindow(MemoryForm form = MemoryForm::designed()) : form_(std::move(form)) {}

    MemoryForm& form() { return form_; }
    const MemoryForm& form() const { return form_; }

    int activePage() const override { return form_.activePage(); }
    std::string text(std::string_view control) const override { return form_.text(control); }
    bool checked(std::string_view control) const override { return form_.checked(control); }
    int itemIndex(std::string_view control) const override { return form_.itemIndex(control); }
    std::string cell(int col, int row) const override { return form_.cell(col, row); }
    UprightRows uprightRows() const override { return form_.uprightRows(); }
    void setText(std::string_view control, std::string_view text) override {
        form_.setText(control, text);
    }
    void setChecked(std::string_view control, bool on) override { form_.setChecked(control, on); }

    GridCells& grid() override { return form_.grid(); }
    void setUprightRows(const UprightRows& rows) override { form_.setUprightRows(rows); }
    void setItemIndex(std::string_view list, int index) override {
        form_.setItemIndex(list, index);
    }
    void setEnabled(std::string_view control, bool on) override {
        enabled_[std::string(control)] = on;
    }
    void setVisible(std::string_view control, bool on) override {
        visible_[std::string(control)] = on;
    }
    void showPicturePage(int page) override { picturePage_ = page; }
    void setTableLists(const std::vector<std::string>& rows,
                       const std::vector<std::string>& weights) override {
        rows_ = rows;
        weights_ = weights;
    }
    void showCurve(const CapacityCurve& curve, std::optional<CurvePoint> mark) override {
        curve_ = curve;
        mark_ = mark;
        trueGeometry_.reset();
        comparison_.clear();
        ++curvesShown_;
    }
    void showComparison(const std::optional<CapacityCurve>& trueGeometry,
                        std::string_view text) override {
        trueGeometry_ = trueGeometry;
        comparison_ = text;
    }
    void clearCurve() override {
        curve_ = {};
        mark_.reset();
        trueGeometry_.reset();
        comparison_.clear();
    }
    void setLabel(std::string_view label, std::string_view text) override {
        labels_[std::string(label)] = text;
    }
    void showStatus(std::string_view text) override { status_ = text; }

    // Every control starts enabled and shown, on the first picture page, as designed.
    bool enabled(std::string_view control) const { return lookup(enabled_, control); }
    bool visible(std::string_view control) const { return lookup(visible_, control); }
    int picturePage() const { return picturePage_; }
    const std::vector<std::string>& rows() const { return rows_; }
    const std::vector<std::string>& weights() const { return weights_; }
    const CapacityCurve& curve() const { return curve_; }
    std::optional<CurvePoint> mark() const { return mark_; }
    int curvesShown() const { return curvesShown_; }
    const std::optional<CapacityCurve>& trueGeometry() const { return trueGeometry_; }
    const std::string& comparison() const { return comparison_; }
    bool hasCurve() const { return !curve_.points.empty(); }
    std::string label(std::string_view name) const {
        auto it = labels_.find(name);
        return it == labels_.end() ? std::string() : it->second;
    }
    const std::string& status() const { return status_; }

  private:
    static bool lookup(const std::map<std::string, bool, std::less<>>& m, std::string_view k) {
        auto it = m.find(k);
        return it == m.end() || it->second;
    }

    MemoryForm form_;
    std::map<std::string, bool, std::less<>> enabled_;
    std::map<std::string, bool, std::less<>> visible_;
    int picturePage_ = kPicturesOneToEight;
    std::vector<std::string> rows_;
    std::vector<std::string> weights_;
    CapacityCurve curve_;
    std::optional<CurvePoint> mark_;
    int curvesShown_ = 0;
    std::optional<CapacityCurve> trueGeometry_;
    std::string comparison_;
    std::map<std::string, std::string, std::less<>> labels_;
    std::string status_;
};

}  // namespace quorvel::app
