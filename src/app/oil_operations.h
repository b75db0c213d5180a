// The standard volume and mass of a tank's contents from a dip, for the window "油量计算" and
// quorvel-table --quantity. The dip goes through the quick calculation's core to the volume
// Vt at the oil's temperature (litres, two decimals, as the quick calculation shows it); the
// oil library then gives the standard density ρ20 (table 59, from a glass hydrometer's
// reading and its test temperature) or takes ρ20 as typed, the factor VCF20 (table 60), the
// standard volume V20 = Vt × VCF20 and the mass in air m = V20 × (ρ20 − 1.1 kg/m³), each as a
// depot's note prints it, from the printed Vt, ρ20 and VCF20 (oil/oil.h: GB/T 1885-1998,
// GB/T 19779). Every stop and error is shown here.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/window_form.h"
#include "form/field_source.h"
#include "oil/oil.h"
#include "output/page_layout.h"
#include "output/ticket_document.h"
#include "ports/ui_services.h"
#include "tank/method.h"

namespace quorvel::app {

// The local time as a ticket states it ("2026-12-09 14:30:05"); the tests use a fixed one.
using TicketClock = std::function<std::string()>;
std::string localTimeText();

// Reads the dip as the quick calculation reads its level (the tank's stops first, then the
// dip and the corrections: "呵呵，数据还没输完呢！"), then the product group, the oil
// temperature and the density fields of the density chosen, each with its stop when missing,
// and computes the ticket by `method` and the reading chosen. A dip above the tank's height
// or outside its calibration points, a volume below zero, a text that is not a number and an
// input outside the tables' range are shown with their message. With an ullage (OilEdit6),
// the dip is the reference height (Edit48) less it (levelFromUllage), written into the dip
// field first as the quick calculation writes the level an ullage gives; nothing else is
// written to the form.
std::optional<OilTicket> oilTicket(FieldSource& form, UiServices& ui, Method method,
                                   const TicketClock& clock = localTimeText);

// The window "油量计算" over the main window's form, whose controls it shares.
class OilQuantity {
  public:
    OilQuantity(WindowForm& form, UiServices& ui, TicketClock clock = localTimeText)
        : form_(form), ui_(ui), clock_(std::move(clock)) {}

    // The window was opened: a choice never made shows its default (the hydrometer reading,
    // kg/m³, the printed tables), and only the density fields of the density chosen can be
    // edited, α only for a shell material not in the list.
    void opened();
    // "计算": the five results shown (with the booked quantity also FW, CTSh, Vgo, Vns and the
    // room) and the ticket held for saving, Vt by the method chosen in the main window
    // (ComboBox5); false when the press stopped (the results are then empty).
    bool calculate();
    // The dip typed as a level: the ullage, if any, is emptied, as in the main window.
    void levelTyped();
    // Any control changed: a change of an input of the ticket (the calibration grid, the
    // shell pages, any stored control but the quick result) clears the results and the
    // ticket.
    void inputChanged(std::string_view control);
    // "保存计量单…": the ticket held is written as a workbook under a name the user chooses,
    // then opened; the line below the results says where it went. The path written, or empty
    // when there was no ticket, the user cancelled or the save failed (its box shown).
    std::string saveTicket();
    // "PDF…": the ticket held, on paper as the issued tables are (output/ticket_paper.h),
    // written as a PDF under a name the user chooses, then opened, as above.
    std::string saveTicketPdf();
    // "打印…": the ticket held as a paper document for the printer; nullopt without one.
    std::optional<paper::Document> ticketPaper() const;
    // The results, the line below them and the ticket are cleared.
    void clear();
    // The register's tank file the window's tank came from, named on its tickets; empty: none.
    void setRegisterTank(std::string file) { registerTank_ = std::move(file); }

    const std::optional<OilTicket>& ticket() const { return ticket_; }

  private:
    void enableDensityFields();
    void enableTicketButtons(bool on);
    // Where a ticket went, or why it did not: the line below the results and the main
    // window's status bar.
    void say(const std::string& text);
    // Asks for a file of `suffix` (proposed from the ticket's time), writes it by `write` and
    // opens it; the line below the results says where it went.
    std::string saveTicketFile(const char* suffix,
                               const std::function<void(const std::string&)>& write);

    WindowForm& form_;
    UiServices& ui_;
    TicketClock clock_;
    std::optional<OilTicket> ticket_;
    std::string registerTank_;
};

}  // namespace quorvel::app
