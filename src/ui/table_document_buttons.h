// The button "罐容表" at the end of the table request group, whose menu holds what makes a table to
// issue: "罐容表信息…" (the identity dialog), "另存为…" (the workbook under a chosen name), "PDF…"
// and "打印罐容表…" (print with preview). One button keeps the design's column width.
#pragma once

#include <QWidget>

#include "app/window_operations.h"
#include "ui/widget_form.h"

class QToolButton;

namespace quorvel::ui {

// The button TableDocumentButton with its menu entries (actions) named TableInfoButton,
// SaveAsButton, PdfButton and PrintTableButton, and the identity dialog (a hidden child of
// `window`).
QToolButton* makeTableDocumentButton(QWidget& window, double scale);

// Connects the menu entries to the window's operations.
void wireTableDocumentButtons(QWidget& window, app::WindowOperations& ops, UiServices& ui);

}  // namespace quorvel::ui
