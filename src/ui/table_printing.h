// Printing a paper document (output/page_layout.h) through Qt Print Support: the system's
// print dialog with a preview of every page, on A4 portrait, the whole sheet addressed.
#pragma once

#include <string>

#include <QPrinter>
#include <QWidget>

#include "output/page_layout.h"

namespace quorvel::ui {

// Sets `printer` to A4 portrait, the whole sheet, the document's title.
void preparePrinter(QPrinter& printer, const std::string& title);

// Prints the pages of `document` in the printer's page range (all when it sets none);
// returns the pages printed. Throws paper::FontMissing without the typeface.
int printDocument(const paper::Document& document, QPrinter& printer);

// The preview dialog, from which the user prints through the print dialog.
void printWithPreview(const paper::Document& document, const std::string& title, QWidget* parent);

}  // namespace quorvel::ui
