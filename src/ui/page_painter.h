// Paper pages (output/page_layout.h) painted with QPainter, for the printer and its preview:
// every text and rule where the PDF has it, in the same typeface.
#pragma once

#include <QPainter>

#include "output/page_layout.h"

namespace quorvel::ui {

// Paints `page` with `painter`, whose device shows the whole sheet of paper with its origin
// at the top left corner; one point of the page is resolution / 72 device pixels.
void paintPage(QPainter& painter, const paper::Page& page);

}  // namespace quorvel::ui
