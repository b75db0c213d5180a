#include "cli/quantity_options.h"

#include <array>

#include "app/oil_operations.h"
#include "cli/cli_messages.h"
#include "cli/option_table.h"
#include "cli/table_options.h"
#include "form/booked_fields.h"
#include "form/oil_fields.h"

namespace quorvel::cli {
namespace {

namespace msg = cli_messages;

// The words of --product in the order of the product group list (the tables' A, B, D).
constexpr std::array<std::string_view, 3> kProducts{"crude", "products", "lubricants"};

// The booked quantity's fields of "油量计算", those given.
void fillBookedFields(const QuantityOptions& q, MemoryForm& form) {
    const std::pair<const std::optional<std::string>*, std::string_view> fields[] = {
        {&q.waterLevel, kWaterLevelField},
        {&q.shellTemperature, kShellTemperatureField},
        {&q.ambientTemperature, kAmbientTemperatureField},
        {&q.shellExpansion, kShellExpansionField},
        {&q.tableTemperature, kTableTemperatureField},
        {&q.sedimentWater, kSedimentWaterField},
        {&q.safeLevel, kSafeLevelField}};
    for (const auto& [value, field] : fields) {
        if (*value) {
            form.setText(field, **value);
        }
    }
    if (q.insulated) {
        form.setChecked(kInsulatedSwitch, true);
    }
    if (q.shellExpansion) {
        form.setItemIndex(kShellMaterialList, kTypedMaterial);
    }
}

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
        if (q.booked()) {
            throw UsageError(std::string(msg::kBookedOptionsAlone));
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
    if (q.shellTemperature && (q.ambientTemperature || q.insulated)) {
        throw UsageError(std::string(msg::kOneShellTemperature));
    }
}

std::string quantityUsage() {
    std::string text(msg::kUsageTicket);
    text += msg::kUsageBooked;
    return text;
}

std::span<const OptionSpec> bookedOptions() {
    using O = TableOptions;
    using V = std::string_view;
    static const std::array<OptionSpec, 8> options{{
        {"--water-level", "MM",
         "with --quantity, the water dip (水高) from the same zero as the dip: its volume FW is\n"
         "taken off before the tables",
         [](O& o, V v) { o.quantity.waterLevel = std::string(v); }},
        {"--shell-temperature", "T",
         "the shell's temperature TSh, °C: the shell correction CTSh is then formed",
         [](O& o, V v) { o.quantity.shellTemperature = std::string(v); }},
        {"--ambient-temperature", "TA",
         "instead, the air's temperature: TSh = (7 x oil temperature + TA)/8",
         [](O& o, V v) { o.quantity.ambientTemperature = std::string(v); }},
        {"--insulated", "", "an insulated tank (保温罐): TSh = the oil's temperature",
         [](O& o, V) { o.quantity.insulated = true; }},
        {"--shell-expansion", "ALPHA",
         "the shell's linear expansion coefficient, per °C (default mild carbon steel,\n"
         "0.00001116)",
         [](O& o, V v) { o.quantity.shellExpansion = std::string(v); }},
        {"--table-temperature", "TC", "the temperature the capacity table refers to (default 20)",
         [](O& o, V v) { o.quantity.tableTemperature = std::string(v); }},
        {"--sediment-water", "PCT", "sediment and water SW, % of volume (default 0)",
         [](O& o, V v) { o.quantity.sedimentWater = std::string(v); }},
        {"--safe-level", "MM", "the safe filling height (安全高度): the room to it is printed",
         [](O& o, V v) { o.quantity.safeLevel = std::string(v); }},
    }};
    return options;
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
    fillBookedFields(q, form);
    const std::optional<OilTicket> ticket = app::oilTicket(window, ui, method);
    if (!ticket) {
        return false;
    }
    for (const TicketResult& result : ticketResults(*ticket)) {
        if (!result.name.empty()) {
            out << result.name << ',' << result.line.value << '\n';
        }
    }
    return out.good();
}

}  // namespace quorvel::cli
