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

// The booked quantity's inputs, after the oil's; SW and the safe level are named with the
// results.
void addBookedInputs(const BookedChain& b, std::vector<DocumentLine>& lines) {
    if (!b.waterLevel.empty()) {
        lines.push_back(number(msg::kWaterLevel, b.waterLevel, msg::kUnitMm));
    }
    if (!b.shellTemperature.empty()) {
        lines.push_back(number(msg::kShellTemperatureTyped, b.shellTemperature, msg::kUnitCelsius));
    } else if (!b.formedShellTemperature.empty()) {
        lines.push_back(number(b.insulated ? std::string(msg::kShellTemperatureInsulated)
                                           : msg::shellTemperatureFromAir(b.ambientTemperature),
                               b.formedShellTemperature, msg::kUnitCelsius));
    }
    if (b.shellCorrected()) {
        // A listed material names its α; a typed α stands alone.
        lines.push_back(b.expansionTyped
                            ? number(msg::kShellExpansion, b.expansion, msg::kUnitPerCelsius)
                            : text(msg::kShellMaterial, b.material));
        lines.push_back(number(msg::kTableTemperature, b.tableTemperature, msg::kUnitCelsius));
    }
}

}  // namespace

namespace {

std::vector<TicketResult> resultsWithoutU(const OilTicket& ticket);

}  // namespace

std::vector<TicketResult> ticketResults(const OilTicket& ticket) {
    std::vector<TicketResult> results = resultsWithoutU(ticket);
    if (!ticket.uVt.empty()) {
        results.push_back({"U_Vt", number(msg::kUVt, ticket.uVt, msg::kUnitLitre)});
        results.push_back({"U_V20", number(msg::kUV20, ticket.uV20, msg::kUnitLitre)});
        results.push_back({"U_mass", number(msg::kUMass, ticket.uMass, msg::kUnitKg)});
    }
    return results;
}

namespace {

std::vector<TicketResult> resultsWithoutU(const OilTicket& ticket) {
    const oil::DepotQuantityText& q = ticket.quantity;
    if (!ticket.booked) {
        return {{"Vt", number(msg::kVt, ticket.vt, msg::kUnitLitre)},
                {"rho20", number(msg::kRho20, q.rho20, msg::kUnitDensity)},
                {"VCF20", number(msg::kVcf20, q.vcf20, {})},
                {"V20", number(msg::kV20, q.v20, msg::kUnitLitre)},
                {"mass", number(msg::kMass, q.mass, msg::kUnitKg)}};
    }
    const BookedChain& b = *ticket.booked;
    std::vector<TicketResult> results{{"Vt", number(msg::kVto, ticket.vt, msg::kUnitLitre)},
                                      {"FW", number(msg::kFw, b.fw, msg::kUnitLitre)},
                                      {"CTSh", number(msg::kCtsh, b.ctsh, {})},
                                      {"Vgo", number(msg::kVgo, b.vgo, msg::kUnitLitre)},
                                      {"rho20", number(msg::kRho20, q.rho20, msg::kUnitDensity)},
                                      {"VCF20", number(msg::kVcf20, q.vcf20, {})},
                                      {"V20", number(msg::kVgs, q.v20, msg::kUnitLitre)},
                                      {"SW", number(msg::kSw, b.sedimentWater, msg::kUnitPercent)},
                                      {"Vns", number(msg::kVns, b.vns, msg::kUnitLitre)},
                                      {"mass", number(msg::kMass, q.mass, msg::kUnitKg)}};
    if (b.room20.empty() && !b.room.empty()) {
        results.push_back({"room", text(msg::room(b.safeLevel), b.room)});  // above it
    } else if (!b.room.empty()) {
        results.push_back({"room", number(msg::room(b.safeLevel), b.room, msg::kUnitLitre)});
        results.push_back({{}, number(msg::kRoom20, b.room20, msg::kUnitLitre)});
    }
    return results;
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
    if (ticket.booked) {
        addBookedInputs(*ticket.booked, lines);
    }
    lines.push_back({Kind::Heading, std::string(msg::kTicketResults), {}, {}});
    for (TicketResult& result : ticketResults(ticket)) {
        lines.push_back(std::move(result.line));
    }
    if (!ticket.headDensity.empty()) {
        lines.push_back(text(msg::headScaling(ticket.headDensity, ticket.headBasis)));
    }
    lines.push_back(text(ticket.booked ? msg::kBookedBasis : msg::kTicketBasis));
    if (ticket.booked) {
        lines.push_back(text(msg::kBookedBasisCont));
    }
    if (ticket.reading == oil::Reading::Exact) {
        lines.push_back(text(oil::messages::kComputedMayDiffer));
    }
    doc.signatures = {std::string(msg::kTicketGauger), std::string(msg::kTicketChecker)};
    doc.footer = msg::kTicketFooter;
    return doc;
}

}  // namespace quorvel
