// The shell page "立式圆筒" (TabSheet5): the course grid (from the bottom: height, inner
// diameter, or outside circumference with plate thickness, all mm), the deadwood grid (from,
// to, litres), the bottom volume, the head correction's density and Young's modulus, and the
// floating roof. Each grid keeps one empty row at its end to type the next row into.
#pragma once

#include <QWidget>

#include "form/upright_fields.h"

class QTableWidget;

namespace quorvel::ui {

// The page at `scale` (the window's pixels per design pixel).
QWidget* makeUprightPage(double scale);

// The rows of the page's grids as typed (rows all empty left out), and the grids set to rows.
UprightRows uprightRowsOf(const QTableWidget& courses, const QTableWidget& deadwood);
void showUprightRows(QTableWidget& courses, QTableWidget& deadwood, const UprightRows& rows);

}  // namespace quorvel::ui
