// A paper document (output/page_layout.h) as a PDF file: A4 pages of vector text in the
// embedded typeface and ruled lines, written page by page, so a table of any length is
// written in bounded memory.
#pragma once

#include <string>

#include "output/page_layout.h"

namespace quorvel::paper {

// Writes `document` to `path` atomically (a temporary beside it, renamed when complete), its
// title `title`. Returns the number of pages. Throws FontMissing without the typeface,
// FileError when the file cannot be written.
int writePdf(const Document& document, const std::string& title, const std::string& path);

}  // namespace quorvel::paper
