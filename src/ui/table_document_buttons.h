// The buttons of a table to issue, beside "生成容积表": "罐容表信息…" (the identity dialog),
// "另存为…" (the workbook under a chosen name), "PDF…" and "打印罐容表…" (print with preview).
#pragma once

#include <QWidget>

#include "app/window_operations.h"
#include "ui/widget_form.h"

class QHBoxLayout;

namespace quorvel::ui {

// The row of buttons, named TableInfoButton, SaveAsButton, PdfButton and PrintTableButton,
// and the identity dialog (a hidden child of `window`).
QHBoxLayout* makeTableDocumentButtons(QWidget& window, double scale);

// Connects the buttons to their operations on the window's form and services.
void wireTableDocumentButtons(QWidget& window, WidgetForm& form, UiServices& ui);

}  // namespace quorvel::ui
