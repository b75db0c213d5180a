#include "output/table_document.h"

#include <cmath>

#include "form/fields.h"
#include "output/output_messages.h"
#include "output/upright_tables.h"
#include "tank/density.h"
#include "tank/volume.h"
#include "text/number_format.h"
#include "text/row_text.h"
#include "text/unit_number.h"

namespace quorvel {
namespace {

namespace msg = output_messages;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find("\r\n", start);
        out.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            break;
        start = end + 2;
    }
    return out;
}

std::string totalCapacity(const TableHead& table) {
    const TankConfig& config = table.config;
    const double top = config.height();
    VolumeState state;
    const VolumeModel volume(config, table.method);
    const double total = volume(top, config.levelStep, state);
    const units::OutputUnits& units = config.units;
    if (units.isDefault()) {
        return FormatTwoDecimals(shownQuantity(total, std::nullopt)) + " L" +
               msg::atLevel(formatLevel(top));
    }
    return formatAmountIn(shownQuantity(total, std::nullopt), *units.volume) + " " +
           std::string(units.volume->symbol) +
           msg::atLevelIn(formatLengthIn(top, *units.length), units.length->symbol);
}

void addIdentity(TableTitle& title, const TableIdentity& identity, std::string_view control) {
    const std::string& value = identity.value(control);
    if (value.empty())
        return;
    for (const IdentityField& field : kIdentityFields) {
        if (field.control == control) {
            std::string shown = value;
            if (control == kReferenceHeightField) {
                shown += " mm";
            }
            title.items.push_back({std::string(field.caption), shown});
        }
    }
}

}  // namespace

bool rowBeyondTank(const TankConfig& config, double level) {
    return config.extentOf(static_cast<double>(level * config.units.length->inDefault)) !=
           LevelExtent::Within;
}

std::string beyondTankNote(const TankConfig& config, const TableRows& rows) {
    if (rows.size() == 0) {
        return {};
    }
    RowNumbers ends[2];
    rows.read(0, 1, &ends[0]);
    rows.read(rows.size() - 1, 1, &ends[1]);
    if (!rowBeyondTank(config, ends[0].level) && !rowBeyondTank(config, ends[1].level)) {
        return {};
    }
    if (config.shellKind == ShellKind::Calibrated) {
        const LevelRange span = config.calibratedSpan();
        return msg::extrapolatedNote(kBeyondMark, formatLevel(span.from), formatLevel(span.to));
    }
    return msg::aboveTankNote(kBeyondMark, formatLevel(config.height()));
}

bool rowAboveLimit(const TableHead& table, const RowNumbers& row) {
    return table.uncertaintyLimit &&
           row.uncertainty > *table.uncertaintyLimit / 100 * std::fabs(row.volume);
}

std::string uncertaintyNote(const TableHead& table) {
    return table.uncertaintyLimit
               ? msg::uncertaintyNote(kUncertaintyMark, formatLevel(*table.uncertaintyLimit))
               : std::string();
}

std::string tableNotes(const TableHead& table, const TableRows& rows) {
    std::string notes = beyondTankNote(table.config, rows);
    if (std::string u = uncertaintyNote(table); !u.empty()) {
        notes += (notes.empty() ? "" : "\r\n") + u;
    }
    return notes;
}

std::string tableSummary(const TableHead& table) {
    return table.config.shellKind == ShellKind::Calibrated ? msg::kCalibratedSummary
                                                           : table.config.parameterSummary;
}

TableTitle tableTitle(const TableHead& table, const TableRows& rows) {
    const TankConfig& config = table.config;
    const TableIdentity& id = table.identity;
    TableTitle title;
    title.heading = msg::kDocumentHeading;
    for (std::string_view control :
         {kTankNumberField, kOwnerField, kLocationField, kNominalCapacityField}) {
        addIdentity(title, id, control);
    }
    title.items.push_back({msg::kTotalCapacityLabel, totalCapacity(table)});
    if (config.shellKind == ShellKind::Upright) {
        for (auto& [label, value] : uprightTitleItems(config)) {
            title.items.push_back({label, value});
        }
    } else {
        title.items.push_back({msg::kDeadVolumeLabel, formatLevel(config.deadVolume) + " L"});
    }
    if (config.fittingVolume != 0) {
        title.items.push_back(
            {msg::kFittingLabel,
             msg::fittingText(formatLevel(config.fittingVolume), formatLevel(config.fittingBottom),
                              formatLevel(config.fittingHeight))});
    }
    addIdentity(title, id, kReferenceHeightField);
    if (rows.size() > 0) {
        RowNumbers ends[2];
        rows.read(0, 1, &ends[0]);
        rows.read(rows.size() - 1, 1, &ends[1]);
        const double first = ends[0].level;
        const double last = ends[1].level;
        title.items.push_back(
            {msg::kLevelsLabel, msg::levelsText(formatLevel(first), formatLevel(last),
                                                formatLevel(config.levelStep))});
    }
    // A calibrated tank between its points by the monotone cubic says so; the line is the
    // classic method as before.
    title.items.push_back(
        {msg::kMethodLabel, config.calibrationPoints.cubic  ? msg::kMonotoneCubicMethod
                            : table.method == Method::Exact ? msg::kExactMethod
                                                            : msg::kClassicMethod});
    if (config.shellKind == ShellKind::Tilted) {
        title.items.push_back({msg::kTiltLabel, msg::tiltText(formatLevel(config.tiltAlpha),
                                                              formatLevel(config.tiltBeta))});
    }
    if (config.shellKind == ShellKind::Calibrated && !config.calibrationPoints.empty()) {
        const LevelRange span = config.calibratedSpan();
        title.items.push_back({msg::kCalibratedRangeLabel,
                               msg::calibratedRange(formatLevel(span.from), formatLevel(span.to),
                                                    config.calibrationPoints.size())});
    }
    title.items.push_back({msg::kTemperatureLabel, msg::kStandardTemperature});
    for (std::string_view control :
         {kCertificateField, kTableDateField, kValidUntilField, kUncertaintyField}) {
        addIdentity(title, id, control);
    }
    title.summary = lines(tableSummary(table));
    // The identification's figures are long: a line of their own, the page's width.
    if (config.shellKind == ShellKind::Tilted && !table.tiltIdentification.empty()) {
        title.summary.push_back(msg::tiltFitLine(table.tiltIdentification));
    }
    if (std::string note = beyondTankNote(config, rows); !note.empty()) {
        title.summary.push_back(std::move(note));
    }
    if (std::string note = uncertaintyNote(table); !note.empty()) {
        title.summary.push_back(std::move(note));
    }
    title.signatures = {{msg::kCompiledByLabel, id.value(kCompiledByField)},
                        {msg::kCheckedByLabel, id.value(kCheckedByField)}};
    return title;
}

std::string incrementText(LevelAndVolume a, LevelAndVolume b) {
    const long double rise = static_cast<long double>(b.level) - a.level;
    if (!(rise > 0)) {
        return {};
    }
    const long double perMm = (static_cast<long double>(b.volume) - a.volume) / rise;
    // The thousandths as a whole number, then the point put in.
    std::string digits = formatWholeNumber(perMm * 1000);
    const bool negative = digits.front() == '-';
    if (negative)
        digits.erase(0, 1);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    // One character inserted, not a string: GCC 12 misreads the string insert (-Wrestrict).
    digits.insert(digits.end() - 3, '.');
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;
    return (negative && !zero ? "-" : "") + digits;
}

}  // namespace quorvel
