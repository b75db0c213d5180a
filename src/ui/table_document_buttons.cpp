#include "ui/table_document_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "app/error_boundary.h"
#include "app/table_documents.h"
#include "app/table_operations.h"
#include "output/table_paper.h"
#include "ui/table_identity_dialog.h"
#include "ui/table_printing.h"
#include "ui/ui_messages.h"

namespace quorvel::ui {
namespace {

QPushButton* button(const char* name, const char* caption, const char* tip) {
    auto* b = new QPushButton(QString::fromUtf8(caption));
    b->setObjectName(QString::fromUtf8(name));
    b->setToolTip(QString::fromUtf8(tip));
    return b;
}

template <class Slot>
void onClick(QWidget& window, const char* name, Slot slot) {
    auto* b = window.findChild<QPushButton*>(QString::fromUtf8(name));
    Q_ASSERT(b != nullptr);
    QObject::connect(b, &QPushButton::clicked, &window, slot);
}

}  // namespace

QHBoxLayout* makeTableDocumentButtons(QWidget& window, double scale) {
    makeTableIdentityDialog(window, scale);
    auto* row = new QHBoxLayout;
    row->setSpacing(qRound(4 * scale));
    namespace m = ui_messages;
    row->addWidget(button("TableInfoButton", m::kIdentityButton, m::kIdentityTip));
    row->addWidget(button("SaveAsButton", m::kSaveAsButton, m::kSaveAsTip));
    row->addWidget(button("PdfButton", m::kPdfButton, m::kPdfTip));
    row->addWidget(button("PrintTableButton", m::kPrintTableButton, m::kPrintTableTip));
    row->addStretch(1);
    return row;
}

void wireTableDocumentButtons(QWidget& window, WidgetForm& form, UiServices& ui) {
    onClick(window, "TableInfoButton", [&window] {
        window.findChild<QDialog*>(QStringLiteral("TableIdentityDialog"))->exec();
    });
    onClick(window, "SaveAsButton", [&form, &ui] { app::saveTableAs(form, ui, app::todayText()); });
    onClick(window, "PdfButton", [&form, &ui] {
        const std::string path = app::saveTablePdfAs(form, ui, app::todayText());
        if (!path.empty()) {
            ui.openDocument(path);
        }
    });
    onClick(window, "PrintTableButton", [&window, &form, &ui] {
        const std::optional<CapacityTable> table = app::makeTable(form, ui);
        if (!table)
            return;
        app::guarded(ui, [&]() -> std::optional<bool> {
            printWithPreview(tablePaperDocument(*table), tablePaperTitle(*table), &window);
            return true;
        });
    });
}

}  // namespace quorvel::ui
