#include "output/ticket_paper.h"

#include <variant>

#include "output/pdf_document.h"

namespace quorvel {
namespace {

using Kind = DocumentLine::Kind;

// Font sizes of the ticket, in points: larger than a table's, a ticket is read at the tank.
constexpr double kTitleSize = 18;
constexpr double kFieldSize = 11;
constexpr double kTextSize = 10;

// "24543.69 L": a value with its unit.
std::string valueWithUnit(const DocumentLine& line) {
    return line.unit.empty() ? line.value : line.value + " " + line.unit;
}

}  // namespace

paper::Document ticketPaperDocument(const TicketDocument& ticket) {
    paper::Document doc;
    doc.blocks.push_back(paper::Heading{ticket.title, kTitleSize});
    // Consecutive lines of one kind share a block.
    auto fields = [&doc]() -> paper::Fields& {
        if (doc.blocks.empty() || !std::holds_alternative<paper::Fields>(doc.blocks.back())) {
            doc.blocks.push_back(paper::Fields{{}, 1, kFieldSize});
        }
        return std::get<paper::Fields>(doc.blocks.back());
    };
    auto lines = [&doc]() -> paper::Lines& {
        if (doc.blocks.empty() || !std::holds_alternative<paper::Lines>(doc.blocks.back())) {
            doc.blocks.push_back(paper::Lines{{}, kTextSize, false});
        }
        return std::get<paper::Lines>(doc.blocks.back());
    };
    for (const DocumentLine& line : ticket.lines) {
        if (line.kind == Kind::Heading) {
            doc.blocks.push_back(paper::Lines{{line.label}, kFieldSize, true});
        } else if (!line.label.empty() && !line.value.empty()) {
            fields().items.emplace_back(line.label, valueWithUnit(line));
        } else if (!line.label.empty() || !line.value.empty()) {
            lines().lines.push_back(line.label.empty() ? line.value : line.label);
        }
    }
    paper::Signatures signatures{{}, kFieldSize};
    for (const std::string& label : ticket.signatures) {
        signatures.items.emplace_back(label, "");
    }
    doc.blocks.push_back(std::move(signatures));
    doc.footerLeft = ticket.footer;
    if (!ticket.lines.empty()) {
        doc.footerRight = ticket.lines.front().value;
    }
    return doc;
}

int writeTicketPdf(const TicketDocument& ticket, const std::string& path) {
    return paper::writePdf(ticketPaperDocument(ticket), ticket.title, path);
}

}  // namespace quorvel
