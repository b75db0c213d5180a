// "导入罐容表…" of the calibration page: a file dialog for a capacity table issued elsewhere
// (text or .xlsx), then the window's import (app/table_import.h): faults refused in a box,
// warnings asked about, the grid replaced.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>

#include "app/window_operations.h"

namespace quorvel::ui {

// Connects the button CalButton1 of `window`. `chooseFile` (for tests) replaces the file
// dialog; it returns the path chosen, or an empty text when cancelled.
void wireTableImportButton(QWidget& window, app::WindowOperations& ops,
                           std::function<QString()> chooseFile = {});

}  // namespace quorvel::ui
