#include "cli/table_options.h"

#include <array>

#include <string>
#include "app/window_rules.h"
#include "cli/cli_messages.h"
#include "cli/import_options.h"
#include "cli/option_table.h"
#include "cli/upright_options.h"

#include "text/number_text.h"

namespace quorvel::cli {
namespace {

namespace msg = cli_messages;

int shellPage(std::string_view word) {
    if (const std::optional<int> page = app::shellPageOf(word)) {
        return *page;
    }
    // "horizontal, tilted, spherical or calibrated"
    const std::vector<std::string_view> words = app::shellWords();
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i) {
        list.append(i == 0 ? "" : i + 1 == words.size() ? " or " : ", ").append(words[i]);
    }
    throw UsageError(msg::unknownShell(word, list));
}

int cellIndex(std::string_view text, std::string_view whole) {
    const std::optional<int> value = parseWholeNumber(text);
    if (!value || *value < 0) {
        throw UsageError(msg::cellSyntax(whole));
    }
    return *value;
}

void recordSet(TableOptions& options, std::string_view value) {
    const auto eq = value.find('=');
    if (eq == std::string_view::npos || eq == 0) {
        throw UsageError(msg::setSyntax(value));
    }
    options.edits.push_back({FormEdit::Kind::Control, std::string(value.substr(0, eq)), 0, 0,
                             std::string(value.substr(eq + 1))});
}

void recordCell(TableOptions& options, std::string_view value) {
    const auto eq = value.find('=');
    const auto comma = value.substr(0, eq).find(',');
    if (eq == std::string_view::npos || comma == std::string_view::npos) {
        throw UsageError(msg::cellSyntax(value));
    }
    const int col = cellIndex(value.substr(0, comma), value);
    const int row = cellIndex(value.substr(comma + 1, eq - comma - 1), value);
    options.edits.push_back(
        {FormEdit::Kind::Cell, {}, col, row, std::string(value.substr(eq + 1))});
}

void recordFile(std::optional<std::string>& field, std::string_view option, std::string_view v) {
    if (v.empty()) {
        throw UsageError(msg::needsFileName(option));
    }
    field = std::string(v);
}

void recordCurve(TableOptions& options, std::string_view v) {
    const std::optional<int> count = parseWholeNumber(v);
    if (!count || *count < static_cast<int>(kMinCurvePoints) ||
        *count > static_cast<int>(kMaxCurvePoints)) {
        throw UsageError(msg::curveCount(kMinCurvePoints, kMaxCurvePoints, v));
    }
    options.curvePoints = static_cast<std::size_t>(*count);
}

void recordMethod(TableOptions& options, std::string_view value) {
    const std::optional<Method> method = methodFromName(value);
    if (!method) {
        throw UsageError(msg::unknownMethod(value));
    }
    options.method = *method;
}

double quantity(std::string_view option, std::string_view value) {
    const std::optional<double> number = parseDecimal(value);
    if (!number) {
        throw UsageError(msg::needsNumber(option, value));
    }
    return *number;
}

// Options that make no sense together.
void checkCombination(const TableOptions& o) {
    if (o.compare && o.method == Method::Exact) {
        throw UsageError(std::string(msg::kCompareExact));
    }
    if (o.ullage && o.quickLevel) {
        throw UsageError(std::string(msg::kUllageAndQuick));
    }
    if (o.ullage &&
        (o.csv || o.workbookFile || o.compare || o.curvePoints || o.volumeLitres || o.weightKg)) {
        throw UsageError(std::string(msg::kUllageOneResult));
    }
    if (o.quickLevel && (o.csv || o.workbookFile)) {
        throw UsageError(std::string(msg::kQuickNoTable));
    }
    if (o.quickLevel && (o.compare || o.curvePoints || o.volumeLitres || o.weightKg)) {
        throw UsageError(std::string(msg::kQuickOneResult));
    }
    if (o.compare && o.curvePoints) {
        throw UsageError(std::string(msg::kCompareAndCurve));
    }
    if (o.volumeLitres && o.weightKg) {
        throw UsageError(std::string(msg::kVolumeAndWeight));
    }
    if ((o.volumeLitres || o.weightKg) && (o.csv || o.compare || o.workbookFile || o.curvePoints)) {
        throw UsageError(std::string(msg::kLevelNoTable));
    }
    checkQuantityOptions(o);
    checkIdentifyOptions(o);
}

const std::array<OptionSpec, 24> kOptions{{
    {"--shell", "horizontal|tilted|spherical|calibrated|vertical",
     "the shell page the request is computed on (required)",
     [](TableOptions& o, std::string_view v) { o.page = shellPage(v); }},
    {"--set", "NAME=VALUE",
     "set a control: an edit's text; a check box or radio button 1 or 0 (a radio button\n"
     "unchooses the others of its group); a list's entry by its text (ComboBox2 also\n"
     "shapes the calibration grid for that many points)",
     recordSet},
    {"--cell", "COL,ROW=TEXT",
     "set a cell of the calibration grid (column 1 level mm, column 2 volume L; rows\n"
     "1 … n + 1 after --set ComboBox2=n)",
     recordCell},
    {"--csv", "",
     "print the table to standard output, one row per level: level,litres\n"
     "and, with CheckBox1 set, ,kilograms",
     [](TableOptions& o, std::string_view) { o.csv = true; }},
    {"--curve", "N",
     "print the capacity curve instead of the table: N levels evenly spaced from 0 to the\n"
     "tank's height (D, A, or the highest calibrated level), one line each: level,litres,\n"
     "or level,kilograms with CheckBox1 set",
     recordCurve},
    {"--method", "classic|exact",
     "how volumes are computed: classic (the default, the window's tables) or exact (the\n"
     "true geometry of the tank below the liquid's plane; sphere and calibration as classic);\n"
     "without it, the method chosen in the settings (ComboBox5 经典公式 or 真实几何)",
     recordMethod},
    {"--compare", "",
     "print the classic table as --csv does, each row followed by the exact volume (L), the\n"
     "difference exact − classic (L) and that difference in % of the exact volume",
     [](TableOptions& o, std::string_view) { o.compare = true; }},
    {"--volume", "LITRES",
     "print instead of a table the lowest level (mm, two decimals) at which the tank holds\n"
     "LITRES, by --method; outside the tank's range a message and exit status 1",
     [](TableOptions& o, std::string_view v) { o.volumeLitres = quantity("--volume", v); }},
    {"--weight", "KG", "the same for a weight, with the density set (CheckBox1, Edit37, ComboBox1)",
     [](TableOptions& o, std::string_view v) { o.weightKg = quantity("--weight", v); }},
    {"--quick", "LEVEL",
     "instead of the table, the quick calculation (计算) at LEVEL mm: Edit35 is set to LEVEL\n"
     "and the result that Edit36 shows (litres, or kilograms with CheckBox1) is printed",
     [](TableOptions& o, std::string_view v) { o.quickLevel = std::string(v); }},
    {"--ullage", "MM",
     "instead of --quick, the quick calculation from the top: the ullage MM (Edit59) is\n"
     "measured down from the reference height (Edit48: --reference-height, --set or the\n"
     "settings), and what --quick prints is printed at the level reference height − ullage;\n"
     "with --quantity, the ticket's dip is read so",
     [](TableOptions& o, std::string_view v) { o.ullage = std::string(v); }},
    {"--quantity", "[LEVEL]",
     "instead of the table, the gauging ticket (计量单) of the window 油量计算 at a dip of\n"
     "LEVEL mm, or without LEVEL at --ullage MM below the reference height, as five lines\n"
     "(below); needs --oil-temperature, --product and a density",
     [](TableOptions& o, std::string_view v) { o.quantity.level = std::string(v); }, true},
    {"--oil-temperature", "T", "the oil's temperature in the tank, °C",
     [](TableOptions& o, std::string_view v) { o.quantity.oilTemperature = std::string(v); }},
    {"--density-observed", "RHO",
     "the density read on a glass hydrometer (graduated at 20 °C), kg/m³, in a sample at\n"
     "--density-temperature T2 °C",
     [](TableOptions& o, std::string_view v) { o.quantity.observedDensity = std::string(v); }},
    {"--density-temperature", "T2", "the sample's temperature at the hydrometer reading, °C",
     [](TableOptions& o, std::string_view v) { o.quantity.testTemperature = std::string(v); }},
    {"--density20", "RHO20", "instead of a hydrometer reading, the standard density at 20 °C",
     [](TableOptions& o, std::string_view v) { o.quantity.standardDensity = std::string(v); }},
    {"--product", "crude|products|lubricants",
     "the tables' group: crude oil (A); products (B: gasolines, kerosenes, diesels, fuel\n"
     "oils); lubricating oils (D)",
     [](TableOptions& o, std::string_view v) { recordProduct(o.quantity, v); }},
    {"--reading", "table|formula",
     "how the tables are read: table (the default, as depots read the printed GB/T 1885\n"
     "tables: the nearest 0.25 °C row, table 59 interpolated between its density columns,\n"
     "table 60 at the nearest column) or formula (computed at the exact inputs)",
     [](TableOptions& o, std::string_view v) { recordReading(o.quantity, v); }},
    {"--settings", "FILE",
     "load the controls from a settings file (Config.ini) as the window does at start,\n"
     "before any --set; its table request stands (the window would reset it)",
     [](TableOptions& o, std::string_view v) { recordFile(o.settingsFile, "--settings", v); }},
    {"--grid", "FILE",
     "load the calibration grid from a grid file (bd.txt) as the window does at start; the\n"
     "point count follows the grid's rows",
     [](TableOptions& o, std::string_view v) { recordFile(o.gridFile, "--grid", v); }},
    {"--out", "FILE.xlsx",
     "write the capacity table workbook; its question is answered Yes and the summary goes\n"
     "to standard error; nothing is opened",
     [](TableOptions& o, std::string_view v) { recordFile(o.workbookFile, "--out", v); }},
    {"--save-settings", "FILE",
     "after the request, write the controls as the window writes Config.ini at close",
     [](TableOptions& o, std::string_view v) {
         recordFile(o.saveSettingsFile, "--save-settings", v);
     }},
    {"--save-grid", "FILE", "after the request, write the calibration grid as bd.txt",
     [](TableOptions& o, std::string_view v) { recordFile(o.saveGridFile, "--save-grid", v); }},
    {"--help", "", "show this text", [](TableOptions& o, std::string_view) { o.help = true; }},
}};

// Every option: the table's own, those of a table to issue, of an imported table, of the tilt
// identification, of the booked quantity, of an upright tank, of the uncertainty and of a
// depot's tanks.
const std::array<std::span<const OptionSpec>, 8> kOptionTables{
    {kOptions, documentOptions(), importOptions(), identifyOptions(), bookedOptions(),
     uprightOptions(), uncertaintyOptions(), depotOptions()}};

const OptionSpec* findOption(std::string_view name) {
    for (std::span<const OptionSpec> options : kOptionTables) {
        for (const OptionSpec& option : options) {
            if (option.name == name) {
                return &option;
            }
        }
    }
    return nullptr;
}

}  // namespace

TableOptions parseTableOptions(std::span<const std::string_view> args) {
    TableOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::string_view value;
        bool inlineValue = false;
        if (auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            inlineValue = true;
        }
        const OptionSpec* option = findOption(arg);
        if (option == nullptr) {
            throw UsageError(msg::unknownOption(args[i]));
        }
        if (option->value.empty()) {
            if (inlineValue) {
                throw UsageError(msg::takesNoValue(option->name));
            }
        } else if (!inlineValue && option->valueOptional &&
                   (i + 1 >= args.size() || args[i + 1].starts_with("--"))) {
            value = {};
        } else if (!inlineValue) {
            if (i + 1 >= args.size()) {
                throw UsageError(msg::needsValue(option->name, option->value));
            }
            value = args[++i];
        }
        option->record(options, value);
    }
    if (options.csv && options.curvePoints) {
        throw UsageError(std::string(msg::kCsvAndCurve));
    }
    if (!options.help && !options.page && !options.tankFile && !options.batch) {
        throw UsageError(std::string(msg::kShellRequired));
    }
    checkCombination(options);
    checkDocumentOptions(options);
    checkUprightOptions(options);
    checkDepotOptions(options);
    return options;
}

std::string usageText() {
    std::string text(msg::kUsageHead);
    for (std::span<const OptionSpec> options : kOptionTables)
        for (const OptionSpec& option : options) {
            text.append("  ").append(option.name);
            if (!option.value.empty()) {
                text.append(" ").append(option.value);
            }
            text.append("\n");
            std::string_view help = option.help;
            while (!help.empty()) {
                const auto nl = help.find('\n');
                text.append("      ").append(help.substr(0, nl)).append("\n");
                help = nl == std::string_view::npos ? std::string_view() : help.substr(nl + 1);
            }
        }
    text += msg::kUsageExactMethod;
    text += quantityUsage();
    text += identifyUsage();
    text += msg::kUsageExitStatus;
    return text;
}

}  // namespace quorvel::cli
