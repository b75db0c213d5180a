#include "output/ticket_document.h"

#include "form/oil_fields.h"
#include "oil/oil_messages.h"
#include "output/output_messages.h"
#include "text/blank.h"

namespace quorvel {
namespace {

namespace msg = output_messages;

constexpr std::string_view kLineBreak = "\r\n";

std::string groupName(oil::Group group) {
    return productGroupEntries()[static_cast<std::size_t>(group)];
}

using Kind = DocumentLine::Kind;

DocumentLine number(std::string_view label, std::string value, std::string_view unit) {
    return {Kind::Number, std::string(label), std::move(value), std::string(unit)};
}
DocumentLine text(std::string_view label, std::string value = {}) {
    return {Kind::Text, std::string(label), std::move(value), {}};
}

}  // namespace

TicketDocument ticketDocument(const OilTicket& ticket) {
    TicketDocument doc;
    doc.title = msg::kTicketTitle;
    auto& lines = doc.lines;
    lines.push_back(text(msg::kGaugingTime, ticket.gaugingTime));
    lines.push_back(text(msg::kTicketTime, ticket.time));
    for (const auto& [caption, value] : ticket.identity) {
        lines.push_back(text(caption, value));
    }
    if (!ticket.registerTank.empty()) {
        lines.push_back(text(msg::kTicketRegisterTank, ticket.registerTank));
    }
    std::string_view label = msg::kTicketTank;
    for (std::string_view rest = ticket.tank; !rest.empty(); label = {}) {
        const auto end = rest.find(kLineBreak);
        lines.push_back(text(label, std::string(rest.substr(0, end))));
        rest = end == std::string_view::npos ? std::string_view()
                                             : rest.substr(end + kLineBreak.size());
    }
    if (!ticket.tilt.empty()) {
        lines.push_back(text(msg::kTicketTilt, ticket.tilt));
    }
    lines.push_back(text(
        msg::kTicketMethod,
        std::string(ticket.method == Method::Exact ? msg::kMethodExact : msg::kMethodClassic)));
    lines.push_back({Kind::Heading, std::string(msg::kTicketInputs), {}, {}});
    if (!ticket.ullage.empty()) {
        lines.push_back(number(msg::kReferenceHeight, ticket.referenceHeight, msg::kUnitMm));
        lines.push_back(number(msg::kUllage, ticket.ullage, msg::kUnitMm));
    }
    lines.push_back(number(msg::kDip, ticket.level, msg::kUnitMm));
    lines.push_back(text(msg::kProductGroup, groupName(ticket.group)));
    if (!isBlankText(ticket.product)) {
        lines.push_back(text(msg::kProductName, ticket.product));
    }
    lines.push_back(number(msg::kOilTemperature, ticket.oilTemperature, msg::kUnitCelsius));
    if (ticket.observed) {
        lines.push_back(number(msg::kObservedDensity, ticket.density, ticket.densityUnit));
        lines.push_back(number(msg::kTestTemperature, ticket.testTemperature, msg::kUnitCelsius));
    } else {
        lines.push_back(number(msg::kStandardDensityTyped, ticket.density, ticket.densityUnit));
    }
    lines.push_back(text(msg::kReading, std::string(ticket.reading == oil::Reading::Exact
                                                        ? msg::kReadingFormula
                                                        : msg::kReadingPrintedTable)));
    lines.push_back({Kind::Heading, std::string(msg::kTicketResults), {}, {}});
    lines.push_back(number(msg::kVt, ticket.vt, msg::kUnitLitre));
    lines.push_back(number(msg::kRho20, ticket.quantity.rho20, msg::kUnitDensity));
    lines.push_back(number(msg::kVcf20, ticket.quantity.vcf20, {}));
    lines.push_back(number(msg::kV20, ticket.quantity.v20, msg::kUnitLitre));
    lines.push_back(number(msg::kMass, ticket.quantity.mass, msg::kUnitKg));
    lines.push_back(text(msg::kTicketBasis));
    if (ticket.reading == oil::Reading::Exact) {
        lines.push_back(text(oil::messages::kComputedMayDiffer));
    }
    doc.signatures = {std::string(msg::kTicketGauger), std::string(msg::kTicketChecker)};
    doc.footer = msg::kTicketFooter;
    return doc;
}

}  // namespace quorvel
