// The gauging ticket (计量单) on paper, through the page layout of the issued tables
// (output/page_layout.h): the title as its heading, the labelled lines as fields one to a
// line (a number with its unit), the section headings in bold, the lines without a label as
// plain text, then the lines to sign and the footer. One A4 page, for the PDF and the printer.
#pragma once

#include <string>

#include "output/page_layout.h"
#include "output/ticket_workbook.h"

namespace quorvel {

// The ticket as a paper document: blocks in the order of its lines; the footer on the left
// and the ticket's first value (its time) on the right.
paper::Document ticketPaperDocument(const TicketDocument& ticket);

// Writes the ticket as a PDF at `path` (atomically); returns the number of pages. Throws
// paper::FontMissing without the typeface, FileError when the file cannot be written.
int writeTicketPdf(const TicketDocument& ticket, const std::string& path);

}  // namespace quorvel
