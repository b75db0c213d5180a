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
};

// --product crude|products|lubricants and --reading table|formula. Throw UsageError for any
// other word.
void recordProduct(QuantityOptions& options, std::string_view value);
void recordReading(QuantityOptions& options, std::string_view value);

// Throws UsageError for an option of the ticket without --quantity, --quantity beside
// another request, a missing temperature or product, or no density or two.
void checkQuantityOptions(const TableOptions& options);

// What --help says of the ticket's output, after the options.
std::string_view quantityUsage();

// Fills the fields of the window "油量计算" from the options and prints the ticket's Vt,
// rho20, VCF20, V20 and mass lines on `out`, Vt by `method`. False when it stopped (its
// message shown).
bool runQuantity(const TableOptions& options, app::MemoryWindow& window, UiServices& ui,
                 Method method, std::ostream& out);

}  // namespace quorvel::cli
