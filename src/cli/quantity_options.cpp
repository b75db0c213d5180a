#include "cli/quantity_options.h"

#include <array>

#include "app/oil_operations.h"
#include "cli/table_options.h"
#include "form/oil_fields.h"

namespace quorvel::cli {
namespace {

// The words of --product in the order of the product group list (the tables' A, B, D).
constexpr std::array<std::string_view, 3> kProducts{"crude", "products", "lubricants"};

}  // namespace

void recordProduct(QuantityOptions& options, std::string_view value) {
    for (std::size_t i = 0; i < kProducts.size(); ++i) {
        if (kProducts[i] == value) {
            options.product = static_cast<int>(i);
            return;
        }
    }
    throw UsageError("unknown product \"" + std::string(value) +
                     "\" (crude, products or lubricants)");
}

void recordReading(QuantityOptions& options, std::string_view value) {
    if (value != "table" && value != "formula") {
        throw UsageError("unknown reading \"" + std::string(value) + "\" (table or formula)");
    }
    options.formula = value == "formula";
}

void checkQuantityOptions(const TableOptions& o) {
    const QuantityOptions& q = o.quantity;
    if (!q.level) {
        if (q.oilTemperature || q.observedDensity || q.testTemperature || q.standardDensity ||
            q.product || q.formula) {
            throw UsageError(
                "--oil-temperature, --density-observed, --density-temperature, --density20, "
                "--product and --reading belong to --quantity");
        }
        return;
    }
    if (o.quickLevel || o.csv || o.workbookFile || o.pdfFile || o.compare || o.curvePoints ||
        o.volumeLitres || o.weightKg) {
        throw UsageError(
            "--quantity gives one ticket: drop --quick, --csv, --out, --pdf, --compare, --curve, "
            "--volume and --weight");
    }
    if (q.level->empty() == !o.ullage.has_value()) {
        throw UsageError(o.ullage ? "--quantity LEVEL and --ullage MM both give the dip: give one"
                                  : "--quantity needs a LEVEL, or --ullage MM");
    }
    if (!q.oilTemperature) {
        throw UsageError("--quantity needs --oil-temperature T");
    }
    if (!q.product) {
        throw UsageError("--quantity needs --product crude|products|lubricants");
    }
    if (q.observedDensity.has_value() != q.testTemperature.has_value()) {
        throw UsageError("--density-observed and --density-temperature go together");
    }
    if (q.observedDensity.has_value() == q.standardDensity.has_value()) {
        throw UsageError(
            "--quantity needs one density: --density-observed RHO --density-temperature T2, "
            "or --density20 RHO20");
    }
}

std::string_view quantityUsage() {
    return "The ticket (--quantity) is the window's 油量计算: the volume Vt at the dip, as "
           "--quick\n"
           "gives it, then the standard density rho20 (GB/T 1885 table 59 from a hydrometer\n"
           "reading, or --density20 as given), the factor VCF20 (table 60), V20 = Vt x VCF20 and\n"
           "the mass in air m = V20 x (rho20 - 1.1)/1000, formed from the printed rho20 and VCF20\n"
           "as a depot does. It prints exactly five lines:\n"
           "  Vt,<litres, 2 decimals>\n"
           "  rho20,<kg/m3, 1 decimal>\n"
           "  VCF20,<4 decimals>\n"
           "  V20,<litres, 2 decimals>\n"
           "  mass,<kg, 2 decimals>\n"
           "A dip above the tank or outside its calibration points, and an input outside the\n"
           "tables' range, give a message and exit status 1.\n";
}

bool runQuantity(const TableOptions& options, app::MemoryWindow& window, UiServices& ui,
                 Method method, std::ostream& out) {
    const QuantityOptions& q = options.quantity;
    MemoryForm& form = window.form();
    if (options.ullage) {
        form.setText(kOilUllageField, *options.ullage);  // below the reference height Edit48
    } else {
        form.setText(kOilLevelField, *q.level);
    }
    form.setText(kOilTemperatureField, *q.oilTemperature);
    if (q.standardDensity) {
        form.setChecked(kStandardDensityChoice, true);
        form.setText(kStandardDensityField, *q.standardDensity);
    } else {
        form.setChecked(kObservedDensityChoice, true);
        form.setText(kObservedDensityField, *q.observedDensity);
        form.setText(kTestTemperatureField, *q.testTemperature);
    }
    form.setItemIndex(kProductGroupList, *q.product);
    form.setChecked(q.formula.value_or(false) ? kFormulaChoice : kPrintedTableChoice, true);
    const std::optional<app::OilTicket> ticket = app::oilTicket(window, ui, method);
    if (!ticket) {
        return false;
    }
    out << "Vt," << ticket->vt << "\nrho20," << ticket->quantity.rho20 << "\nVCF20,"
        << ticket->quantity.vcf20 << "\nV20," << ticket->quantity.v20 << "\nmass,"
        << ticket->quantity.mass << '\n';
    return out.good();
}

}  // namespace quorvel::cli
