#include "ui/table_printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>

#include "output/paper_fonts.h"
#include "ui/page_painter.h"

namespace quorvel::ui {

void preparePrinter(QPrinter& printer, const std::string& title) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setDocName(QString::fromStdString(title));
}

int printDocument(const paper::Document& document, QPrinter& printer) {
    const paper::PaperFonts fonts;
    const int from = printer.fromPage();
    const int to = printer.toPage();
    QPainter painter;
    int printed = 0;
    paper::layOut(document, fonts, [&](const paper::Page& page) {
        if ((from > 0 && page.number < from) || (to > 0 && page.number > to)) {
            return;
        }
        if (printed == 0) {
            if (!painter.begin(&printer))
                return;
        } else {
            printer.newPage();
        }
        paintPage(painter, page);
        ++printed;
    });
    if (painter.isActive())
        painter.end();
    return printed;
}

void printWithPreview(const paper::Document& document, const std::string& title, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QString::fromStdString(title));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&document](QPrinter* p) { printDocument(document, *p); });
    preview.exec();
}

}  // namespace quorvel::ui
