// A gauging ticket (计量单) as a workbook: one sheet of lines — a label, a value and its unit —
// under a title, for the depot's records and for printing from a spreadsheet program.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

struct DocumentLine {
    // Text: a value that may run on into the next columns; Number: a value right-aligned
    // beside its unit; Heading: the label alone, in bold.
    enum class Kind { Text, Number, Heading };
    Kind kind = Kind::Text;
    std::string label;
    std::string value;
    std::string unit;
};

struct TicketDocument {
    std::string title;  // also the sheet's name
    std::vector<DocumentLine> lines;
    std::vector<std::string> signatures;  // who signs: a label each, over a line
    std::string footer;
};

// Writes the ticket to `path`: row 1 the title (bold, 14 points), a blank row, then one row
// per line from row 3 — column A the label, B the value (right-aligned for a number, else
// left-aligned), C the unit —, after a blank row the signatures' labels a row each, and
// after another the footer. A number is stored as a number with a format of as many decimals
// as its text has, so the sheet shows exactly the digits of the ticket and computes with
// them; any other value as its text. The file is replaced atomically; a failure throws
// ExceptionXL naming the path and the system's reason.
void saveTicketWorkbook(const TicketDocument& ticket, const std::string& path);

}  // namespace quorvel
