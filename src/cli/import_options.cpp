#include "cli/import_options.h"

#include <array>

#include "app/app_messages.h"
#include "app/calibration_page.h"
#include "app/table_import.h"
#include "cli/cli_messages.h"
#include "cli/option_table.h"
#include "form/fields.h"
#include "form/interpolation_controls.h"

namespace quorvel::cli {
namespace {

namespace msg = cli_messages;

void recordInterpolation(TableOptions& options, std::string_view value) {
    std::string_view entry;
    if (value == "linear") {
        entry = kLinearEntry;
    } else if (value == "monotone-cubic") {
        entry = kMonotoneCubicEntry;
    } else {
        throw UsageError(msg::unknownInterpolation(value));
    }
    options.edits.push_back(
        {FormEdit::Kind::Control, std::string(kInterpolationList), 0, 0, std::string(entry)});
}

const std::array<OptionSpec, 2> kImportOptions{{
    {"--import-table", "FILE",
     "replace the calibration grid's points by a capacity table issued elsewhere (导入罐容表):\n"
     "CSV or tab-separated text, one level,volume pair a line (mm, L; an optional heading\n"
     "line; UTF-8 or GBK), or the first sheet of an .xlsx workbook (its level and volume\n"
     "columns, in as many column blocks as it has; headings in cm or m3 are converted).\n"
     "Loaded after --settings and --grid, before --set and --cell. A level that does not rise,\n"
     "a volume that falls or a value that is not a number stops with exit status 1; gaps and\n"
     "jumps of the litres per mm are printed on standard error and the request goes on",
     [](TableOptions& o, std::string_view v) {
         if (v.empty())
             throw UsageError(msg::needsFileName("--import-table"));
         o.importTable = std::string(v);
     }},
    {"--interpolation", "linear|monotone-cubic",
     "between a calibrated tank's points: linear (插值 线性, the default) or monotone-cubic\n"
     "(单调三次: a monotone piecewise cubic, PCHIP); beyond the points the end segments are\n"
     "extended as straight lines either way; --volume uses the same curve",
     recordInterpolation},
}};

}  // namespace

std::span<const OptionSpec> importOptions() {
    return kImportOptions;
}

bool importTable(const TableOptions& options, app::MemoryWindow& window, std::ostream& err) {
    if (!options.importTable) {
        return true;
    }
    const app::TableImport table = app::readTableImport(*options.importTable);
    const std::string& path = *options.importTable;
    if (!table.faults.empty()) {
        err << msg::kProgram << app_messages::importRefused(path) << '\n';
        for (const std::string& fault : table.faults) {
            err << fault << '\n';
        }
        return false;
    }
    if (!table.warnings.empty()) {
        err << msg::kProgram << app_messages::importQuestion(path, table.summary) << '\n';
        for (const std::string& warning : table.warnings) {
            err << warning << '\n';
        }
    }
    app::CalibrationPage page;
    app::replaceGridPoints(window, page, table.points);
    return true;
}

}  // namespace quorvel::cli
