// "油量计算…": the window in which an operator goes from a dip, a thermometer and a hydrometer
// reading to the booked standard volume V20 and mass (app/oil_operations.h). Its inputs are
// controls of the main window under their own names (OilEdit1 …, form/oil_fields.h), read
// and stored like the others; its results are labels the operations fill.
#pragma once

#include <QDialog>

#include "app/window_operations.h"

namespace quorvel::ui {

// The dialog (named OilQuantityDialog), a hidden child of `window` whose controls are built
// and named, and the button that opens it (OilQuantityButton), for the caller to place.
QPushButton* makeOilQuantityDialog(QWidget& window, double scale);

// Connects the opening button and the dialog's own buttons to the operations: the window
// opens without blocking the main window, whose tank it computes with; "打印…" shows the
// ticket's page in the print preview, a failure in a box of `ui`.
void wireOilQuantityDialog(QWidget& window, app::WindowOperations& ops, UiServices& ui);

}  // namespace quorvel::ui
