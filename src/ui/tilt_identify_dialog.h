// "变位识别…" on the page 倾斜圆筒: the dialog in which a log of dips and metered volumes is
// pasted or imported, the tank's tilt, lean and gauge zero identified (app/identify_operations.h)
// with their standard errors, RMS, rows used, outliers and a plot of the residuals against
// level, and "应用" writes α and β into the page. It holds the stored IdentifyEdit1 (what was
// applied), so it is built before the window's controls are collected.
#pragma once

#include <QPushButton>

#include "form/field_source.h"
#include "ports/ui_services.h"

namespace quorvel::ui {

// The dialog (TiltIdentifyDialog), a hidden child of `window`, and the button that opens it
// (TiltIdentifyButton), for the caller to place on the page.
QPushButton* makeTiltIdentifyDialog(QWidget& window, double scale);

// Connects the button and the dialog to the operations on `form` (the window's controls).
void wireTiltIdentifyDialog(QWidget& window, FieldSource& form, UiServices& ui);

}  // namespace quorvel::ui
