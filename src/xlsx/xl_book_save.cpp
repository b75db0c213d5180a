// Turns a recorded book into an .xlsx file through libxlsxwriter.
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "xlsx/c_numeric_locale.h"
#include "xlsx/xl_book_model.h"
#include "xlsx/xl_palette.h"
#include "xlsx/xl_text.h"

namespace quorvel {
namespace {

void check(lxw_error result, const char* what) {
    if (result != LXW_NO_ERROR) {
        throw std::runtime_error(std::string(what) + ": " + lxw_strerror(result));
    }
}

uint8_t horizontalAlignment(int code) {
    switch (code) {
        case XL_ALIGNH_LEFT:
            return LXW_ALIGN_LEFT;
        case XL_ALIGNH_CENTER:
            return LXW_ALIGN_CENTER;
        case XL_ALIGNH_RIGHT:
            return LXW_ALIGN_RIGHT;
        case XL_ALIGNH_FILL:
            return LXW_ALIGN_FILL;
        case XL_ALIGNH_JUSTIFY:
            return LXW_ALIGN_JUSTIFY;
        case XL_ALIGNH_MERGE:
            return LXW_ALIGN_CENTER_ACROSS;
        case XL_ALIGNH_DISTRIBUTED:
            return LXW_ALIGN_DISTRIBUTED;
        default:
            return LXW_ALIGN_NONE;
    }
}

uint8_t verticalAlignment(int code) {
    switch (code) {
        case XL_ALIGNV_TOP:
            return LXW_ALIGN_VERTICAL_TOP;
        case XL_ALIGNV_CENTER:
            return LXW_ALIGN_VERTICAL_CENTER;
        case XL_ALIGNV_JUSTIFY:
            return LXW_ALIGN_VERTICAL_JUSTIFY;
        case XL_ALIGNV_DISTRIBUTED:
            return LXW_ALIGN_VERTICAL_DISTRIBUTED;
        default:
            return LXW_ALIGN_NONE;  // bottom, the file format's default
    }
}

void describeFormat(lxw_format* out, const XlFormat& format, const XlBook& book) {
    static const XlFont defaultFont;
    const XlFont& font = format.font != nullptr ? *format.font : defaultFont;
    if (font.bold)
        format_set_bold(out);
    format_set_font_name(out, font.name.c_str());
    format_set_font_size(out, font.size);
    if (uint8_t h = horizontalAlignment(format.alignH); h != LXW_ALIGN_NONE) {
        format_set_align(out, h);
    }
    if (uint8_t v = verticalAlignment(format.alignV); v != LXW_ALIGN_NONE) {
        format_set_align(out, v);
    }
    if (format.shrinkToFit)
        format_set_shrink(out);
    if (format.fillPattern != XL_FILLPATTERN_NONE) {
        format_set_pattern(out, static_cast<uint8_t>(format.fillPattern));
        if (auto rgb = paletteColor(format.patternColor)) {
            format_set_fg_color(out, *rgb);
        }
    }
    if (format.numFormat >= kXlFirstCustomNumFormat) {
        const auto index = static_cast<std::size_t>(format.numFormat - kXlFirstCustomNumFormat);
        format_set_num_format(out, book.customNumFormats.at(index).c_str());
    } else if (format.numFormat != XL_NUMFORMAT_GENERAL) {
        format_set_num_format_index(out, static_cast<uint8_t>(format.numFormat));
    }
}

// Page breaks as libxlsxwriter takes them: ascending, ended by a 0.
template <typename Index>
std::vector<Index> breakList(const std::set<int>& breaks) {
    std::vector<Index> list(breaks.begin(), breaks.end());
    list.push_back(0);
    return list;
}

void applyPageSetup(lxw_worksheet* ws, const XlPageSetup& page) {
    if (page.paper)
        worksheet_set_paper(ws, static_cast<uint8_t>(*page.paper));
    if (page.landscape) {
        if (*page.landscape)
            worksheet_set_landscape(ws);
        else
            worksheet_set_portrait(ws);
    }
    if (page.marginLeft || page.marginRight || page.marginTop || page.marginBottom) {
        // A negative margin keeps the library's default for that side.
        worksheet_set_margins(ws, page.marginLeft.value_or(-1), page.marginRight.value_or(-1),
                              page.marginTop.value_or(-1), page.marginBottom.value_or(-1));
    }
    for (auto [part, set] : {std::pair{&page.header, &worksheet_set_header_opt},
                             std::pair{&page.footer, &worksheet_set_footer_opt}}) {
        if (*part) {
            lxw_header_footer_options options{};
            options.margin = (*part)->margin;
            check(set(ws, (*part)->text.c_str(), &options), "setting a header or footer");
        }
    }
    if (page.repeatRows) {
        check(worksheet_repeat_rows(ws, static_cast<lxw_row_t>(page.repeatRows->first),
                                    static_cast<lxw_row_t>(page.repeatRows->second)),
              "setting the rows repeated on each page");
    }
    if (page.printArea) {
        const XlRange& a = *page.printArea;
        check(worksheet_print_area(
                  ws, static_cast<lxw_row_t>(a.rowFirst), static_cast<lxw_col_t>(a.colFirst),
                  static_cast<lxw_row_t>(a.rowLast), static_cast<lxw_col_t>(a.colLast)),
              "setting the print area");
    }
    // The library copies the lists.
    if (!page.rowBreaks.empty()) {
        std::vector<lxw_row_t> rows = breakList<lxw_row_t>(page.rowBreaks);
        check(worksheet_set_h_pagebreaks(ws, rows.data()), "setting page breaks");
    }
    if (!page.colBreaks.empty()) {
        std::vector<lxw_col_t> cols = breakList<lxw_col_t>(page.colBreaks);
        check(worksheet_set_v_pagebreaks(ws, cols.data()), "setting page breaks");
    }
    if (page.zoom)
        worksheet_set_print_scale(ws, static_cast<uint16_t>(*page.zoom));
    if (page.fit) {
        worksheet_fit_to_pages(ws, static_cast<uint16_t>(page.fit->first),
                               static_cast<uint16_t>(page.fit->second));
    }
}

// The cells grouped by row, rows ascending, each row's cells in the order written (a
// counting sort: the table's cells come column block by column block).
std::vector<const XlCell*> cellsByRow(const std::vector<XlCell>& cells) {
    std::uint32_t lastRow = 0;
    for (const XlCell& c : cells)
        lastRow = std::max(lastRow, c.row);
    std::vector<std::uint32_t> start(cells.empty() ? 0 : lastRow + 2, 0);
    for (const XlCell& c : cells)
        ++start[c.row + 1];
    for (std::size_t r = 1; r < start.size(); ++r)
        start[r] += start[r - 1];
    std::vector<const XlCell*> sorted(cells.size());
    for (const XlCell& c : cells)
        sorted[start[c.row]++] = &c;
    return sorted;
}

class Writer {
  public:
    Writer(const std::string& path, const std::string& temporaryFolder) {
        lxw_workbook_options options{};
        // Rows go straight to a temporary file instead of being held in memory; this needs
        // them in row order and every merged range before its rows, which addSheet ensures.
        options.constant_memory = LXW_TRUE;
        // Named, so that the folder a failure is blamed on is the one the library used.
        options.tmpdir = const_cast<char*>(temporaryFolder.c_str());
        workbook_ = workbook_new_opt(path.c_str(), &options);
        if (workbook_ == nullptr) {
            throw std::runtime_error("cannot start a workbook");
        }
    }
    ~Writer() {
        if (workbook_ != nullptr) {
            workbook_close(workbook_);  // frees it; the caller discards the half-made file
        }
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void addFormats(const XlBook& book) {
        for (const XlFormat& format : book.formats) {
            lxw_format* out = workbook_add_format(workbook_);
            if (out == nullptr) {
                throw std::runtime_error("out of memory");
            }
            describeFormat(out, format, book);
            formats_.emplace(&format, out);
        }
    }

    void addSheet(const XlSheet& sheet) {
        lxw_worksheet* ws = workbook_add_worksheet(workbook_, sheet.name.c_str());
        if (ws == nullptr) {
            throw std::runtime_error("cannot add the sheet \"" + sheet.name + "\"");
        }
        applyPageSetup(ws, sheet.page);
        // Merged ranges and columns are kept apart from the rows, so they may come first.
        // A merge without text or format writes no cells.
        for (const XlRange& m : sheet.merges) {
            check(worksheet_merge_range(ws, static_cast<lxw_row_t>(m.rowFirst),
                                        static_cast<lxw_col_t>(m.colFirst),
                                        static_cast<lxw_row_t>(m.rowLast),
                                        static_cast<lxw_col_t>(m.colLast), "", nullptr),
                  "merging cells");
        }
        for (const XlColSetting& c : sheet.cols) {
            lxw_row_col_options options{};
            options.hidden = c.hidden ? 1 : 0;
            check(worksheet_set_column_opt(ws, static_cast<lxw_col_t>(c.first),
                                           static_cast<lxw_col_t>(c.last), c.width,
                                           format(c.format), &options),
                  "setting columns");
        }
        // Rows are streamed to the file one after another, so each row's setting and cells
        // go out together, in row order; within a row the later of two writes wins, and the
        // numbers produced at save time come after the cells written before.
        std::vector<const XlRowSetting*> rows;
        for (const XlRowSetting& r : sheet.rows)
            rows.push_back(&r);
        std::stable_sort(
            rows.begin(), rows.end(),
            [](const XlRowSetting* a, const XlRowSetting* b) { return a->row < b->row; });
        const std::vector<const XlCell*> cells = cellsByRow(sheet.cells);
        auto nextRow = rows.begin();
        auto nextCell = cells.begin();
        const bool streamed = static_cast<bool>(sheet.streamSource);
        auto nextStreamed = static_cast<std::int64_t>(sheet.streamFirst);
        const auto lastStreamed = static_cast<std::int64_t>(sheet.streamLast);
        Sink sink(*this, sheet, ws);
        written_.sheets.emplace_back();
        constexpr auto kNone = std::numeric_limits<std::int64_t>::max();
        for (;;) {
            const std::int64_t stored = std::min(
                nextRow != rows.end() ? (*nextRow)->row : kNone,
                nextCell != cells.end() ? static_cast<std::int64_t>((*nextCell)->row) : kNone);
            const std::int64_t produced =
                streamed && nextStreamed <= lastStreamed ? nextStreamed : kNone;
            const std::int64_t row = std::min(stored, produced);
            if (row == kNone)
                break;
            const bool rowSet = nextRow != rows.end() && (*nextRow)->row == row;
            for (; nextRow != rows.end() && (*nextRow)->row == row; ++nextRow) {
                lxw_row_col_options options{};
                options.hidden = (*nextRow)->hidden ? 1 : 0;
                check(worksheet_set_row_opt(ws, static_cast<lxw_row_t>(row), (*nextRow)->height,
                                            format((*nextRow)->format), &options),
                      "setting a row");
            }
            for (; nextCell != cells.end() && (*nextCell)->row == row; ++nextCell) {
                writeCell(ws, sheet, **nextCell);
            }
            if (row == produced) {
                sink.row = static_cast<lxw_row_t>(row);
                sheet.streamSource(static_cast<int>(row), sink);
                ++nextStreamed;
            }
            countRow(rowSet);
        }
    }

    // The library reports a failed write only by its own error code; the system's reason
    // (a full disk, say) is what errno holds when it returns.
    void close() {
        lxw_workbook* workbook = workbook_;
        workbook_ = nullptr;
        errno = 0;
        const lxw_error result = workbook_close(workbook);
        const int err = errno;
        if (result != LXW_NO_ERROR) {
            std::string what = std::string("writing the file: ") + lxw_strerror(result);
            if (err != 0)
                what.append(" (").append(std::strerror(err)).append(")");
            throw std::runtime_error(what);
        }
    }

  private:
    // The numbers of a row produced at save time, checked as xlSheetWriteNumA checks them.
    class Sink final : public XlRowSink {
      public:
        Sink(Writer& writer, const XlSheet& sheet, lxw_worksheet* ws)
            : writer_(writer), sheet_(sheet), ws_(ws) {}
        void number(int col, double value, FormatHandle format) override {
            if (auto problem =
                    numberCellProblem(sheet_, static_cast<int>(row), col, value, format)) {
                throw std::runtime_error(*problem);
            }
            check(worksheet_write_number(ws_, row, static_cast<lxw_col_t>(col), value,
                                         writer_.format(format)),
                  "writing a number");
            writer_.rowColumns_.push_back(col);
        }
        lxw_row_t row = 0;

      private:
        Writer& writer_;
        const XlSheet& sheet_;
        lxw_worksheet* ws_;
    };

    // What the library puts in the file of the row just written: the row, when it has a
    // setting or a cell, and each of its cells once (a later write to a cell replaces it).
    void countRow(bool rowSet) {
        std::sort(rowColumns_.begin(), rowColumns_.end());
        const auto cells = static_cast<std::uint64_t>(
            std::unique(rowColumns_.begin(), rowColumns_.end()) - rowColumns_.begin());
        XlSheetCounts& sheet = written_.sheets.back();
        sheet.cells += cells;
        sheet.rows += rowSet || cells > 0 ? 1 : 0;
        rowColumns_.clear();
    }

    void writeCell(lxw_worksheet* ws, const XlSheet& sheet, const XlCell& cell) {
        if (cell.isText) {
            const std::string text = escapeLiteralCharacterCodes(sheet.texts[cell.textIndex]);
            written_.textBytes += text.size();
            // An empty text without a format writes nothing; with one, a blank cell.
            if (!text.empty() || cell.format != nullptr) {
                rowColumns_.push_back(static_cast<int>(cell.col));
            }
            check(worksheet_write_string(ws, cell.row, cell.col, text.c_str(), format(cell.format)),
                  "writing a text");
        } else {
            check(worksheet_write_number(ws, cell.row, cell.col, cell.number, format(cell.format)),
                  "writing a number");
            rowColumns_.push_back(static_cast<int>(cell.col));
        }
    }

    lxw_format* format(const XlFormat* f) {
        if (f == nullptr)
            return nullptr;
        if (f != lastKey_) {
            lastKey_ = f;
            lastValue_ = formats_.at(f);
        }
        return lastValue_;
    }

  public:
    const XlWritten& written() const { return written_; }

  private:
    lxw_workbook* workbook_ = nullptr;
    XlWritten written_;
    std::vector<int> rowColumns_;  // the columns written in the current row
    std::unordered_map<const XlFormat*, lxw_format*> formats_;
    const XlFormat* lastKey_ = nullptr;
    lxw_format* lastValue_ = nullptr;
};

}  // namespace

XlWritten writeXlsxFile(const XlBook& book, const std::string& path,
                        const std::string& temporaryFolder) {
    // libxlsxwriter prints numbers, row heights and column widths with printf.
    ScopedCNumericLocale numericC;
    if (!numericC.active()) {
        throw std::runtime_error("cannot switch to the C numeric locale");
    }
    Writer writer(path, temporaryFolder);
    writer.addFormats(book);
    for (const XlSheet& sheet : book.sheets) {
        writer.addSheet(sheet);
    }
    writer.close();
    return writer.written();
}

}  // namespace quorvel
