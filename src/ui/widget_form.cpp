#include "ui/widget_form.h"

#include <stdexcept>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>

#include "form/controls.h"
#include "form/fields.h"
#include "ui/input_filters.h"
#include "ui/pictures/capacity_curve_view.h"
#include "ui/qt_text.h"
#include "ui/upright_page.h"

namespace quorvel::ui {
namespace {

void fillList(QWidget& list, const std::vector<std::string>& texts) {
    auto& box = static_cast<QListWidget&>(list);
    box.clear();
    QStringList items;
    items.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& t : texts) {
        items.append(QString::fromStdString(t));
    }
    box.addItems(items);
}

}  // namespace

WidgetForm::WidgetForm(QWidget& window, QTableWidget& grid, QTabWidget& pages, QTabWidget& pictures,
                       CapacityCurveView& curve)
    : grid_(grid), pages_(pages), pictures_(pictures), curve_(curve) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty()) {
            controls_.insert(w->objectName(), w);
        }
    }
}

QWidget& WidgetForm::control(std::string_view name) const {
    QWidget* w = controls_.value(qs(name), nullptr);
    if (w == nullptr) {
        throw std::invalid_argument("the window has no control " + std::string(name));
    }
    return *w;
}

UprightRows WidgetForm::uprightRows() const {
    return uprightRowsOf(static_cast<QTableWidget&>(control(kCourseGrid)),
                         static_cast<QTableWidget&>(control(kDeadwoodGrid)));
}

void WidgetForm::setUprightRows(const UprightRows& rows) {
    showUprightRows(static_cast<QTableWidget&>(control(kCourseGrid)),
                    static_cast<QTableWidget&>(control(kDeadwoodGrid)), rows);
}

int WidgetForm::activePage() const {
    return pages_.currentIndex();
}

std::string WidgetForm::text(std::string_view name) const {
    QWidget& w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        const auto written = written_.constFind(qs(name));
        if (written != written_.cend() && written->shown == edit->text()) {
            return written->text;
        }
        return edit->text().toStdString();
    }
    if (auto* box = qobject_cast<QComboBox*>(&w)) {
        return box->currentText().toStdString();
    }
    throw std::invalid_argument("control " + std::string(name) + " holds no text");
}

bool WidgetForm::checked(std::string_view name) const {
    auto* button = qobject_cast<QAbstractButton*>(&control(name));
    return button != nullptr && button->isChecked();
}

int WidgetForm::itemIndex(std::string_view name) const {
    auto* box = qobject_cast<QComboBox*>(&control(name));
    return box == nullptr ? -1 : box->currentIndex();
}

void WidgetForm::setText(std::string_view name, std::string_view text) {
    QWidget& w = control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(&w)) {
        // What the program writes is never filtered: a loaded "0,84" or a result "-2094.40"
        // is shown as it is.
        writeUnfiltered(*edit, qs(text));
        if (edit->text().toStdString() != text) {
            written_.insert(qs(name), {edit->text(), std::string(text)});
        } else {
            written_.remove(qs(name));
        }
        return;
    }
    if (auto* box = qobject_cast<QComboBox*>(&w)) {
        if (box->isEditable()) {
            box->setEditText(qs(text));
        } else if (const int index = box->findText(qs(text)); index >= 0) {
            box->setCurrentIndex(index);
        }
        return;
    }
    throw std::invalid_argument("control " + std::string(name) + " holds no text");
}

void WidgetForm::setChecked(std::string_view name, bool on) {
    auto* button = qobject_cast<QAbstractButton*>(&control(name));
    if (button == nullptr) {
        throw std::invalid_argument("control " + std::string(name) + " is not a button");
    }
    // An exclusive radio button cannot be turned off while it is the one chosen; turning it
    // off chooses no other.
    const bool exclusive = button->autoExclusive();
    if (!on && exclusive) {
        button->setAutoExclusive(false);
    }
    button->setChecked(on);
    button->setAutoExclusive(exclusive);
}

void WidgetForm::setItemIndex(std::string_view list, int index) {
    auto* box = qobject_cast<QComboBox*>(&control(list));
    if (box == nullptr) {
        throw std::invalid_argument("control " + std::string(list) + " is not a list");
    }
    // A list that offers fewer entries than it may hold (the point counts) grows to the one
    // chosen.
    const std::vector<std::string>& entries = listEntries(list);
    for (int i = box->count(); i <= index && i < static_cast<int>(entries.size()); ++i) {
        box->addItem(QString::fromStdString(entries[static_cast<std::size_t>(i)]));
    }
    box->setCurrentIndex(index);
}

void WidgetForm::setEnabled(std::string_view name, bool on) {
    control(name).setEnabled(on);
}

void WidgetForm::setVisible(std::string_view name, bool on) {
    control(name).setVisible(on);
}

void WidgetForm::showPicturePage(int page) {
    pictures_.setCurrentIndex(page);
}

void WidgetForm::showCurve(const CapacityCurve& curve, std::optional<CurvePoint> mark) {
    curve_.setCurve(curve, mark);
    setLabel(kComparisonLabel, "");
}

void WidgetForm::showComparison(const std::optional<CapacityCurve>& trueGeometry,
                                std::string_view text) {
    curve_.setTrueGeometry(trueGeometry);
    setLabel(kComparisonLabel, text);
    control(kComparisonLabel).setVisible(!text.empty());
}

void WidgetForm::clearCurve() {
    curve_.clearCurve();
    setLabel(kComparisonLabel, "");
    control(kComparisonLabel).setVisible(false);
}

void WidgetForm::setLabel(std::string_view name, std::string_view text) {
    auto* label = qobject_cast<QLabel*>(&control(name));
    if (label == nullptr) {
        throw std::invalid_argument("control " + std::string(name) + " is not a label");
    }
    label->setText(qs(text));
}

void WidgetForm::showStatus(std::string_view text) {
    auto* bar = qobject_cast<QStatusBar*>(&control(kStatusBar));
    if (bar == nullptr) {
        throw std::invalid_argument("the window has no status bar");
    }
    bar->showMessage(qs(text));
}

void WidgetForm::setTableLists(const std::vector<std::string>& rows,
                               const std::vector<std::string>& weights) {
    fillList(control(kTableRowsList), rows);
    fillList(control(kTableWeightsList), weights);
}

}  // namespace quorvel::ui
