// quorvel-table --quantity: the gauging ticket of the window "油量计算" for a dip, printed as
// five "name,value" lines. The options fill the window's own fields, as --quick fills Edit35,
// and the ticket is computed by the same operation as the window's.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app/memory_window.h"
#include "ports/ui_services.h"

namespace quorvel::cli {

struct TableOptions;

struct QuantityOptions {
    std::optional<std::string> level;            // --quantity LEVEL, mm
    std::optional<std::string> oilTemperature;   // --oil-temperature T, °C
    std::optional<std::string> observedDensity;  // --density-observed RHO, kg/m³
    std::optional<std::string> testTemperature;  // --density-temperature T2, °C
    std::optional<std::string> standardDensity;  // --density20 RHO20, kg/m³
    std::optional<int> product;                  // --product: the entry of the product group list
    std::optional<bool> formula;  // --reading: formula, else as the printed tables read
    // The booked quantity (GB/T 19779): any of them prints the whole chain.
    std::optional<std::string> waterLevel;          // --water-level MM
    std::optional<std::string> shellTemperature;    // --shell-temperature T, °C
    std::optional<std::string> ambientTemperature;  // --ambient-temperature TA, °C
    bool insulated = false;                         // --insulated
    std::optional<std::string> shellExpansion;      // --shell-expansion ALPHA, per °C
    std::optional<std::string> tableTemperature;    // --table-temperature TC, °C
    std::optional<std::string> sedimentWater;       // --sediment-water PCT
    std::optional<std::string> safeLevel;           // --safe-level MM

    // Whether an option of the booked quantity was given.
    bool booked() const {
        return waterLevel || shellTemperature || ambientTemperature || insulated ||
               shellExpansion || tableTemperature || sedimentWater || safeLevel;
    }
};

// --product crude|products|lubricants and --reading table|formula. Throw UsageError for any
// other word.
void recordProduct(QuantityOptions& options, std::string_view value);
void recordReading(QuantityOptions& options, std::string_view value);

// Throws UsageError for an option of the ticket without --quantity, --quantity beside
// another request, a missing temperature or product, or no density or two.
void checkQuantityOptions(const TableOptions& options);

// What --help says of the ticket's output, after the options.
std::string quantityUsage();

// Fills the fields of the window "油量计算" from the options and prints the ticket's results
// as "name,value" lines on `out` (output/ticket_document.h: ticketResults), Vt by `method`.
// False when it stopped (its message shown).
bool runQuantity(const TableOptions& options, app::MemoryWindow& window, UiServices& ui,
                 Method method, std::ostream& out);

}  // namespace quorvel::cli
