#include "ui/table_import_button.h"

#include <QFileDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "form/fields.h"
#include "ui/qt_text.h"
#include "ui/ui_messages.h"

namespace quorvel::ui {

void wireTableImportButton(QWidget& window, app::WindowOperations& ops,
                           std::function<QString()> chooseFile) {
    if (!chooseFile) {
        chooseFile = [&window] {
            return QFileDialog::getOpenFileName(&window, qs(ui_messages::kImportDialogTitle),
                                                QString(), qs(ui_messages::kImportFilter));
        };
    }
    auto* button = window.findChild<QPushButton*>(qs(kImportTableButton));
    auto* grid = window.findChild<QTableWidget*>(qs(kGridControl));
    Q_ASSERT(button != nullptr && grid != nullptr);
    QObject::connect(button, &QPushButton::clicked, &window, [&ops, grid, chooseFile] {
        const QString path = chooseFile();
        if (path.isEmpty()) {
            return;
        }
        // Tens of thousands of cells are written: the grid tells of the change once, after.
        bool replaced = false;
        {
            const QSignalBlocker quiet(grid);
            grid->setUpdatesEnabled(false);
            replaced = ops.importTable(path.toStdString());
            grid->setUpdatesEnabled(true);
        }
        if (replaced) {
            ops.inputChanged(kGridControl);
        }
    });
}

}  // namespace quorvel::ui
