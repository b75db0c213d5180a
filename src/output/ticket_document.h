// The gauging ticket (计量单) of the window "油量计算" as a document: every input as typed and
// every result as printed, laid out as the lines of its workbook and its page
// (output/ticket_workbook.h, output/ticket_paper.h).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "oil/oil.h"
#include "output/ticket_workbook.h"
#include "tank/method.h"

namespace quorvel {

// One gauging ticket (计量单): every input as typed and every result as printed.
struct OilTicket {
    std::string time;         // when it was computed, "2026-12-09 14:30:05"
    std::string gaugingTime;  // when the tank was gauged, as typed; else `time`
    // The table identity's fields that name the tank and its capacity table (罐号, 所属单位,
    // 所在地点, 证书编号), those filled in: caption and value.
    std::vector<std::pair<std::string, std::string>> identity;
    std::string tank;  // the tank's description, lines joined by CR LF
    std::string tilt;  // a tilted tank's α, β, F and low end; empty otherwise
    Method method = Method::Classic;
    std::string level;  // mm
    // With a dip read from the top: the ullage and the reference height it was read below
    // (mm, as typed); the level is then the one they give. Empty for a level typed.
    std::string ullage;
    std::string referenceHeight;
    oil::Group group = oil::Group::Products;
    std::string product;          // the product's name, as typed (may be empty)
    bool observed = true;         // a hydrometer reading ρ′ at the test temperature, else ρ20
    std::string oilTemperature;   // °C
    std::string density;          // ρ′, or ρ20, as typed in `densityUnit`
    std::string densityUnit;      // "kg/m³" or "g/cm³"
    std::string testTemperature;  // °C, with ρ′
    oil::Reading reading = oil::Reading::PrintedTable;
    std::string vt;                   // L, two decimals
    oil::DepotQuantityText quantity;  // ρ20, VCF20, V20 and the mass
    // The register's tank file the window's tank was opened from or saved to ("罐库"); empty
    // when none is open, and the ticket then has no line for it.
    std::string registerTank;
};

// The ticket as a document: the time, the tank's identity and description, the method, the inputs,
// the results, the basis of the computation — computed at the exact inputs, with the note that the
// last place may differ from the printed table by one unit — and lines to sign.
TicketDocument ticketDocument(const OilTicket& ticket);

}  // namespace quorvel
