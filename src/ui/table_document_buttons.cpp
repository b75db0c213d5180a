#include "ui/table_document_buttons.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QToolButton>

#include "app/error_boundary.h"
#include "app/table_documents.h"
#include "ui/table_identity_dialog.h"
#include "ui/table_printing.h"
#include "ui/ui_messages.h"
#include "ui/uncertainty_dialog.h"

namespace quorvel::ui {
namespace {

QAction* entry(QMenu& menu, const char* name, const char* caption, const char* tip) {
    QAction* action = menu.addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    action->setToolTip(QString::fromUtf8(tip));
    action->setStatusTip(QString::fromUtf8(tip));
    return action;
}

template <class Slot>
void onClick(QWidget& window, const char* name, Slot slot) {
    auto* action = window.findChild<QAction*>(QString::fromUtf8(name));
    Q_ASSERT(action != nullptr);
    QObject::connect(action, &QAction::triggered, &window, slot);
}

}  // namespace

QToolButton* makeTableDocumentButton(QWidget& window, double scale) {
    makeTableIdentityDialog(window, scale);
    makeUncertaintyDialog(window, scale);
    namespace m = ui_messages;
    auto* button = new QToolButton;
    button->setText(QString::fromUtf8(m::kTableDocumentButton));
    button->setPopupMode(QToolButton::InstantPopup);
    // The row beside it fills the column at the design size: no room for an arrow.
    button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    button->setObjectName(QStringLiteral("TableDocumentButton"));
    button->setToolTip(QString::fromUtf8(m::kTableDocumentTip));
    // The menu is a child of the button, so its entries are found from the window.
    auto* menu = new QMenu(button);
    entry(*menu, "TableInfoButton", m::kIdentityButton, m::kIdentityTip);
    entry(*menu, "UButton1", m::kUButton, m::kUTip);
    entry(*menu, "SaveAsButton", m::kSaveAsButton, m::kSaveAsTip);
    entry(*menu, "PdfButton", m::kPdfButton, m::kPdfTip);
    entry(*menu, "PrintTableButton", m::kPrintTableButton, m::kPrintTableTip);
    button->setMenu(menu);
    return button;
}

void wireTableDocumentButtons(QWidget& window, app::WindowOperations& ops, UiServices& ui) {
    onClick(window, "TableInfoButton", [&window] {
        window.findChild<QDialog*>(QStringLiteral("TableIdentityDialog"))->exec();
    });
    onClick(window, "SaveAsButton", [&ops] { ops.saveTableAs(app::todayText()); });
    onClick(window, "PdfButton", [&ops] { ops.saveTablePdf(app::todayText()); });
    onClick(window, "PrintTableButton", [&window, &ops, &ui] {
        const std::optional<app::TableJob> job = ops.tableToPrint();
        if (!job)
            return;
        app::guarded(ui, [&]() -> std::optional<bool> {
            printWithPreview(job->paperDocument(), job->paperTitle(), &window);
            return true;
        });
    });
}

}  // namespace quorvel::ui
