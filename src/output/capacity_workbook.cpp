#include "output/capacity_workbook.h"

#include <optional>

#include "output/output_messages.h"
#include "output/table_layout.h"
#include "text/number_text.h"
#include "text/row_text.h"
#include "xlsx/xl_wrappers.h"

namespace quorvel {
namespace {

namespace msg = output_messages;

constexpr const char* kCrLf = "\r\n";
constexpr int kTitleRowHeight = 200;
constexpr int kTitleLastColumn = 10;
constexpr int kHeaderRow = 2;

// The fonts and formats of the workbook, added in this order.
struct WorkbookFormats {
    explicit WorkbookFormats(TBook& book)
        : boldFont(book.addFont()),
          titleFont(book.addFont()),
          title(book.addFormat()),
          oddHeader(book.addFormat()),
          evenHeader(book.addFormat()),
          value(book.addFormat()),
          plain(book.addFormat()) {
        boldFont.setBold(true);
        titleFont.setName("Arial Black");
        titleFont.setSize(11);

        title.setFont(titleFont);
        title.setAlignV(XL_ALIGNV_TOP);
        title.setShrinkToFit(true);

        for (TFormat* header : {&oddHeader, &evenHeader}) {
            header->setAlignH(XL_ALIGNH_CENTER);
            header->setFont(boldFont);
            header->setFillPattern(XL_FILLPATTERN_SOLID);
        }
        oddHeader.setPatternForegroundColor(XL_COLOR_LIGHTYELLOW);
        evenHeader.setPatternForegroundColor(XL_COLOR_TAN);

        value.setNumFormat(XL_NUMFORMAT_NUMBER_D2);
        value.setAlignH(XL_ALIGNH_CENTER);

        plain.setAlignH(XL_ALIGNH_CENTER);
    }

    TFont boldFont;
    TFont titleFont;
    TFormat title;
    TFormat oddHeader;
    TFormat evenHeader;
    TFormat value;
    TFormat plain;
};

void writeBlockHeader(TSheet& sheet, const WorkbookFormats& formats, std::size_t block,
                      bool useDensity) {
    const TFormat& header = block % 2 == 0 ? formats.evenHeader : formats.oddHeader;
    const int first = static_cast<int>(block) * (useDensity ? 4 : 3);
    sheet.writeStr(kHeaderRow, first, msg::kRowNumberHeading, &header);
    sheet.writeStr(kHeaderRow, first + 1, msg::kLevelHeading, &header);
    sheet.writeStr(kHeaderRow, first + 2, msg::kVolumeHeading, &header);
    sheet.setCol(first, first, 6);
    sheet.setCol(first + 1, first + 1, 8);
    sheet.setCol(first + 2, first + 2, 11);
    if (useDensity) {
        sheet.writeStr(kHeaderRow, first + 3, msg::kWeightHeading, &header);
        sheet.setCol(first + 3, first + 3, 11);
    }
}

constexpr std::size_t kProgressRows = 512;  // rows between two progress reports

void writeTable(TSheet& sheet, const WorkbookFormats& formats, const CapacityWorkbookInput& input,
                const TableLayout& layout, const WorkbookProgress& progress) {
    const auto n = static_cast<std::size_t>(layout.rowsPerBlock);
    std::size_t i = 0;
    for (std::size_t block = 0; block < layout.blocks; ++block) {
        writeBlockHeader(sheet, formats, block, input.useDensity);
        const int first = static_cast<int>(block) * layout.blockWidth;
        for (std::size_t k = 0; k < n && i < layout.rowCount; ++k, ++i) {
            const int row = kFirstTableRow + static_cast<int>(k);
            const LevelAndVolume cells = parseTableRow(input.tableRows[i]);
            sheet.writeNum(row, first, static_cast<double>(i + 1), &formats.plain);
            sheet.writeNum(row, first + 1, cells.level, &formats.plain);
            sheet.writeNum(row, first + 2, cells.volume, &formats.value);
            if (input.useDensity) {
                sheet.writeNum(row, first + 3, parseRowNumber(input.weightTexts[i]),
                               &formats.value);
            }
            if (progress && (i + 1) % kProgressRows == 0) {
                progress(i + 1, layout.rowCount);
            }
        }
    }
    if (progress) {
        progress(layout.rowCount, layout.rowCount);
    }
}

// A problem with the inputs that stops the workbook before anything is asked or written.
std::optional<std::string> inputProblem(const CapacityWorkbookInput& input,
                                        const TableLayout& layout) {
    if (input.useDensity && input.weightTexts.size() != input.tableRows.size()) {
        return msg::weightsDoNotMatch(input.weightTexts.size(), input.tableRows.size());
    }
    return layoutProblem(layout);
}

}  // namespace

std::string workbookSummary(const CapacityWorkbookInput& input) {
    return input.shellKind == ShellKind::Calibrated ? msg::kCalibratedSummary
                                                    : input.parameterSummary;
}

std::string workbookPrompt(const std::string& summary, const std::string& note) {
    std::string prompt = summary + kCrLf + kCrLf;
    if (!note.empty()) {
        prompt += note + kCrLf + kCrLf;
    }
    return prompt + msg::kPromptQuestion;
}

std::string workbookTitle(const std::string& summary) {
    return summary + kCrLf + kCrLf + msg::kTitleFooterGenerator + kCrLf + msg::kTitleFooterContact;
}

bool SaveFileToExcel3(const CapacityWorkbookInput& input, const std::string& path, UiServices& ui,
                      WorkbookSession* session) {
    WorkbookSession ignored;
    WorkbookSession& told = session != nullptr ? *session : ignored;
    const TableLayout layout =
        tableLayout(input.tableRows.size(), input.useDensity, input.rowsPerBlock);
    if (auto problem = inputProblem(input, layout)) {
        ui.messageBox(*problem, msg::kErrorCaption, MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    TXmlBook book;  // released on every way out
    WorkbookFormats formats(book);

    const std::string summary = workbookSummary(input);
    const std::string title = workbookTitle(summary);
    if (ui.messageBox(workbookPrompt(summary, told.promptNote), msg::kPromptCaption,
                      MessageButtons::YesNo, MessageIcon::Information) != MessageAnswer::Yes) {
        return false;
    }

    TSheet sheet = book.addSheet(msg::kSheetName);
    sheet.writeStr(0, 0, title, &formats.title);
    sheet.setRow(0, kTitleRowHeight, &formats.title);
    sheet.setMerge(0, 0, 0, kTitleLastColumn);

    writeTable(sheet, formats, input, layout, told.progress);

    try {
        book.save(path);
    } catch (const ExceptionXL& e) {
        told.saveFailure = e.what();
        ui.messageBox(msg::kSaveFailedText, msg::kErrorCaption, MessageButtons::Ok,
                      MessageIcon::Error);
        return false;
    }
    // Whether a viewer started does not change the saved file; the caller may say so.
    told.opened = ui.openDocument(path);
    return true;
}

bool saveCapacityTable(const CapacityTable& table, const std::string& path, UiServices& ui,
                       WorkbookSession* session) {
    const TankConfig& config = table.config;
    const CapacityWorkbookInput input{table.tableRows,   table.weightTexts,
                                      config.useDensity, config.parameterSummary,
                                      config.shellKind,  config.rowsPerBlock};
    return SaveFileToExcel3(input, path, ui, session);
}

}  // namespace quorvel
