// The contents of the two picture pages of PageControl2.
#pragma once

#include <QWidget>

namespace quorvel::ui {

// Page "图一至图八": the eight shell and head drawings in a grid of four rows of two, in
// caption order, and the note "标准碟形Ri=D ri=0.1D" below them.
QWidget* makeDrawingsPage(QWidget* parent = nullptr);

// Page "倾斜圆筒": the tilted tank with its raised end on the left and on the right, then
// the two cross-sections through the gauge.
QWidget* makeTiltedDrawingsPage(QWidget* parent = nullptr);

}  // namespace quorvel::ui
