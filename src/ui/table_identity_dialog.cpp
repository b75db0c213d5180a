#include "ui/table_identity_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "form/table_identity.h"
#include "ui/input_filters.h"
#include "ui/qt_text.h"
#include "ui/ui_messages.h"

namespace quorvel::ui {
QDialog* makeTableIdentityDialog(QWidget& window, double scale) {
    auto* dialog = new QDialog(&window);
    dialog->setObjectName(QStringLiteral("TableIdentityDialog"));
    dialog->setWindowTitle(QString::fromUtf8(ui_messages::kIdentityTitle));
    auto* layout = new QVBoxLayout(dialog);
    auto* note = new QLabel(QString::fromUtf8(ui_messages::kIdentityNote));
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    for (const IdentityField& field : kIdentityFields) {
        auto* edit = new QLineEdit;
        edit->setObjectName(qs(field.control));
        edit->setPlaceholderText(qs(field.hint));
        edit->setMinimumWidth(qRound(260 * scale));
        // A line pasted from a spreadsheet cell comes with its line break: dropped as it is
        // pasted, so the field shows what is stored.
        edit->setValidator(new CharacterFilter(field.control == kReferenceHeightField
                                                   ? FilterKind::DigitsAndPoint
                                                   : FilterKind::OneLine,
                                               edit));
        form->addRow(qs(std::string(field.caption) + "："), edit);
    }
    layout->addLayout(form);
    auto* increments = new QCheckBox(QString::fromUtf8(ui_messages::kIncrementsSwitch));
    increments->setObjectName(qs(kIncrementsSwitch));
    layout->addWidget(increments);
    // The fields are the window's own: closing keeps what was typed.
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QString::fromUtf8(ui_messages::kCloseButton), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    layout->addWidget(buttons);
    dialog->hide();
    return dialog;
}

}  // namespace quorvel::ui
