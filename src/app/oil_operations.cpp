#include "app/oil_operations.h"

#include <algorithm>
#include <ctime>

#include "app/app_messages.h"
#include "app/booked_quantity.h"
#include "app/error_boundary.h"
#include "app/level_operations.h"
#include "app/method_operations.h"
#include "app/table_documents.h"
#include "app/window_rules.h"
#include "form/booked_fields.h"
#include "form/fields.h"
#include "form/oil_fields.h"
#include "form/table_identity.h"
#include "oil/oil_messages.h"
#include "output/output_messages.h"
#include "output/save_choice.h"
#include "output/ticket_paper.h"
#include "tank/quick_calculation.h"
#include "tank/tank_reader.h"
#include "text/blank.h"
#include "text/decimal_text.h"
#include "text/number_format.h"
#include "text/number_text.h"
#include "text/printed_number.h"
#include "uncertainty/ticket_uncertainty.h"
#include "units/units.h"
#include "xlsx/xl_wrappers.h"

namespace quorvel::app {
namespace {

namespace msg = app_messages;

constexpr std::string_view kLineBreak = "\r\n";

// The oil's inputs as typed.
struct OilInputs {
    oil::Group group = oil::Group::Products;
    bool observed = true;
    std::string temperature, density, testTemperature;
    bool gramsPerCm3 = false;  // the density typed in g/cm³, else kg/m³
    oil::Reading reading = oil::Reading::PrintedTable;
};

// A density typed in g/cm³ in kg/m³, as its text with the point moved three places ("0.7186"
// gives "718.6"), so the tables read the value typed, not its product by 1000 in binary.
std::string kilogramsPerCubicMetre(const std::string& gramsPerCm3) {
    textToNumber(gramsPerCm3);  // a text that is no number is named as typed
    std::string digits = gramsPerCm3;
    std::size_t point = digits.find('.');
    if (point == std::string::npos) {
        point = digits.size();
    } else {
        digits.erase(point, 1);
    }
    const bool negative = !digits.empty() && digits.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    point += 3;
    if (digits.size() < point) {
        digits.append(point - digits.size(), '0');
    }
    // One character inserted, not a string: GCC 12 misreads the string insert (-Wrestrict).
    digits.insert(digits.begin() + static_cast<std::ptrdiff_t>(point), '.');
    // No leading zeros before the whole part, no point without a fraction.
    const std::size_t lead = digits.find_first_not_of('0', first);
    digits.erase(first, std::min(lead, point - 1) - first);
    if (digits.back() == '.') {
        digits.pop_back();
    }
    return digits;
}

// The group, the oil temperature and the density fields, in the window's order; an empty
// one stops. The texts are not yet converted.
Outcome<OilInputs> readOilInputs(const FieldSource& form) {
    OilInputs in;
    const int group = form.itemIndex(kProductGroupList);
    if (group < 0) {
        return messageStop(std::string(msg::kOilGroupMissing));
    }
    in.group = static_cast<oil::Group>(group);
    in.temperature = form.text(kOilTemperatureField);
    if (in.temperature.empty()) {
        return messageStop(std::string(msg::kOilTemperatureMissing));
    }
    in.observed = !form.checked(kStandardDensityChoice);
    in.density = form.text(in.observed ? kObservedDensityField : kStandardDensityField);
    if (in.observed) {
        in.testTemperature = form.text(kTestTemperatureField);
    }
    if (in.density.empty() || (in.observed && in.testTemperature.empty())) {
        return messageStop(std::string(msg::kOilDensityMissing));
    }
    in.gramsPerCm3 = form.itemIndex(kOilDensityUnitList) == 1;
    in.reading = form.checked(kFormulaChoice) ? oil::Reading::Exact : oil::Reading::PrintedTable;
    return in;
}

// The tables' ρ20, VCF20, V20 and mass of `volume` litres at the oil's inputs (`t` °C and the
// density typed, kg/m³).
oil::DepotQuantity depotQuantityOf(const OilInputs& in, double volume, double t, double density) {
    return in.observed
               ? oil::depotQuantityFromObserved(in.group, volume, t, density,
                                                textToNumber(in.testTemperature), in.reading)
               : oil::depotQuantity(in.group, volume, t, density, in.reading);
}

// The density the head correction of an upright tank with a basis is scaled to, kg/m³ to
// 0.1, as its text: the oil's density at its own temperature, ρt = ρ20 × VCF20(t) from the
// ticket's printed ρ20 and VCF20 (the mass is the same at t and at 20 °C), since it is the
// oil in the tank at the dip that presses on the shell, not the oil at 20 °C nor the
// hydrometer's sample at its test temperature. Empty for any other tank.
std::string headScalingDensity(const TankConfig& config, const OilInputs& in, double t,
                               double density) {
    if (config.shellKind != ShellKind::Upright || !config.upright.headDensity) {
        return {};
    }
    // The factors do not depend on the volume.
    const oil::DepotQuantity tables = depotQuantityOf(in, 0, t, density);
    return formatFixed(static_cast<double>(static_cast<long double>(tables.rho20) * tables.vcf20),
                       1);
}

// The tank as the ticket describes it: the summary's lines without its heading, or the count
// of calibration points.
std::string tankDescription(const FieldSource& form, const TankConfig& config) {
    if (config.shellKind == ShellKind::Calibrated) {
        return output_messages::calibratedTank(config.calibrationPoints.size());
    }
    const std::string summary = parameterSummary(form, config);
    const auto firstBreak = summary.find(kLineBreak);
    return firstBreak == std::string::npos ? summary
                                           : summary.substr(firstBreak + kLineBreak.size());
}

// A tilted tank's position as typed: α, β, F and the low end, when one is chosen.
std::string tiltDescription(const FieldSource& form, const TankConfig& config) {
    if (config.shellKind != ShellKind::Tilted) {
        return {};
    }
    std::string lowEnd;
    if (form.checked(kLowEndLeftChoice) != form.checked(kLowEndRightChoice)) {
        lowEnd =
            config.rightEndLow() ? output_messages::kLowEndRight : output_messages::kLowEndLeft;
    }
    return output_messages::ticketTilt(form.text(kTiltAlphaField), form.text(kTiltBetaField),
                                       form.text(kGaugeOffsetField), lowEnd);
}

// The identity fields that name the tank on a ticket, those filled in.
std::vector<std::pair<std::string, std::string>> ticketIdentity(const FieldSource& form) {
    const TableIdentity identity = readTableIdentity(form);
    std::vector<std::pair<std::string, std::string>> named;
    for (std::string_view control :
         {kTankNumberField, kOwnerField, kLocationField, kCertificateField}) {
        for (const IdentityField& field : kIdentityFields) {
            if (field.control == control && !identity.value(control).empty()) {
                named.emplace_back(field.caption, identity.value(control));
            }
        }
    }
    return named;
}

// Why the dip gives no quantity: above the tank's height or outside the calibration points.
std::optional<std::string> dipRefusal(const TankConfig& config, double dip) {
    switch (config.extentOf(dip)) {
        case LevelExtent::AboveTank:
            return msg::dipAboveTank(formatLevel(dip), formatLevel(config.height()));
        case LevelExtent::OutsidePoints: {
            const LevelRange span = config.calibratedSpan();
            return msg::dipBeyondPoints(formatLevel(dip), formatLevel(span.from),
                                        formatLevel(span.to));
        }
        case LevelExtent::Within:
            break;
    }
    return std::nullopt;
}

// "计量单_T-101_20261209_143005": the title, the tank number when there is one, and the
// time's digits.
std::string proposedTicketName(const OilTicket& ticket) {
    std::string name(output_messages::kTicketTitle);
    for (const auto& [caption, value] : ticket.identity) {
        if (caption == kIdentityFields[0].caption) {  // 罐号
            name.append("_").append(fileNamePart(value));
        }
    }
    std::string stamp = "_";
    for (char c : ticket.time) {
        if (c == ' ') {
            stamp += '_';
        } else if (c >= '0' && c <= '9') {
            stamp += c;
        }
    }
    // A long tank number gives way so the name, its time and suffix fit the file system.
    constexpr std::size_t kSuffixRoom = 5;  // ".xlsx"
    const std::size_t room =
        kLongestFileName - std::min(kLongestFileName, stamp.size() + kSuffixRoom);
    return cutToBytes(std::move(name), room) + stamp;
}

}  // namespace

std::string localTimeText() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

std::optional<OilTicket> oilTicket(FieldSource& form, UiServices& ui, Method method,
                                   const TicketClock& clock) {
    return guarded(ui, [&]() -> std::optional<OilTicket> {
        OilTicket ticket;
        std::optional<PrintedNumber> fromTop;  // the dip an ullage gives
        if (!isBlankText(form.text(kOilUllageField))) {
            fromTop = levelFromUllage(form, ui, kOilUllageField);
            if (!fromTop) {
                return std::nullopt;
            }
            form.setText(kOilLevelField, fromTop->text);
            ticket.ullage = form.text(kOilUllageField);
            ticket.referenceHeight = form.text(kReferenceHeightField);
        }
        std::optional<QuickRequest> request = shownOutcome(
            ui, readQuickRequest(form, kOilLevelField,
                                 fromTop ? std::optional(fromTop->value) : std::nullopt));
        if (!request) {
            return std::nullopt;
        }
        const std::optional<OilInputs> in = shownOutcome(ui, readOilInputs(form));
        if (!in) {
            return std::nullopt;
        }
        ticket.level = form.text(kOilLevelField);
        const double dip = fromTop ? fromTop->value : textToNumber(ticket.level);
        if (auto refusal = dipRefusal(request->config, dip)) {
            ui.showMessage(*refusal);
            return std::nullopt;
        }
        const double t = textToNumber(in->temperature);
        const double density =
            textToNumber(in->gramsPerCm3 ? kilogramsPerCubicMetre(in->density) : in->density);
        // An upright tank's head correction at the oil's density: Vt, FW and the room all
        // read the tank through this request.
        ticket.headDensity = headScalingDensity(request->config, *in, t, density);
        if (!ticket.headDensity.empty()) {
            request->config.upright.liquidDensity = textToNumber(ticket.headDensity);
            ticket.headBasis = formatLevel(*request->config.upright.headDensity);
        }
        // Vt as the quick calculation shows it; the ticket's products start from that number.
        const PrintedNumber printedVt =
            printedTwoDecimals(units::litres(quickTotal(*request, method)));
        ticket.vt = printedVt.text;
        const double vt = printedVt.value;
        if (vt < 0) {
            ui.showMessage(msg::volumeBelowZero(ticket.vt));
            return std::nullopt;
        }
        // With the booked quantity the tables turn Vgo, not Vt, into V20.
        std::optional<BookedStart> booked;
        if (bookedQuantityUsed(form)) {
            booked =
                shownOutcome(ui, startBookedQuantity(form, *request, method, vt, in->temperature));
            if (!booked) {
                return std::nullopt;
            }
        }
        oil::DepotQuantity quantity = depotQuantityOf(*in, booked ? booked->vgo : vt, t, density);
        if (booked) {
            finishBookedQuantity(*booked, *request, method, vt, quantity);
            ticket.booked = std::move(booked->chain);
        }
        ticket.quantity = oil::toText(quantity);
        ticket.identity = ticketIdentity(form);
        ticket.tank = tankDescription(form, request->config);
        ticket.tilt = tiltDescription(form, request->config);
        ticket.method = method;
        ticket.group = in->group;
        ticket.product = form.text(kProductNameField);
        ticket.observed = in->observed;
        ticket.oilTemperature = in->temperature;
        ticket.density = in->density;
        ticket.densityUnit =
            in->gramsPerCm3 ? output_messages::kUnitGramsPerCm3 : output_messages::kUnitDensity;
        ticket.testTemperature = in->testTemperature;
        ticket.reading = in->reading;
        const std::optional<uncertainty::UncertaintyRequest> u =
            shownOutcome(ui, uncertainty::readUncertaintyRequest(form));
        if (!u) {
            return std::nullopt;
        }
        if (u->shown) {
            uncertainty::TicketChain chain;
            chain.group = in->group;
            chain.dip = dip;
            chain.temperature = t;
            chain.density = density;
            if (in->observed) {
                chain.testTemperature = textToNumber(in->testTemperature);
            }
            if (const BookedChain* b = ticket.booked ? &*ticket.booked : nullptr) {
                if (!b->waterLevel.empty()) {
                    chain.waterLevel = textToNumber(b->waterLevel);
                }
                chain.ctsh = b->ctsh.empty() ? 1 : textToNumber(b->ctsh);
                chain.sedimentWaterPercent =
                    b->sedimentWater.empty() ? 0 : textToNumber(b->sedimentWater);
            }
            const uncertainty::TicketU tu =
                uncertainty::ticketUncertainty(request->config, method, u->inputs, chain);
            ticket.uVt = FormatTwoDecimals(tu.vt);
            ticket.uV20 = FormatTwoDecimals(tu.v20);
            ticket.uMass = FormatTwoDecimals(tu.mass);
        }
        ticket.time = clock();
        const std::string gauged = form.text(kGaugingTimeField);
        ticket.gaugingTime = isBlankText(gauged) ? ticket.time : gauged;
        return ticket;
    });
}

void OilQuantity::opened() {
    if (!form_.checked(kObservedDensityChoice) && !form_.checked(kStandardDensityChoice)) {
        form_.setChecked(kObservedDensityChoice, true);
    }
    if (!form_.checked(kPrintedTableChoice) && !form_.checked(kFormulaChoice)) {
        form_.setChecked(kPrintedTableChoice, true);
    }
    if (form_.itemIndex(kOilDensityUnitList) < 0) {
        form_.setItemIndex(kOilDensityUnitList, 0);  // kg/m³, as the tables print it
    }
    enableDensityFields();
    enableTicketButtons(ticket_.has_value());
}

void OilQuantity::enableTicketButtons(bool on) {
    for (std::string_view button : {kOilSaveButton, kOilPdfButton, kOilPrintButton}) {
        form_.setEnabled(button, on);
    }
}

void OilQuantity::enableDensityFields() {
    const bool observed = !form_.checked(kStandardDensityChoice);
    form_.setEnabled(kObservedDensityField, observed);
    form_.setEnabled(kTestTemperatureField, observed);
    form_.setEnabled(kStandardDensityField, !observed);
    // α is typed only for a material not in the list.
    form_.setEnabled(kShellExpansionField, form_.itemIndex(kShellMaterialList) == kTypedMaterial);
}

bool OilQuantity::calculate() {
    clear();
    ticket_ = oilTicket(form_, ui_, chosenMethod(form_), clock_);
    if (!ticket_) {
        return false;
    }
    ticket_->registerTank = registerTank_;
    form_.setLabel(kOilVtLabel, ticket_->vt);
    form_.setLabel(kOilRho20Label, ticket_->quantity.rho20);
    form_.setLabel(kOilVcf20Label, ticket_->quantity.vcf20);
    form_.setLabel(kOilV20Label, ticket_->quantity.v20);
    form_.setLabel(kOilMassLabel, ticket_->quantity.mass);
    if (const auto& booked = ticket_->booked) {
        form_.setLabel(kOilFwLabel, booked->fw);
        form_.setLabel(kOilCtshLabel, booked->ctsh);
        form_.setLabel(kOilVgoLabel, booked->vgo);
        form_.setLabel(kOilVnsLabel, booked->vns);
        form_.setLabel(kOilRoomLabel, booked->room);
    }
    enableTicketButtons(true);
    return true;
}

void OilQuantity::levelTyped() {
    if (!form_.text(kOilUllageField).empty()) {
        form_.setText(kOilUllageField, "");
    }
}

void OilQuantity::inputChanged(std::string_view control) {
    if (control == kObservedDensityChoice || control == kStandardDensityChoice ||
        control == kShellMaterialList) {
        enableDensityFields();
    }
    // The ticket names the tank as the table identity does, so it follows those fields too.
    if ((effectsOf(control) & kOilTicket) != 0) {
        clear();
    }
}

void OilQuantity::clear() {
    ticket_.reset();
    for (std::string_view label :
         {kOilVtLabel, kOilRho20Label, kOilVcf20Label, kOilV20Label, kOilMassLabel, kOilStatusLabel,
          kOilFwLabel, kOilCtshLabel, kOilVgoLabel, kOilVnsLabel, kOilRoomLabel}) {
        form_.setLabel(label, "");
    }
    enableTicketButtons(false);
}

std::string OilQuantity::saveTicket() {
    return saveTicketFile(kWorkbookSuffix, [this](const std::string& path) {
        saveTicketWorkbook(ticketDocument(*ticket_), path);
    });
}

std::string OilQuantity::saveTicketPdf() {
    return saveTicketFile(kPdfSuffix, [this](const std::string& path) {
        writeTicketPdf(ticketDocument(*ticket_), path);
    });
}

std::optional<paper::Document> OilQuantity::ticketPaper() const {
    if (!ticket_) {
        return std::nullopt;
    }
    return ticketPaperDocument(ticketDocument(*ticket_));
}

std::string OilQuantity::saveTicketFile(const char* suffix,
                                        const std::function<void(const std::string&)>& write) {
    if (!ticket_) {
        return {};
    }
    const std::string filter = std::string("*.") + suffix;
    const std::optional<std::string> chosen =
        askFileToWrite(ui_, {proposedTicketName(*ticket_), suffix, filter},
                       [suffix](const std::string& name) { return withSuffix(name, suffix); });
    if (!chosen) {
        return {};
    }
    const std::string& path = *chosen;
    const std::optional<bool> saved = guarded(ui_, [&]() -> std::optional<bool> {
        try {
            write(path);
        } catch (const ExceptionXL& e) {
            // The workbook library's reason names the path and the system's reason.
            ui_.showError(msg::ticketNotSaved(e.what()));
            say(msg::ticketNotSaved(e.what()));
            return false;
        }
        return true;
    });
    if (!saved.value_or(false)) {
        if (!saved) {
            say(msg::ticketNotSaved({}));
        }
        return {};
    }
    const OpenOutcome opened = ui_.openDocument(path);
    std::string dotted(".");
    dotted += suffix;
    say(opened == OpenOutcome::Opened
            ? msg::ticketSavedTo(path)
            : msg::ticketSavedNotOpened(path, notOpenedReason(opened, dotted)));
    return path;
}

void OilQuantity::say(const std::string& text) {
    form_.setLabel(kOilStatusLabel, text);
    form_.showStatus(text);
}

}  // namespace quorvel::app
