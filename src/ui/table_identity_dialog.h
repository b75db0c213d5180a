// "罐容表信息…": the dialog of the table's identity (form/table_identity.h) and the increment
// switch. Its fields are controls of the window under their own names (Edit48 … Edit58,
// CheckBox3), read and stored like the others; the dialog only shows them.
#pragma once

#include <QDialog>

namespace quorvel::ui {

// A hidden dialog owned by `window`, its controls built and named; open it with exec().
QDialog* makeTableIdentityDialog(QWidget& window, double scale);

}  // namespace quorvel::ui
