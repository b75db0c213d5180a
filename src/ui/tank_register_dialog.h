// The output units' choice "单位" and the tank register "罐库…" in the window: the row that holds
// the three unit lists (UnitComboBox1 … 3, stored controls) and the register's button, and the
// register's dialog over app/register_operations.h — its list with search, open, save, save
// as, duplicate, delete and restore, and the tables of the selected tanks with a progress bar
// that can be cancelled.
#pragma once

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>

#include "app/window_form.h"
#include "app/window_operations.h"
#include "ports/ui_services.h"

namespace quorvel::ui {

// The links that open "单位…" (UnitsButton) and "罐库…" (RegisterButton), for the caller to
// place; the units' dialog (UnitsDialog, holding the three lists on their defaults) is made a
// hidden child of `window` here, so its lists are the window's controls from the start.
struct DepotLinks {
    QPushButton* units;
    QPushButton* register_;
};
DepotLinks makeDepotDialogs(QWidget& window, double scale);

// Opens the register's dialog from the button; the dialog loads tanks into `form` and shows
// their shell page on `pages`.
void wireTankRegister(QWidget& window, app::WindowOperations& ops, app::WindowForm& form,
                      UiServices& ui, QTabWidget& pages);

}  // namespace quorvel::ui
