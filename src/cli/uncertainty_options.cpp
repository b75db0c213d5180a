// quorvel-table's options of the uncertainty: they fill the controls of the dialog
// "不确定度…" as --set fills a field, so the table, the quick result and the ticket read them
// as the window's do (and refuse an unknown name or a negative u with its message, exit 1).
#include <array>
#include <string>

#include "cli/option_table.h"
#include "form/fields.h"

namespace quorvel::cli {
namespace {

void check(TableOptions& o, std::string_view control) {
    o.edits.push_back({FormEdit::Kind::Control, std::string(control), 0, 0, "1"});
}

const std::array<OptionSpec, 3> kUncertaintyOptions{{
    {"--u", "NAME=VALUE",
     "a standard uncertainty (k=1) of an input, repeated for each: NAME a field as for --set\n"
     "(Edit1 … in its unit, mm or degrees or L), points (each calibration point's volume, L),\n"
     "level (the dip, mm; 1 unless given), temperature (°C; 0.2) or density (the hydrometer,\n"
     "kg/m^3; 0.2). Any --u adds the expanded uncertainty U (k=2): the column \"U(k=2) L\" of\n"
     "the workbook and the PDF, \",U\" after each --csv row, \"value,U\" for --quick",
     [](TableOptions& o, std::string_view v) {
         check(o, kUColumnSwitch);
         o.edits.push_back(
             {FormEdit::Kind::Append, std::string(kUDimensionsField), 0, 0, std::string(v)});
     }},
    {"--u-limit", "PERCENT",
     "the rows whose U exceeds this share of their volume are marked \"▲\" (0.4 unless given)",
     [](TableOptions& o, std::string_view v) {
         o.edits.push_back(
             {FormEdit::Kind::Control, std::string(kULimitField), 0, 0, std::string(v)});
     }},
    {"--u-title", "",
     "the title block's 不确定度 (Edit58) states the greatest U relative to the volume over the\n"
     "table, and the U column is added",
     [](TableOptions& o, std::string_view) {
         check(o, kUColumnSwitch);
         check(o, kUTitleSwitch);
     }},
}};

}  // namespace

std::span<const OptionSpec> uncertaintyOptions() {
    return kUncertaintyOptions;
}

}  // namespace quorvel::cli
