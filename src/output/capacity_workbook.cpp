#include "output/capacity_workbook.h"

#include <algorithm>
#include <exception>
#include <map>
#include <memory>
#include <optional>

#include "form/fields.h"
#include "output/output_messages.h"
#include "output/table_layout.h"
#include "output/table_rows.h"
#include "output/workbook_print.h"
#include "text/number_text.h"
#include "text/row_text.h"
#include "xlsx/xl_wrappers.h"

namespace quorvel {
namespace {

namespace msg = output_messages;

constexpr const char* kCrLf = "\r\n";
constexpr int kTitleRowHeight = 200;
constexpr const char* kIncrementNumFormat = "0.000";
constexpr double kInch = 25.4;  // mm

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

// What only an issued table or the increment column adds to the book, after the formats
// above, so that a table without them keeps its book as it was.
struct AddedFormats {
    AddedFormats(TBook& book, const WorkbookFormats& formats, bool titleBlock, bool increments,
                 bool beyondTank, bool uncertainty) {
        if (beyondTank) {
            // The number itself, shown with the mark after it.
            beyond.emplace(book.addFormat());
            beyond->setNumFormat(
                book.addCustomNumFormat(std::string("0.00\"") + kBeyondMark + "\""));
            beyond->setAlignH(XL_ALIGNH_CENTER);
        }
        if (increments) {
            increment.emplace(book.addFormat());
            increment->setNumFormat(book.addCustomNumFormat(kIncrementNumFormat));
            increment->setAlignH(XL_ALIGNH_CENTER);
        }
        if (uncertainty) {
            // The number itself, with the mark after it when U exceeds the limit.
            aboveLimit.emplace(book.addFormat());
            aboveLimit->setNumFormat(
                book.addCustomNumFormat(std::string("0.00\"") + kUncertaintyMark + "\""));
            aboveLimit->setAlignH(XL_ALIGNH_CENTER);
        }
        if (titleBlock) {
            headingFont.emplace(book.addFont());
            headingFont->setBold(true);
            headingFont->setSize(16);
            heading.emplace(book.addFormat());
            heading->setFont(*headingFont);
            heading->setAlignH(XL_ALIGNH_CENTER);
            heading->setAlignV(XL_ALIGNV_CENTER);
            item.emplace(book.addFormat());
            item->setAlignV(XL_ALIGNV_CENTER);
            item->setShrinkToFit(true);
            label.emplace(book.addFormat());
            label->setFont(formats.boldFont);
            label->setAlignV(XL_ALIGNV_CENTER);
            label->setShrinkToFit(true);
        }
    }
    std::optional<TFormat> increment;
    std::optional<TFormat> beyond;
    std::optional<TFormat> aboveLimit;
    std::optional<TFont> headingFont;
    std::optional<TFormat> heading, item, label;
};

std::string headingOf(BlockColumn column, const units::OutputUnits& units) {
    switch (column) {
        case BlockColumn::RowNumber:
            return msg::kRowNumberHeading;
        case BlockColumn::Level:
            return msg::levelHeading(units);
        case BlockColumn::Volume:
            return msg::volumeHeading(units);
        case BlockColumn::Weight:
            return msg::weightHeading(units);
        case BlockColumn::Uncertainty:
            return msg::kUncertaintyHeading;
        case BlockColumn::Increment:
            return msg::incrementHeading(units);
    }
    return {};
}

void writeBlockHeader(TSheet& sheet, const WorkbookFormats& formats, const TableLayout& layout,
                      std::size_t block) {
    const TFormat& header = block % 2 == 0 ? formats.evenHeader : formats.oddHeader;
    int col = static_cast<int>(block) * layout.blockWidth;
    for (BlockColumn column : layout.columns()) {
        sheet.writeStr(layout.headerRow(), col, headingOf(column, layout.units), &header);
        sheet.setCol(col, col, columnWidth(column));
        ++col;
    }
}

constexpr std::size_t kProgressRows = 512;  // rows between two progress reports
// Table rows read at a time across all column blocks: a band of sheet rows costs at most
// this many RowNumbers (24 bytes each) of memory, whatever the table's length.
constexpr std::size_t kBandRows = 65536;

// The table's cells go out row by row of the sheet while the book is saved: sheet row k
// holds table row b·n + k of every column block b, so the rows are read in bands of sheet
// rows, one run per block (with the row after the run, for the increment), and nothing of
// the table is held beyond a band. A failure of `rows` ends the save and is kept in
// `failure`, to be thrown again once the save is over.
void writeTable(TSheet& sheet, const WorkbookFormats& formats, const AddedFormats& added,
                const TableRows& rows, const TableLayout& layout,
                const CapacityWorkbookInput& input, const WorkbookProgress& progress,
                std::exception_ptr& failure) {
    const std::function<bool(double)>& beyondTank = input.beyondTank;
    for (std::size_t block = 0; block < layout.blocks; ++block) {
        writeBlockHeader(sheet, formats, layout, block);
    }
    const std::size_t count = layout.rowCount;
    if (count == 0) {
        if (progress)
            progress(0, 0);
        return;
    }
    const auto n = static_cast<std::size_t>(layout.rowsPerBlock);
    const std::size_t sheetRows = std::min(count, n);
    const std::size_t run = std::clamp<std::size_t>(kBandRows / layout.blocks, 1, sheetRows);
    struct Band {
        std::size_t first = 0;  // the band's first sheet row (k), once loaded
        bool loaded = false;
        std::vector<RowNumbers> numbers;  // block b's run at b·(run + 1)
        std::size_t done = 0;             // table rows laid out so far
    };
    auto band = std::make_shared<Band>();
    band->numbers.resize(layout.blocks * (run + 1));
    const int incrementColumn = layout.blockWidth - 1;
    const int firstRow = layout.firstTableRow();
    sheet.streamRows(
        firstRow, firstRow + static_cast<int>(sheetRows) - 1,
        [&, band, n, run, count, incrementColumn, firstRow](int sheetRow, XlRowSink& sink) {
            try {
                const auto k = static_cast<std::size_t>(sheetRow - firstRow);
                if (!band->loaded || k >= band->first + run) {
                    band->first = k;
                    band->loaded = true;
                    for (std::size_t b = 0; b < layout.blocks; ++b) {
                        const std::size_t i0 = b * n + k;
                        if (i0 < count) {
                            rows.read(i0, std::min(run + 1, count - i0),
                                      &band->numbers[b * (run + 1)]);
                        }
                    }
                }
                const std::size_t j = k - band->first;
                for (std::size_t b = 0; b < layout.blocks; ++b) {
                    const std::size_t i = b * n + k;
                    if (i >= count)
                        break;
                    const RowNumbers& r = band->numbers[b * (run + 1) + j];
                    const int first = static_cast<int>(b) * layout.blockWidth;
                    const FormatHandle value = beyondTank && beyondTank(r.level)
                                                   ? added.beyond->handle()
                                                   : formats.value.handle();
                    sink.number(first, static_cast<double>(i + 1), formats.plain.handle());
                    sink.number(first + 1, r.level, formats.plain.handle());
                    sink.number(first + 2, r.volume, value);
                    if (layout.weights) {
                        sink.number(first + 3, r.weight, value);
                    }
                    if (layout.uncertainty) {
                        const bool above = input.aboveLimit && input.aboveLimit(r);
                        sink.number(first + (layout.weights ? 4 : 3), r.uncertainty,
                                    above ? added.aboveLimit->handle() : formats.value.handle());
                    }
                    if (layout.increments && i + 1 < count) {
                        const RowNumbers& next = band->numbers[b * (run + 1) + j + 1];
                        const std::string perMm =
                            incrementText({r.level, r.volume}, {next.level, next.volume});
                        if (!perMm.empty()) {
                            sink.number(first + incrementColumn, parseRowNumber(perMm),
                                        added.increment->handle());
                        }
                    }
                    ++band->done;
                    if (progress && (band->done % kProgressRows == 0 || band->done == count)) {
                        progress(band->done, count);
                    }
                }
            } catch (...) {
                failure = std::current_exception();
                throw;
            }
        });
}

// A text across columns first … last of a row (merged when that is more than one cell).
void writeAcross(TSheet& sheet, int row, int first, int last, const std::string& text,
                 const TFormat& format) {
    sheet.writeStr(row, first, text, &format);
    if (last > first) {
        sheet.setMerge(row, row, first, last);
    }
}

int titleBlockRows(const TableTitle& title) {
    const auto itemRows = static_cast<int>((title.items.size() + 1) / 2);
    return 1 + itemRows + static_cast<int>(title.summary.size()) + 1;
}

// The title block of an issued table across the columns of the first page: the heading, the
// items two to a row, the parameter summary, the signature lines.
void writeTitleBlock(TSheet& sheet, const AddedFormats& added, const TableTitle& title,
                     int lastColumn) {
    const int half = (lastColumn + 1) / 2;
    int row = 0;
    writeAcross(sheet, row, 0, lastColumn, title.heading, *added.heading);
    sheet.setRow(row++, 30);
    const auto itemText = [](const TitleItem& item) { return item.label + "：" + item.value; };
    for (std::size_t i = 0; i < title.items.size(); i += 2, ++row) {
        writeAcross(sheet, row, 0, half - 1, itemText(title.items[i]), *added.item);
        if (i + 1 < title.items.size()) {
            writeAcross(sheet, row, half, lastColumn, itemText(title.items[i + 1]), *added.item);
        }
        sheet.setRow(row, 18);
    }
    for (std::size_t i = 0; i < title.summary.size(); ++i, ++row) {
        writeAcross(sheet, row, 0, lastColumn, title.summary[i],
                    i == 0 ? *added.label : *added.item);
    }
    const auto signature = [](const TitleItem& s) {
        return s.label + "：" + (s.value.empty() ? std::string(msg::kSignatureBlank) : s.value);
    };
    writeAcross(sheet, row, 0, half - 1, signature(title.signatures.at(0)), *added.label);
    writeAcross(sheet, row, half, lastColumn, signature(title.signatures.at(1)), *added.label);
    sheet.setRow(row, 24);
}

void writePageSetup(TSheet& sheet, const WorkbookPrint& print) {
    sheet.setPaper(XL_PAPER_A4);
    sheet.setLandscape(false);
    sheet.setMargins(kBindingMarginMm / kInch, kOuterMarginMm / kInch, kTopMarginMm / kInch,
                     kBottomMarginMm / kInch);
    sheet.setFooter(print.footer, kFooterMarginMm / kInch);
    sheet.setPrintRepeatRows(print.repeatRow, print.repeatRow);
    sheet.setPrintArea(0, print.lastRow, 0, print.lastColumn);
    for (int col : print.columnBreaks) {
        sheet.setVerPageBreak(col);
    }
    sheet.setPrintZoom(print.zoom);
    sheet.setPrintFit(print.pagesWide, 0);
}

// A side table on a sheet of its own: its headings, then its rows; a text that is a number is
// written as a number with the decimals it is printed with.
void writeSideTable(TBook& book, const WorkbookFormats& formats, const SideTable& table) {
    TSheet sheet = book.addSheet(table.name);
    for (std::size_t c = 0; c < table.headings.size(); ++c) {
        const int col = static_cast<int>(c);
        sheet.writeStr(0, col, table.headings[c], &formats.oddHeader);
        sheet.setCol(col, col, columnWidth(BlockColumn::Volume));
    }
    std::map<std::size_t, TFormat> byDecimals;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const std::string& text = table.rows[r][c];
            const int row = static_cast<int>(r) + 1, col = static_cast<int>(c);
            const std::optional<double> number = parseDecimal(text);
            if (!number) {
                sheet.writeStr(row, col, text, &formats.plain);
                continue;
            }
            const std::size_t point = text.find('.');
            const std::size_t decimals = point == std::string::npos ? 0 : text.size() - point - 1;
            auto it = byDecimals.find(decimals);
            if (it == byDecimals.end()) {
                TFormat format = book.addFormat();
                format.setAlignH(XL_ALIGNH_CENTER);
                format.setNumFormat(book.addCustomNumFormat(
                    decimals == 0 ? std::string("0") : "0." + std::string(decimals, '0')));
                it = byDecimals.emplace(decimals, format).first;
            }
            sheet.writeNum(row, col, *number, &it->second);
        }
    }
}

// A problem with the inputs that stops the workbook before anything is asked or written.
std::optional<std::string> inputProblem(const CapacityWorkbookInput& input,
                                        const TableLayout& layout, const WorkbookPrint& print) {
    if (input.useDensity && input.rows.weightCount() != input.rows.size()) {
        return msg::weightsDoNotMatch(input.rows.weightCount(), input.rows.size());
    }
    if (auto problem = layoutProblem(layout)) {
        return problem;
    }
    return pageBreakProblem(layout, print);
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

std::string workbookTitle(const std::string& summary, const std::string& note) {
    const std::string noted = note.empty() ? summary : summary + kCrLf + note;
    return noted + kCrLf + kCrLf + msg::kTitleFooterGenerator + kCrLf + msg::kTitleFooterContact;
}

namespace {

// The workbook, asked for first and opened after when `confirmAndOpen`.
bool writeWorkbook(const CapacityWorkbookInput& input, const std::string& path, UiServices& ui,
                   WorkbookSession& told, bool confirmAndOpen) {
    const int titleRows = input.title != nullptr ? titleBlockRows(*input.title) : 1;
    const TableRows& rows = input.rows;
    TableLayout layout = tableLayout(rows.size(), input.useDensity, input.rowsPerBlock,
                                     input.increments, titleRows, input.uncertainty);
    layout.units = input.units;
    const WorkbookPrint print = workbookPrint(layout, input.tankNumber);
    if (auto problem = inputProblem(input, layout, print)) {
        ui.messageBox(*problem, msg::kErrorCaption, MessageButtons::Ok, MessageIcon::Error);
        return false;
    }
    TXmlBook book;  // released on every way out
    WorkbookFormats formats(book);
    const AddedFormats added(book, formats, input.title != nullptr, input.increments,
                             static_cast<bool>(input.beyondTank), input.uncertainty);

    const std::string summary = workbookSummary(input);
    const std::string title = workbookTitle(summary, input.note);
    if (confirmAndOpen &&
        ui.messageBox(workbookPrompt(summary, told.promptNote), msg::kPromptCaption,
                      MessageButtons::YesNo, MessageIcon::Information) != MessageAnswer::Yes) {
        return false;
    }

    TSheet sheet = book.addSheet(msg::kSheetName);
    if (input.title != nullptr) {
        const int pageColumns = print.blocksPerPage * layout.blockWidth;
        writeTitleBlock(sheet, added, *input.title, pageColumns - 1);
    } else {
        sheet.writeStr(0, 0, title, &formats.title);
        sheet.setRow(0, kTitleRowHeight, &formats.title);
        sheet.setMerge(0, 0, 0, kTitleLastColumn);
    }

    std::exception_ptr failure;  // of the rows, while the save reads them
    writeTable(sheet, formats, added, rows, layout, input, told.progress, failure);
    writePageSetup(sheet, print);
    for (const SideTable& side : input.sideTables) {
        writeSideTable(book, formats, side);
    }

    try {
        book.save(path);
    } catch (const ExceptionXL& e) {
        if (failure) {
            std::rethrow_exception(failure);
        }
        told.saveFailure = e.what();
        ui.messageBox(msg::saveFailed(told.saveFailure), msg::kErrorCaption, MessageButtons::Ok,
                      MessageIcon::Error);
        return false;
    }
    if (confirmAndOpen) {
        // Whether a viewer started does not change the saved file; the caller may say so.
        told.opened = ui.openDocument(path);
    }
    return true;
}

}  // namespace

bool SaveFileToExcel3(const CapacityWorkbookInput& input, const std::string& path, UiServices& ui,
                      const WorkbookSave& how) {
    WorkbookSession ignored;
    return writeWorkbook(input, path, ui, how.session != nullptr ? *how.session : ignored,
                         how.confirmAndOpen);
}

bool saveCapacityTable(const TableHead& table, const TableRows& rows, const std::string& path,
                       UiServices& ui, const WorkbookSave& how) {
    const TankConfig& config = table.config;
    std::optional<TableTitle> title;
    if (table.identity.any()) {
        title = tableTitle(table, rows);
    }
    CapacityWorkbookInput input{rows,
                                config.useDensity,
                                config.parameterSummary,
                                config.shellKind,
                                config.rowsPerBlock,
                                title ? &*title : nullptr,
                                table.identity.value(kTankNumberField),
                                table.increments};
    input.sideTables = uprightTables(config);
    input.units = config.units;
    if (!beyondTankNote(config, rows).empty()) {
        input.beyondTank = [&config](double level) { return rowBeyondTank(config, level); };
    }
    input.note = tableNotes(table, rows);
    if (table.uncertaintyLimit) {
        input.uncertainty = true;
        input.aboveLimit = [&table](const RowNumbers& r) { return rowAboveLimit(table, r); };
    }
    return SaveFileToExcel3(input, path, ui, how);
}

}  // namespace quorvel
