#include "cli/quantity_options.h"

#include <array>

#include "app/oil_operations.h"
#include "cli/cli_messages.h"
#include "cli/table_options.h"
#include "form/oil_fields.h"

namespace quorvel::cli {
namespace {

namespace msg = cli_messages;

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
    throw UsageError(msg::unknownProduct(value));
}

void recordReading(QuantityOptions& options, std::string_view value) {
    if (value != "table" && value != "formula") {
        throw UsageError(msg::unknownReading(value));
    }
    options.formula = value == "formula";
}

void checkQuantityOptions(const TableOptions& o) {
    const QuantityOptions& q = o.quantity;
    if (!q.level) {
        if (q.oilTemperature || q.observedDensity || q.testTemperature || q.standardDensity ||
            q.product || q.formula) {
            throw UsageError(std::string(msg::kTicketOptionsAlone));
        }
        return;
    }
    if (o.quickLevel || o.csv || o.workbookFile || o.pdfFile || o.compare || o.curvePoints ||
        o.volumeLitres || o.weightKg) {
        throw UsageError(std::string(msg::kOneTicket));
    }
    if (q.level->empty() == !o.ullage.has_value()) {
        throw UsageError(std::string(o.ullage ? msg::kTwoDips : msg::kNoDip));
    }
    if (!q.oilTemperature) {
        throw UsageError(std::string(msg::kNoOilTemperature));
    }
    if (!q.product) {
        throw UsageError(std::string(msg::kNoProduct));
    }
    if (q.observedDensity.has_value() != q.testTemperature.has_value()) {
        throw UsageError(std::string(msg::kObservedPair));
    }
    if (q.observedDensity.has_value() == q.standardDensity.has_value()) {
        throw UsageError(std::string(msg::kOneDensity));
    }
}

std::string_view quantityUsage() {
    return msg::kUsageTicket;
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
    const std::optional<OilTicket> ticket = app::oilTicket(window, ui, method);
    if (!ticket) {
        return false;
    }
    out << "Vt," << ticket->vt << "\nrho20," << ticket->quantity.rho20 << "\nVCF20,"
        << ticket->quantity.vcf20 << "\nV20," << ticket->quantity.v20 << "\nmass,"
        << ticket->quantity.mass << '\n';
    return out.good();
}

}  // namespace quorvel::cli
