// "不确定度…": the dialog of the inputs' standard uncertainties, the limit and the two switches
// (form/uncertainty_controls.h), with the contribution table of each input at levels spread
// over the tank (app/uncertainty_budget.h). Its fields are controls of the window under their
// own names, read and stored like the others; the dialog only shows them.
#pragma once

#include <QDialog>

#include "form/field_source.h"
#include "ports/ui_services.h"

namespace quorvel::ui {

// A hidden dialog owned by `window`, its controls built and named.
QDialog* makeUncertaintyDialog(QWidget& window, double scale);

// The menu entry UButton1 opens the dialog; its table is filled at each opening and on "计算贡献".
void wireUncertaintyDialog(QWidget& window, FieldSource& form, UiServices& ui);

}  // namespace quorvel::ui
