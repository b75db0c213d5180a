// The capacity table laid out for paper (PDF and printing): the same title block as the
// issued workbook and the same row texts, flowing down as many column blocks as fill each A4
// page, with the headings on every block and the page number (and tank number) in the footer.
#pragma once

#include <string>

#include "output/page_layout.h"
#include "output/table_rows.h"
#include "tank/capacity_table.h"

namespace quorvel {

// The document of `table` and its `rows`, which must outlive it: the rows are read as the
// pages are laid out, so a table of any length is laid out in the same memory. Computes the
// title block's total capacity (throws as the table's walk does).
paper::Document tablePaperDocument(const TableHead& table, const TableRows& rows);

// The document's title: "罐容表", with the tank number when there is one.
std::string tablePaperTitle(const TableHead& table);

// Writes the table as a PDF at `path` (atomically); returns the number of pages. Throws
// paper::FontMissing without the typeface, FileError when the file cannot be written.
int writeTablePdf(const TableHead& table, const TableRows& rows, const std::string& path);

}  // namespace quorvel
