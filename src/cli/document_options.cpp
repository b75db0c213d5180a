#include <array>
#include <string>

#include "cli/cli_messages.h"
#include "cli/option_table.h"
#include "form/fields.h"
#include "form/table_identity.h"

namespace quorvel::cli {
namespace {

// An option that sets a control, as --set does, in command-line order.
template <const std::string_view& Control>
void setControl(TableOptions& options, std::string_view value) {
    options.edits.push_back(
        {FormEdit::Kind::Control, std::string(Control), 0, 0, std::string(value)});
}

const std::array<OptionSpec, 13> kDocumentOptions{{
    {"--pdf", "FILE.pdf",
     "write the table as a PDF for paper: A4 pages of column blocks with their headings, the\n"
     "title block and the page numbers, the same numbers as the workbook; with --batch,\n"
     "without FILE: each tank's PDF beside its workbook",
     [](TableOptions& o, std::string_view v) { o.pdfFile = std::string(v); },
     // Without a value with --batch: each tank's PDF beside its workbook.
     true},
    {"--increments", "",
     "add the increment column (CheckBox3): litres per millimetre from each row to the next",
     [](TableOptions& o, std::string_view) {
         o.edits.push_back({FormEdit::Kind::Control, std::string(kIncrementsSwitch), 0, 0, "1"});
     }},
    {"--tank-number", "TEXT",
     "the table's identity (罐容表信息), shown in its title block; any of them makes the\n"
     "workbook open with that block. 罐号 (Edit49), also in every page's footer",
     setControl<kTankNumberField>},
    {"--owner", "TEXT", "所属单位 (Edit50)", setControl<kOwnerField>},
    {"--location", "TEXT", "所在地点 (Edit51)", setControl<kLocationField>},
    {"--nominal-capacity", "TEXT", "公称容量 (Edit52), as written, e.g. \"50 立方米\"",
     setControl<kNominalCapacityField>},
    {"--certificate", "TEXT", "证书编号 (Edit53)", setControl<kCertificateField>},
    {"--date", "TEXT", "编制日期 (Edit54), e.g. 2026-12-09", setControl<kTableDateField>},
    {"--valid-until", "TEXT", "有效期至 (Edit55)", setControl<kValidUntilField>},
    {"--compiled-by", "TEXT", "编制 (Edit56)", setControl<kCompiledByField>},
    {"--checked-by", "TEXT", "核验 (Edit57)", setControl<kCheckedByField>},
    {"--reference-height", "MM", "参照高度 (Edit48): the gauge datum's height above the bottom, mm",
     setControl<kReferenceHeightField>},
    {"--uncertainty", "TEXT", "不确定度 (Edit58), e.g. \"U=0.3%，k=2\"",
     setControl<kUncertaintyField>},
}};

}  // namespace

std::span<const OptionSpec> documentOptions() {
    return kDocumentOptions;
}

void checkDocumentOptions(const TableOptions& o) {
    if (o.pdfFile && (o.quickLevel || o.ullage || o.volumeLitres || o.weightKg)) {
        throw UsageError(std::string(cli_messages::kPdfIsATable));
    }
}

}  // namespace quorvel::cli
