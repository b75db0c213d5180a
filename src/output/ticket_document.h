// The gauging ticket (计量单) of the window "油量计算" as a document: every input as typed and
// every result as printed, laid out as the lines of its workbook and its page
// (output/ticket_workbook.h, output/ticket_paper.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "oil/oil.h"
#include "output/ticket_workbook.h"
#include "tank/method.h"

namespace quorvel {

// The booked quantity's part of a ticket (GB/T 19779: oil/booked_quantity.h), present when
// any of its inputs was used: the inputs as typed, the results as printed.
struct BookedChain {
    std::string waterLevel;              // mm, empty without water
    std::string shellTemperature;        // °C, typed; empty when formed or not given
    std::string ambientTemperature;      // °C, as typed
    bool insulated = false;              // 保温罐: TSh is the oil's temperature
    std::string formedShellTemperature;  // TSh formed from the oil and the air (0.1 °C)
    std::string material;                // the shell material's entry
    std::string expansion;               // α, per °C
    bool expansionTyped = false;         // α typed for a material not in the list
    std::string tableTemperature;        // °C, the table's reference temperature
    std::string sedimentWater;           // SW, %, 2 decimals
    std::string safeLevel;               // mm, empty without one
    std::string fw, ctsh, vgo, vns;      // L, 5 decimals, L, L
    // V(safe level) − Vto and its V20 (L), or kAboveSafeLevel; empty without a safe level.
    std::string room, room20;

    // Whether a shell temperature was given (typed, or formed from TL and Ta).
    bool shellCorrected() const {
        return !shellTemperature.empty() || !formedShellTemperature.empty();
    }
};

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
    // An upright tank with a head-correction basis: the oil's density at its temperature the
    // correction is scaled to and the basis (kg/m³, as printed); empty otherwise.
    std::string headDensity;
    std::string headBasis;
    std::string vt;                   // L, two decimals
    oil::DepotQuantityText quantity;  // ρ20, VCF20, V20 and the mass
    // With the booked quantity: V20 is Vgs (from Vgo, not Vt) and the mass is formed from Vns.
    std::optional<BookedChain> booked;
    // The expanded uncertainties (k = 2) of Vt, V20 and the mass, two decimals, when the dialog
    // 不确定度… asks for U; empty otherwise.
    std::string uVt, uV20, uMass;
    // The register's tank file the window's tank was opened from or saved to ("罐库"); empty
    // when none is open, and the ticket then has no line for it.
    std::string registerTank;
};

// One result of a ticket in the order the ticket lists them: its line, and its name in
// quorvel-table --quantity's output ("Vt", "FW" …; empty for a line not printed there).
// Without the booked quantity: Vt, rho20, VCF20, V20 and mass; with it: Vt, FW, CTSh, Vgo,
// rho20, VCF20, V20, SW, Vns, mass and, with a safe level, room (and its V20 on the ticket);
// then, with U, U_Vt, U_V20 and U_mass.
struct TicketResult {
    std::string_view name;
    DocumentLine line;
};
std::vector<TicketResult> ticketResults(const OilTicket& ticket);

// The ticket as a document: the time, the tank's identity and description, the method, the inputs,
// the results, the basis of the computation — computed at the exact inputs, with the note that the
// last place may differ from the printed table by one unit — and lines to sign.
TicketDocument ticketDocument(const OilTicket& ticket);

}  // namespace quorvel
