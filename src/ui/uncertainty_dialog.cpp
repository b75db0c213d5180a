#include "ui/uncertainty_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/method_operations.h"
#include "app/uncertainty_budget.h"
#include "form/fields.h"
#include "text/number_format.h"
#include "ui/input_filters.h"
#include "ui/qt_text.h"
#include "ui/ui_messages.h"

namespace quorvel::ui {
namespace {

namespace m = ui_messages;

constexpr const char* kDialogName = "UncertaintyDialog";
constexpr const char* kTableName = "UTable1";

QString cell(double litres) {
    return qs(FormatTwoDecimals(litres));
}

// The budget as a table: one row an input, one column a level, then U and U/V; the greatest
// share at each level in bold.
void showBudget(QTableWidget& table, const app::UncertaintyBudget& b) {
    const auto rows = static_cast<int>(b.inputs.size());
    table.clear();
    table.setRowCount(rows + 2);
    table.setColumnCount(static_cast<int>(b.levels.size()) + 1);
    QStringList headings{QString::fromUtf8(m::kUColumnU)};
    for (double level : b.levels) {
        headings << qs(formatLevel(std::round(level)) + " mm");
    }
    table.setHorizontalHeaderLabels(headings);
    QStringList names;
    for (int i = 0; i < rows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        names << qs(b.inputs[k]);
        table.setItem(i, 0, new QTableWidgetItem(qs(formatLevel(b.u[k]))));
    }
    names << QString::fromUtf8(m::kURowExpanded) << QString::fromUtf8(m::kURowRelative);
    table.setVerticalHeaderLabels(names);
    for (std::size_t j = 0; j < b.levels.size(); ++j) {
        const int col = static_cast<int>(j) + 1;
        std::size_t top = 0;
        for (std::size_t i = 0; i < b.inputs.size(); ++i) {
            table.setItem(static_cast<int>(i), col, new QTableWidgetItem(cell(b.shares[i][j])));
            if (b.shares[i][j] > b.shares[top][j])
                top = i;
        }
        if (!b.inputs.empty()) {
            QTableWidgetItem* item = table.item(static_cast<int>(top), col);
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        table.setItem(rows, col, new QTableWidgetItem(cell(b.expanded[j])));
        table.setItem(rows + 1, col, new QTableWidgetItem(cell(b.relative[j]) + " %"));
    }
    table.resizeColumnsToContents();
}

}  // namespace

QDialog* makeUncertaintyDialog(QWidget& window, double scale) {
    auto* dialog = new QDialog(&window);
    dialog->setObjectName(QString::fromUtf8(kDialogName));
    dialog->setWindowTitle(QString::fromUtf8(m::kUTitle));
    auto* layout = new QVBoxLayout(dialog);
    auto* note = new QLabel(QString::fromUtf8(m::kUNote));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    const std::pair<std::string_view, const char*> fields[] = {
        {kULevelField, m::kULevel},
        {kUDimensionsField, m::kUDimensions},
        {kUTemperatureField, m::kUTemperature},
        {kUDensityField, m::kUDensity},
        {kULimitField, m::kULimit},
    };
    for (const auto& [control, caption] : fields) {
        auto* edit = new QLineEdit;
        edit->setObjectName(qs(control));
        edit->setMinimumWidth(qRound(320 * scale));
        edit->setValidator(new CharacterFilter(FilterKind::OneLine, edit));
        form->addRow(QString::fromUtf8(caption), edit);
    }
    layout->addLayout(form);
    for (auto [control, caption] : {std::pair{kUColumnSwitch, m::kUColumnSwitch},
                                    std::pair{kUTitleSwitch, m::kUTitleSwitch}}) {
        auto* box = new QCheckBox(QString::fromUtf8(caption));
        box->setObjectName(qs(control));
        layout->addWidget(box);
    }
    auto* update = new QPushButton(QString::fromUtf8(m::kUUpdate));
    update->setObjectName(QStringLiteral("UButton2"));
    layout->addWidget(update);
    auto* table = new QTableWidget;
    table->setObjectName(QString::fromUtf8(kTableName));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setMinimumSize(qRound(560 * scale), qRound(220 * scale));
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QString::fromUtf8(m::kCloseButton), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog->hide();
    return dialog;
}

void wireUncertaintyDialog(QWidget& window, FieldSource& form, UiServices& ui) {
    auto* dialog = window.findChild<QDialog*>(QString::fromUtf8(kDialogName));
    auto* table = dialog->findChild<QTableWidget*>(QString::fromUtf8(kTableName));
    const auto fill = [&form, &ui, table] {
        if (auto budget = app::uncertaintyBudget(form, ui, app::chosenMethod(form))) {
            showBudget(*table, *budget);
        }
    };
    QObject::connect(dialog->findChild<QPushButton*>(QStringLiteral("UButton2")),
                     &QPushButton::clicked, dialog, fill);
    auto* open = window.findChild<QAction*>(qs(kUncertaintyButton));
    QObject::connect(open, &QAction::triggered, dialog, [dialog, fill] {
        fill();
        dialog->exec();
    });
}

}  // namespace quorvel::ui
