#include "xlsx/xl_book.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "files/atomic_file.h"
#include "files/temporary_file.h"
#include "xlsx/xl_book_check.h"
#include "xlsx/xl_book_model.h"
#include "xlsx/xl_palette.h"
#include "xlsx/xl_text.h"

namespace quorvel {
namespace {

constexpr std::size_t kMaxCellChars = 32767;
constexpr std::size_t kMaxSheetNameChars = 31;
constexpr std::size_t kMaxFontNameChars = 31;
constexpr double kMaxRowHeight = 409;
constexpr double kMaxColWidth = 255;
constexpr std::size_t kMaxNumFormatChars = 255;
constexpr std::size_t kMaxHeaderFooterChars = 255;
constexpr double kMaxMargin = 49;

// The file just written, read through before it replaces anything: a part the library's
// temporary files left incomplete fails the save as a failure of the temporary folder, with
// the reason the folder gives for not holding what the library needed.
void checkWritten(const std::string& path, const std::string& folder, const XlWritten& written) {
    const std::optional<WorkbookDamage> damage = workbookDamage(path, written.sheets);
    if (!damage) {
        return;
    }
    if (damage->brokenZip) {
        throw std::runtime_error("the file written does not open as a workbook: " + damage->detail);
    }
    const int code = temporaryFolderShortage(folder, written.temporaryBytesBound());
    const FileError e = temporaryFileError("the workbook's parts", code);
    throw FileError(std::string(e.what()) + " (" + damage->detail + ")", e.path(), e.code(),
                    e.fault());
}

int fail(XlBook* book, std::string message) {
    book->error = std::move(message);
    return 0;
}

std::string cellName(int row, int col) {
    return "row " + std::to_string(row) + ", column " + std::to_string(col);
}

bool rowInRange(int row) {
    return row >= 0 && row < kXlMaxRows;
}
bool colInRange(int col) {
    return col >= 0 && col < kXlMaxColumns;
}

// The problem of a cell address and a format, if any.
std::optional<std::string> cellProblem(const XlSheet& sheet, int row, int col,
                                       FormatHandle format) {
    if (!rowInRange(row) || !colInRange(col)) {
        return "cell " + cellName(row, col) + " lies outside the sheet (" +
               std::to_string(kXlMaxRows) + " rows, " + std::to_string(kXlMaxColumns) + " columns)";
    }
    if (format != nullptr && format->book != sheet.book) {
        return "the format of cell " + cellName(row, col) + " belongs to another book";
    }
    return std::nullopt;
}

// Checks a cell address and a format before a cell is recorded.
bool checkCell(XlSheet* sheet, int row, int col, FormatHandle format) {
    if (auto problem = cellProblem(*sheet, row, col, format)) {
        return fail(sheet->book, std::move(*problem)) != 0;
    }
    return true;
}

bool checkSheetName(XlBook* book, std::string_view name) {
    if (!isValidUtf8(name)) {
        return fail(book, "the sheet name is not valid UTF-8");
    }
    const std::size_t length = utf8Length(name);
    if (length == 0 || length > kMaxSheetNameChars) {
        return fail(book,
                    "a sheet name must have 1 to 31 characters: \"" + std::string(name) + "\"");
    }
    if (name.find_first_of("[]:*?/\\") != std::string_view::npos) {
        return fail(book, "a sheet name must not contain any of [ ] : * ? / \\: \"" +
                              std::string(name) + "\"");
    }
    if (name.front() == '\'' || name.back() == '\'') {
        return fail(book, "a sheet name must not begin or end with an apostrophe: \"" +
                              std::string(name) + "\"");
    }
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out) {
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        }
        return out;
    };
    for (const XlSheet& s : book->sheets) {
        if (lower(s.name) == lower(name)) {
            return fail(book, "the book already has a sheet named \"" + std::string(name) + "\"");
        }
    }
    return true;
}

bool overlaps(const XlRange& a, const XlRange& b) {
    return a.rowFirst <= b.rowLast && b.rowFirst <= a.rowLast && a.colFirst <= b.colLast &&
           b.colFirst <= a.colLast;
}

std::string rangeName(const XlRange& r) {
    return "rows " + std::to_string(r.rowFirst) + "-" + std::to_string(r.rowLast) + ", columns " +
           std::to_string(r.colFirst) + "-" + std::to_string(r.colLast);
}

// Runs `body`, turning an exhausted memory into a failure of the book.
template <typename Body>
auto guarded(XlBook* book, Body body) noexcept -> decltype(body()) {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        book->error = "out of memory";
    } catch (const std::exception& e) {
        book->error = e.what();
    }
    return {};
}

}  // namespace

std::optional<std::string> numberCellProblem(const XlSheet& sheet, int row, int col, double value,
                                             FormatHandle format) {
    if (auto problem = cellProblem(sheet, row, col, format)) {
        return problem;
    }
    if (!std::isfinite(value)) {
        return "cannot write " + std::string(std::isnan(value) ? "NaN" : "an infinity") + " to " +
               cellName(row, col) + ": a sheet holds finite numbers only";
    }
    return std::nullopt;
}

BookHandle xlCreateXMLBookCA() noexcept {
    return new (std::nothrow) XlBook();
}

FontHandle xlBookAddFontA(BookHandle book, FontHandle initFont) noexcept {
    if (book == nullptr)
        return nullptr;
    return guarded(book, [&]() -> FontHandle {
        if (initFont != nullptr && initFont->book != book) {
            fail(book, "the font to copy belongs to another book");
            return nullptr;
        }
        XlFont font = initFont != nullptr ? *initFont : XlFont{};
        font.book = book;
        return &book->fonts.emplace_back(std::move(font));
    });
}

int xlFontSetBoldA(FontHandle font, int bold) noexcept {
    if (font == nullptr)
        return 0;
    font->bold = bold != 0;
    return 1;
}

int xlFontSetNameA(FontHandle font, const char* name) noexcept {
    if (font == nullptr)
        return 0;
    return guarded(font->book, [&]() -> int {
        std::string_view text = name != nullptr ? name : "";
        if (!isValidUtf8(text)) {
            return fail(font->book, "the font name is not valid UTF-8");
        }
        const std::size_t length = utf8Length(text);
        if (length == 0 || length > kMaxFontNameChars) {
            return fail(font->book,
                        "a font name must have 1 to 31 characters: \"" + std::string(text) + "\"");
        }
        font->name = text;
        return 1;
    });
}

int xlFontSetSizeA(FontHandle font, int size) noexcept {
    if (font == nullptr)
        return 0;
    if (size < 1 || size > 409) {
        return fail(font->book, "a font size must be 1 to 409 points, not " + std::to_string(size));
    }
    font->size = size;
    return 1;
}

FormatHandle xlBookAddFormatA(BookHandle book, FormatHandle initFormat) noexcept {
    if (book == nullptr)
        return nullptr;
    return guarded(book, [&]() -> FormatHandle {
        if (initFormat != nullptr && initFormat->book != book) {
            fail(book, "the format to copy belongs to another book");
            return nullptr;
        }
        XlFormat format = initFormat != nullptr ? *initFormat : XlFormat{};
        format.book = book;
        return &book->formats.emplace_back(format);
    });
}

int xlFormatSetFontA(FormatHandle format, FontHandle font) noexcept {
    if (format == nullptr)
        return 0;
    if (font == nullptr) {
        return fail(format->book, "no font given for the format");
    }
    if (font->book != format->book) {
        return fail(format->book, "the font belongs to another book");
    }
    format->font = font;
    return 1;
}

int xlFormatSetAlignHA(FormatHandle format, int align) noexcept {
    if (format == nullptr)
        return 0;
    if (align < XL_ALIGNH_GENERAL || align > XL_ALIGNH_DISTRIBUTED) {
        return fail(format->book, "unknown horizontal alignment " + std::to_string(align));
    }
    format->alignH = align;
    return 1;
}

int xlFormatSetAlignVA(FormatHandle format, int align) noexcept {
    if (format == nullptr)
        return 0;
    if (align < XL_ALIGNV_TOP || align > XL_ALIGNV_DISTRIBUTED) {
        return fail(format->book, "unknown vertical alignment " + std::to_string(align));
    }
    format->alignV = align;
    return 1;
}

int xlFormatSetShrinkToFitA(FormatHandle format, int shrink) noexcept {
    if (format == nullptr)
        return 0;
    format->shrinkToFit = shrink != 0;
    return 1;
}

int xlFormatSetFillPatternA(FormatHandle format, int pattern) noexcept {
    if (format == nullptr)
        return 0;
    if (pattern < XL_FILLPATTERN_NONE || pattern > XL_FILLPATTERN_GRAY0625) {
        return fail(format->book, "unknown fill pattern " + std::to_string(pattern));
    }
    format->fillPattern = pattern;
    return 1;
}

int xlFormatSetPatternForegroundColorA(FormatHandle format, int color) noexcept {
    if (format == nullptr)
        return 0;
    if (!paletteColor(color)) {
        return fail(format->book,
                    "palette colour " + std::to_string(color) + " does not exist (0 to 63)");
    }
    format->patternColor = color;
    return 1;
}

int xlFormatSetNumFormatA(FormatHandle format, int numFormat) noexcept {
    if (format == nullptr)
        return 0;
    const auto customs = static_cast<int>(format->book->customNumFormats.size());
    const bool custom =
        numFormat >= kXlFirstCustomNumFormat && numFormat < kXlFirstCustomNumFormat + customs;
    if (!isBuiltInNumFormat(numFormat) && !custom) {
        return fail(format->book,
                    "number format " + std::to_string(numFormat) + " is not a built-in format");
    }
    format->numFormat = numFormat;
    return 1;
}

int xlBookAddCustomNumFormatA(BookHandle book, const char* numFormat) noexcept {
    if (book == nullptr)
        return 0;
    return guarded(book, [&]() -> int {
        std::string_view text = numFormat != nullptr ? numFormat : "";
        if (text.empty() || !isValidUtf8(text) || utf8Length(text) > kMaxNumFormatChars) {
            return fail(book, "a number format must be UTF-8 text of 1 to 255 characters");
        }
        auto& formats = book->customNumFormats;
        auto it = std::find(formats.begin(), formats.end(), text);
        if (it == formats.end()) {
            it = formats.emplace(formats.end(), text);
        }
        return kXlFirstCustomNumFormat + static_cast<int>(it - formats.begin());
    });
}

SheetHandle xlBookAddSheetA(BookHandle book, const char* name, SheetHandle initSheet) noexcept {
    if (book == nullptr)
        return nullptr;
    return guarded(book, [&]() -> SheetHandle {
        if (initSheet != nullptr) {
            fail(book, "copying a sheet is not supported");
            return nullptr;
        }
        std::string_view text = name != nullptr ? name : "";
        if (!checkSheetName(book, text)) {
            return nullptr;
        }
        XlSheet& sheet = book->sheets.emplace_back();
        sheet.book = book;
        sheet.name = text;
        return &sheet;
    });
}

int xlSheetWriteStrA(SheetHandle sheet, int row, int col, const char* value,
                     FormatHandle format) noexcept {
    if (sheet == nullptr)
        return 0;
    return guarded(sheet->book, [&]() -> int {
        if (!checkCell(sheet, row, col, format)) {
            return 0;
        }
        std::string_view text = value != nullptr ? value : "";
        if (!isValidUtf8(text)) {
            return fail(sheet->book, "the text for " + cellName(row, col) + " is not valid UTF-8");
        }
        if (utf8Length(text) > kMaxCellChars) {
            return fail(sheet->book, "the text for " + cellName(row, col) + " is longer than " +
                                         std::to_string(kMaxCellChars) + " characters");
        }
        sheet->texts.emplace_back(text);
        sheet->cells.push_back({static_cast<std::uint32_t>(row), static_cast<std::uint16_t>(col),
                                true, format, 0.0,
                                static_cast<std::uint32_t>(sheet->texts.size() - 1)});
        return 1;
    });
}

int xlSheetWriteNumA(SheetHandle sheet, int row, int col, double value,
                     FormatHandle format) noexcept {
    if (sheet == nullptr)
        return 0;
    return guarded(sheet->book, [&]() -> int {
        if (auto problem = numberCellProblem(*sheet, row, col, value, format)) {
            return fail(sheet->book, std::move(*problem));
        }
        sheet->cells.push_back({static_cast<std::uint32_t>(row), static_cast<std::uint16_t>(col),
                                false, format, value, 0});
        return 1;
    });
}

int xlSheetStreamRowsA(SheetHandle sheet, int rowFirst, int rowLast, XlRowSource source) noexcept {
    if (sheet == nullptr)
        return 0;
    return guarded(sheet->book, [&]() -> int {
        if (!rowInRange(rowFirst) || !rowInRange(rowLast) || rowLast < rowFirst) {
            return fail(sheet->book, "rows " + std::to_string(rowFirst + 1) + " to " +
                                         std::to_string(rowLast + 1) +
                                         " are no range of the sheet");
        }
        if (sheet->streamSource) {
            return fail(sheet->book, "the sheet already has rows produced at save time");
        }
        if (!source) {
            return fail(sheet->book, "no source for the rows produced at save time");
        }
        sheet->streamFirst = rowFirst;
        sheet->streamLast = rowLast;
        sheet->streamSource = std::move(source);
        return 1;
    });
}

int xlSheetSetRowA(SheetHandle sheet, int row, double height, FormatHandle format,
                   int hidden) noexcept {
    if (sheet == nullptr)
        return 0;
    return guarded(sheet->book, [&]() -> int {
        if (!rowInRange(row)) {
            return fail(sheet->book, "row " + std::to_string(row) + " lies outside the sheet");
        }
        if (!(height >= 0 && height <= kMaxRowHeight)) {
            return fail(sheet->book, "a row height must be 0 to 409 points");
        }
        if (format != nullptr && format->book != sheet->book) {
            return fail(sheet->book,
                        "the format of row " + std::to_string(row) + " belongs to another book");
        }
        sheet->rows.push_back({row, height, format, hidden != 0});
        return 1;
    });
}

int xlSheetSetMergeA(SheetHandle sheet, int rowFirst, int rowLast, int colFirst,
                     int colLast) noexcept {
    if (sheet == nullptr)
        return 0;
    return guarded(sheet->book, [&]() -> int {
        const XlRange range{rowFirst, rowLast, colFirst, colLast};
        if (!rowInRange(rowFirst) || !rowInRange(rowLast) || !colInRange(colFirst) ||
            !colInRange(colLast) || rowFirst > rowLast || colFirst > colLast) {
            return fail(sheet->book,
                        "cannot merge " + rangeName(range) + ": not a range of the sheet");
        }
        if (rowFirst == rowLast && colFirst == colLast) {
            return fail(sheet->book, "cannot merge " + rangeName(range) + ": a single cell");
        }
        for (const XlRange& other : sheet->merges) {
            if (overlaps(range, other)) {
                return fail(sheet->book, "cannot merge " + rangeName(range) +
                                             ": it overlaps the merged " + rangeName(other));
            }
        }
        sheet->merges.push_back(range);
        return 1;
    });
}

int xlSheetSetColA(SheetHandle sheet, int colFirst, int colLast, double width, FormatHandle format,
                   int hidden) noexcept {
    if (sheet == nullptr)
        return 0;
    return guarded(sheet->book, [&]() -> int {
        if (!colInRange(colFirst) || !colInRange(colLast) || colFirst > colLast) {
            return fail(sheet->book, "columns " + std::to_string(colFirst) + "-" +
                                         std::to_string(colLast) + " are not a range of the sheet");
        }
        if (!(width >= 0 && width <= kMaxColWidth)) {
            return fail(sheet->book, "a column width must be 0 to 255 characters");
        }
        if (format != nullptr && format->book != sheet->book) {
            return fail(sheet->book, "the format of the columns belongs to another book");
        }
        sheet->cols.push_back({colFirst, colLast, width, format, hidden != 0});
        return 1;
    });
}

namespace {

// Runs a page setup change on a sheet that exists.
template <typename Change>
int pageSetup(SheetHandle sheet, Change change) noexcept {
    if (sheet == nullptr)
        return 0;
    return guarded(sheet->book, [&]() -> int { return change(sheet->page); });
}

int setMargin(SheetHandle sheet, std::optional<double> XlPageSetup::*side, double margin,
              const char* name) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        if (!(margin >= 0 && margin <= kMaxMargin)) {
            return fail(sheet->book, std::string("the ") + name + " margin must be 0 to 49 inches");
        }
        page.*side = margin;
        return 1;
    });
}

int setHeaderFooter(SheetHandle sheet, std::optional<XlHeaderFooter> XlPageSetup::*which,
                    const char* text, double margin, const char* name) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        std::string_view value = text != nullptr ? text : "";
        if (!isValidUtf8(value) || utf8Length(value) > kMaxHeaderFooterChars) {
            return fail(sheet->book,
                        std::string("a ") + name + " must be UTF-8 text of at most 255 characters");
        }
        if (!(margin >= 0 && margin <= kMaxMargin)) {
            return fail(sheet->book, std::string("the ") + name + " margin must be 0 to 49 inches");
        }
        page.*which = XlHeaderFooter{std::string(value), margin};
        return 1;
    });
}

int setPageBreak(SheetHandle sheet, std::set<int> XlPageSetup::*breaks, int at, int pageBreak,
                 bool row) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        const char* what = row ? "row" : "column";
        if (at < 1 || (row ? !rowInRange(at) : !colInRange(at))) {
            return fail(sheet->book, std::string("no page break can go before ") + what + " " +
                                         std::to_string(at));
        }
        std::set<int>& set = page.*breaks;
        if (pageBreak == 0) {
            set.erase(at);
        } else if (!set.contains(at)) {
            if (set.size() >= static_cast<std::size_t>(kXlMaxPageBreaks)) {
                return fail(sheet->book,
                            std::string("a sheet holds at most 1023 ") + what + " page breaks");
            }
            set.insert(at);
        }
        return 1;
    });
}

}  // namespace

int xlSheetSetPaperA(SheetHandle sheet, int paper) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        if (paper < 0 || paper > 118) {
            return fail(sheet->book, "unknown paper size " + std::to_string(paper));
        }
        page.paper = paper;
        return 1;
    });
}

int xlSheetSetLandscapeA(SheetHandle sheet, int landscape) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        page.landscape = landscape != 0;
        return 1;
    });
}

int xlSheetSetMarginLeftA(SheetHandle sheet, double margin) noexcept {
    return setMargin(sheet, &XlPageSetup::marginLeft, margin, "left");
}
int xlSheetSetMarginRightA(SheetHandle sheet, double margin) noexcept {
    return setMargin(sheet, &XlPageSetup::marginRight, margin, "right");
}
int xlSheetSetMarginTopA(SheetHandle sheet, double margin) noexcept {
    return setMargin(sheet, &XlPageSetup::marginTop, margin, "top");
}
int xlSheetSetMarginBottomA(SheetHandle sheet, double margin) noexcept {
    return setMargin(sheet, &XlPageSetup::marginBottom, margin, "bottom");
}

int xlSheetSetHeaderA(SheetHandle sheet, const char* header, double margin) noexcept {
    return setHeaderFooter(sheet, &XlPageSetup::header, header, margin, "header");
}
int xlSheetSetFooterA(SheetHandle sheet, const char* footer, double margin) noexcept {
    return setHeaderFooter(sheet, &XlPageSetup::footer, footer, margin, "footer");
}

int xlSheetSetPrintRepeatRowsA(SheetHandle sheet, int rowFirst, int rowLast) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        if (!rowInRange(rowFirst) || !rowInRange(rowLast) || rowFirst > rowLast) {
            return fail(sheet->book, "rows " + std::to_string(rowFirst) + "-" +
                                         std::to_string(rowLast) + " are not a range of the sheet");
        }
        page.repeatRows = std::pair{rowFirst, rowLast};
        return 1;
    });
}

int xlSheetSetPrintAreaA(SheetHandle sheet, int rowFirst, int rowLast, int colFirst,
                         int colLast) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        const XlRange range{rowFirst, rowLast, colFirst, colLast};
        if (!rowInRange(rowFirst) || !rowInRange(rowLast) || !colInRange(colFirst) ||
            !colInRange(colLast) || rowFirst > rowLast || colFirst > colLast) {
            return fail(sheet->book,
                        "cannot print " + rangeName(range) + ": not a range of the sheet");
        }
        page.printArea = range;
        return 1;
    });
}

int xlSheetSetHorPageBreakA(SheetHandle sheet, int row, int pageBreak) noexcept {
    return setPageBreak(sheet, &XlPageSetup::rowBreaks, row, pageBreak, true);
}
int xlSheetSetVerPageBreakA(SheetHandle sheet, int col, int pageBreak) noexcept {
    return setPageBreak(sheet, &XlPageSetup::colBreaks, col, pageBreak, false);
}

int xlSheetSetPrintZoomA(SheetHandle sheet, int zoom) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        if (zoom < 10 || zoom > 400) {
            return fail(sheet->book,
                        "a print zoom must be 10 to 400 %, not " + std::to_string(zoom));
        }
        page.zoom = zoom;
        return 1;
    });
}

int xlSheetSetPrintFitA(SheetHandle sheet, int wPages, int hPages) noexcept {
    return pageSetup(sheet, [&](XlPageSetup& page) -> int {
        if (wPages < 0 || hPages < 0 || wPages > 32767 || hPages > 32767) {
            return fail(sheet->book, "pages to fit must be 0 to 32767");
        }
        page.fit = std::pair{wPages, hPages};
        return 1;
    });
}

int xlBookSaveA(BookHandle book, const char* path) noexcept {
    if (book == nullptr)
        return 0;
    return guarded(book, [&]() -> int {
        const std::string target = path != nullptr ? path : "";
        if (target.empty()) {
            return fail(book, "no file name given");
        }
        if (book->sheets.empty()) {
            return fail(book, "cannot save " + target + ": the book has no sheet");
        }
        book->saveFileError.reset();
        try {
            replaceFileAtomically(target, [&](const std::string& temp) {
                const std::string folder = temporaryFolder();
                const XlWritten written = writeXlsxFile(*book, temp, folder);
                checkWritten(temp, folder, written);
            });
        } catch (const FileError& e) {
            book->saveFileError = e;
            return fail(book, e.what());
        } catch (const std::runtime_error& e) {
            return fail(book, "cannot save " + target + ": " + e.what());
        }
        return 1;
    });
}

const FileError* xlBookFileErrorA(BookHandle book) noexcept {
    return book != nullptr && book->saveFileError ? &*book->saveFileError : nullptr;
}

const char* xlBookErrorMessageA(BookHandle book) noexcept {
    if (book == nullptr)
        return "no book";
    return book->error.c_str();
}

void xlBookReleaseA(BookHandle book) noexcept {
    delete book;
}

}  // namespace quorvel
