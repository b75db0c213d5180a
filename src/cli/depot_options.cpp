// The options of a depot's tanks: a tank file in and out, a batch of tanks, the output units.
#include <algorithm>
#include <array>
#include <string>

#include "cli/cli_messages.h"
#include "cli/option_table.h"
#include "form/output_units.h"

namespace quorvel::cli {
namespace {

namespace msg = cli_messages;

void recordPath(std::optional<std::string>& field, std::string_view option, std::string_view v) {
    if (v.empty()) {
        throw UsageError(msg::needsFileName(option));
    }
    field = std::string(v);
}

// An output unit's list set as --set sets it, once the word is known to be one of its entries.
template <const std::string_view& List>
void recordUnit(TableOptions& options, std::string_view word) {
    const auto& entries = outputUnitEntries(List);
    std::string words;
    for (const std::string& entry : entries) {
        words.append(words.empty() ? "" : "|").append(entry);
    }
    if (std::find(entries.begin(), entries.end(), word) == entries.end()) {
        const std::string_view option = List == kLengthUnitList   ? "--length-unit"
                                        : List == kVolumeUnitList ? "--volume-unit"
                                                                  : "--mass-unit";
        throw UsageError(msg::unknownUnit(option, word, words));
    }
    options.edits.push_back({FormEdit::Kind::Control, std::string(List), 0, 0, std::string(word)});
}

const std::array<OptionSpec, 7> kDepotOptions{{
    {"--tank", "FILE.json",
     "load the whole tank from a tank file (the register's, or --save-tank's) instead of\n"
     "--settings and --grid: its shell, every control and the calibration grid; --shell may\n"
     "then be left out",
     [](TableOptions& o, std::string_view v) { recordPath(o.tankFile, "--tank", v); }},
    {"--save-tank", "FILE.json",
     "after the request, write the tank as a tank file (JSON, UTF-8): read back with --tank\n"
     "it gives the same form, and written again the same bytes",
     [](TableOptions& o, std::string_view v) { recordPath(o.saveTankFile, "--save-tank", v); }},
    {"--batch", "DIR|LIST",
     "make the table of every tank file (*.json) of the folder DIR (a register's tanks/), or\n"
     "of each file named in LIST (one a line, relative to LIST's folder): its workbook, and\n"
     "with --pdf its PDF, named by its tank number, into --out-dir; a progress line per tank\n"
     "and a summary of those refused on standard error; exit status 1 when any was refused",
     [](TableOptions& o, std::string_view v) { recordPath(o.batch, "--batch", v); }},
    {"--out-dir", "DIR", "the folder --batch writes into (created when missing)",
     [](TableOptions& o, std::string_view v) { recordPath(o.outDir, "--out-dir", v); }},
    {"--length-unit", "mm|cm|m|in|ft",
     "the unit levels are shown in (UnitComboBox1): the table's levels, the curve, the level\n"
     "of a volume; typed levels stay in millimetres",
     recordUnit<kLengthUnitList>},
    {"--volume-unit", "L|m3|bbl|gal",
     "the unit volumes are shown in (UnitComboBox2): litres, cubic metres, US barrels (42 US\n"
     "gallons, 158.987294928 L) or US gallons (3.785411784 L)",
     recordUnit<kVolumeUnitList>},
    {"--mass-unit", "kg|t", "the unit weights are shown in (UnitComboBox3): kilograms or tonnes",
     recordUnit<kMassUnitList>},
}};

}  // namespace

std::span<const OptionSpec> depotOptions() {
    return kDepotOptions;
}

void checkDepotOptions(const TableOptions& o) {
    if (o.tankFile && (o.settingsFile || o.gridFile)) {
        throw UsageError(std::string(msg::kTankNotWithSettings));
    }
    if (o.outDir && !o.batch) {
        throw UsageError(std::string(msg::kOutDirNeedsBatch));
    }
    if (!o.batch) {
        if (o.pdfFile && o.pdfFile->empty()) {
            throw UsageError(msg::needsFileName("--pdf"));
        }
        return;
    }
    if (!o.outDir) {
        throw UsageError(std::string(msg::kBatchNeedsOutDir));
    }
    if (o.page || o.tankFile || o.settingsFile || o.gridFile || o.saveSettingsFile ||
        o.saveGridFile || o.saveTankFile || o.workbookFile || o.csv || o.compare || o.curvePoints ||
        o.quickLevel || o.ullage || o.volumeLitres || o.weightKg || o.quantity.level ||
        (o.pdfFile && !o.pdfFile->empty())) {
        throw UsageError(std::string(msg::kBatchAlone));
    }
}

}  // namespace quorvel::cli
