#include "ui/table_import_button.h"

#include <QFileDialog>
#include <QPushButton>

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
    Q_ASSERT(button != nullptr);
    QObject::connect(button, &QPushButton::clicked, &window, [&ops, chooseFile] {
        const QString path = chooseFile();
        if (!path.isEmpty()) {
            ops.importTable(path.toStdString());
        }
    });
}

}  // namespace quorvel::ui
