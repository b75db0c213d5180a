#include "app/booked_quantity.h"

#include "app/app_messages.h"
#include "form/booked_fields.h"
#include "oil/booked_quantity.h"
#include "output/output_messages.h"
#include "tank/shell_correction.h"
#include "text/blank.h"
#include "text/decimal_text.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "text/printed_number.h"
#include "units/units.h"

namespace quorvel::app {
namespace {

namespace msg = app_messages;

// The table's reference temperature when none is typed, °C.
constexpr std::string_view kDefaultTableTemperature = "20";

// The inputs' texts as typed, blank ones empty.
std::string typed(const FieldSource& form, std::string_view control) {
    std::string text = form.text(control);
    return isBlankText(text) ? std::string() : text;
}

// The volume of the tank at `level` (mm) as the quick calculation shows it, L.
PrintedNumber litresAt(const QuickRequest& request, Method method, double level) {
    QuickRequest at = request;
    at.level = request.config.limitToTank(level);
    at.askedLevel = level;
    return printedTwoDecimals(units::litres(quickTotal(at, method)));
}

// Why `level` (a water dip or a safe level, named `what`) gives no volume: below 0, above the
// tank's height or outside its calibration points.
std::optional<std::string> levelRefusal(const TankConfig& config, std::string_view what,
                                        double level) {
    if (level < 0) {
        return msg::bookedLevelBelowZero(what, formatLevel(level));
    }
    switch (config.extentOf(level)) {
        case LevelExtent::AboveTank:
            return msg::bookedLevelAboveTank(what, formatLevel(level),
                                             formatLevel(config.height()));
        case LevelExtent::OutsidePoints: {
            const LevelRange span = config.calibratedSpan();
            return msg::bookedLevelBeyondPoints(what, formatLevel(level), formatLevel(span.from),
                                                formatLevel(span.to));
        }
        case LevelExtent::Within:
            break;
    }
    return std::nullopt;
}

// α of the material chosen (none chosen: the first), or as typed.
Outcome<double> shellExpansion(const FieldSource& form, BookedChain& chain) {
    const int chosen = std::max(0, form.itemIndex(kShellMaterialList));
    const ShellMaterial& material =
        kShellMaterials[static_cast<std::size_t>(std::min(chosen, kTypedMaterial))];
    chain.material = material.entry;
    if (chosen < kTypedMaterial) {
        chain.expansion = formatShortest(material.alphaPerC);
        return material.alphaPerC;
    }
    chain.expansion = typed(form, kShellExpansionField);
    chain.expansionTyped = true;
    if (chain.expansion.empty()) {
        return messageStop(std::string(msg::kExpansionMissing));
    }
    const std::optional<double> alpha = parseGeneralNumber(chain.expansion);
    if (!alpha) {
        throw ConversionError(chain.expansion);
    }
    return *alpha;
}

}  // namespace

bool bookedQuantityUsed(const FieldSource& form) {
    for (const ControlInfo& control : bookedQuantityControls()) {
        switch (control.kind) {
            case ControlKind::Edit:
                if (!isBlankText(form.text(control.name))) {
                    return true;
                }
                break;
            case ControlKind::CheckBox:
            case ControlKind::RadioButton:
                if (form.checked(control.name)) {
                    return true;
                }
                break;
            case ControlKind::List:
                if (form.itemIndex(control.name) > 0) {
                    return true;
                }
                break;
        }
    }
    return false;
}

Outcome<BookedStart> startBookedQuantity(const FieldSource& form, const QuickRequest& request,
                                         Method method, double vt,
                                         const std::string& oilTemperature) {
    BookedStart start;
    BookedChain& chain = start.chain;
    const TankConfig& config = request.config;

    // The free water at the water dip, from the same zero as the dip.
    double fw = 0;
    chain.waterLevel = typed(form, kWaterLevelField);
    if (!chain.waterLevel.empty()) {
        const double water = textToNumber(chain.waterLevel);
        if (auto refusal = levelRefusal(config, msg::kWaterLevelName, water)) {
            return messageStop(std::move(*refusal));
        }
        if (water > request.askedLevel) {
            return messageStop(
                msg::waterAboveDip(formatLevel(water), formatLevel(request.askedLevel)));
        }
        fw = litresAt(request, method, water).value;
    }
    chain.fw = formatFixed(fw, 2);

    // The shell's temperature: typed, or formed from the oil's and the air's.
    chain.shellTemperature = typed(form, kShellTemperatureField);
    chain.ambientTemperature = typed(form, kAmbientTemperatureField);
    chain.insulated = form.checked(kInsulatedSwitch);
    std::optional<double> shellC;
    if (!chain.shellTemperature.empty()) {
        if (!chain.ambientTemperature.empty() || chain.insulated) {
            return messageStop(std::string(msg::kTwoShellTemperatures));
        }
        shellC = textToNumber(chain.shellTemperature);
    } else if (!chain.ambientTemperature.empty() || chain.insulated) {
        const double ambient = chain.insulated ? 0 : textToNumber(chain.ambientTemperature);
        shellC = oil::shellTemperature(textToNumber(oilTemperature), ambient, chain.insulated);
        chain.formedShellTemperature = chain.insulated ? oilTemperature : formatFixed(*shellC, 1);
    }
    double ctsh = 1;
    if (!shellC && form.itemIndex(kShellMaterialList) == kTypedMaterial &&
        !typed(form, kShellExpansionField).empty()) {
        // A typed α is checked even where no shell temperature uses it.
        if (const Outcome<double> alpha = shellExpansion(form, chain); alpha) {
            oil::checkShellExpansion(*alpha);
        }
    }
    if (shellC) {
        const Outcome<double> alpha = shellExpansion(form, chain);
        if (!alpha) {
            return alpha.stop();
        }
        chain.tableTemperature = typed(form, kTableTemperatureField);
        if (chain.tableTemperature.empty()) {
            chain.tableTemperature = kDefaultTableTemperature;
        }
        const double growth =
            oil::shellGrowth(*alpha, *shellC, textToNumber(chain.tableTemperature));
        ctsh = oil::printedShellCorrection(shellCorrection(config, method, request.level, growth));
    }
    chain.ctsh = formatFixed(ctsh, 5);

    // SW is checked here so that a refusal comes before the tables are read.
    const std::string sw = typed(form, kSedimentWaterField);
    start.sedimentWater = oil::printedSedimentWater(sw.empty() ? 0 : textToNumber(sw));
    chain.sedimentWater = formatFixed(start.sedimentWater, 2);

    chain.safeLevel = typed(form, kSafeLevelField);
    if (!chain.safeLevel.empty()) {
        if (auto refusal =
                levelRefusal(config, msg::kSafeLevelName, textToNumber(chain.safeLevel))) {
            return messageStop(std::move(*refusal));
        }
    }

    start.vgo = oil::volumeTimes(oil::volumeDifference(vt, fw), ctsh);
    chain.vgo = formatFixed(start.vgo, 2);
    return start;
}

void finishBookedQuantity(BookedStart& start, const QuickRequest& request, Method method, double vt,
                          oil::DepotQuantity& quantity) {
    BookedChain& chain = start.chain;
    const oil::NetQuantity net =
        oil::netQuantity(quantity.v20, start.sedimentWater, quantity.rho20);
    chain.vns = formatFixed(net.vns, 2);
    quantity.massKg = net.massKg;
    if (chain.safeLevel.empty()) {
        return;
    }
    const double safe = textToNumber(chain.safeLevel);
    if (request.askedLevel > safe) {
        chain.room = output_messages::kAboveSafeLevel;
        return;
    }
    const double room = oil::volumeDifference(litresAt(request, method, safe).value, vt);
    chain.room = formatFixed(room, 2);
    chain.room20 = formatFixed(oil::volumeTimes(room, quantity.vcf20), 2);
}

}  // namespace quorvel::app
