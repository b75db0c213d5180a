// The spreadsheet library's C-style entry points, over libxlsxwriter.
//
// A book records its fonts, formats, sheets and cells in memory and produces the .xlsx file
// only when it is saved, because libxlsxwriter writes everything at once when a workbook is
// closed. Handles are opaque; they belong to their book and die with xlBookReleaseA.
//
// Conventions: calls returning int give 1 on success and 0 on failure; calls returning a
// handle give nullptr on failure. After a failure xlBookErrorMessageA tells why. No call
// throws. Texts are UTF-8.
#pragma once

#include <functional>

#include "files/file_error.h"

namespace quorvel {

struct XlBook;
struct XlSheet;
struct XlFormat;
struct XlFont;

using BookHandle = XlBook*;
using SheetHandle = XlSheet*;
using FormatHandle = XlFormat*;
using FontHandle = XlFont*;

// Horizontal alignment codes, in the order of the .xlsx format.
enum XlAlignH {
    XL_ALIGNH_GENERAL = 0,
    XL_ALIGNH_LEFT = 1,
    XL_ALIGNH_CENTER = 2,
    XL_ALIGNH_RIGHT = 3,
    XL_ALIGNH_FILL = 4,
    XL_ALIGNH_JUSTIFY = 5,
    XL_ALIGNH_MERGE = 6,  // centred across the selection
    XL_ALIGNH_DISTRIBUTED = 7,
};

// Vertical alignment codes; a new format is aligned to the bottom, as in spreadsheet programs.
enum XlAlignV {
    XL_ALIGNV_TOP = 0,
    XL_ALIGNV_CENTER = 1,
    XL_ALIGNV_BOTTOM = 2,
    XL_ALIGNV_JUSTIFY = 3,
    XL_ALIGNV_DISTRIBUTED = 4,
};

// Fill patterns 0 (none) to 18, in the order of the .xlsx format.
enum XlFillPattern {
    XL_FILLPATTERN_NONE = 0,
    XL_FILLPATTERN_SOLID = 1,
    XL_FILLPATTERN_GRAY125 = 17,
    XL_FILLPATTERN_GRAY0625 = 18,
};

// A few of the built-in number formats (0 to 22, 37 to 40, 45 to 49 are accepted).
enum XlNumFormat {
    XL_NUMFORMAT_GENERAL = 0,
    XL_NUMFORMAT_NUMBER = 1,     // "0"
    XL_NUMFORMAT_NUMBER_D2 = 2,  // "0.00"
    XL_NUMFORMAT_TEXT = 49,      // "@"
};

// Colours are indices 0 to 63 of the standard spreadsheet palette (43 = FFFF99, 47 = FFCC99).
enum XlColor {
    XL_COLOR_BLACK = 8,
    XL_COLOR_WHITE = 9,
    XL_COLOR_LIGHTYELLOW = 43,
    XL_COLOR_TAN = 47,
};

// Paper sizes of the page setup (the .xlsx format's codes; 0 is the printer's default).
enum XlPaper {
    XL_PAPER_DEFAULT = 0,
    XL_PAPER_LETTER = 1,
    XL_PAPER_A3 = 8,
    XL_PAPER_A4 = 9,
    XL_PAPER_A5 = 11,
};

// The first id a custom number format gets (ids below are built in).
inline constexpr int kXlFirstCustomNumFormat = 164;

// The sheet's limits.
inline constexpr int kXlMaxRows = 1048576;
inline constexpr int kXlMaxColumns = 16384;
// Page breaks a sheet holds of each kind (rows, columns).
inline constexpr int kXlMaxPageBreaks = 1023;

// A new empty book that is saved as .xlsx; nullptr when memory is exhausted.
BookHandle xlCreateXMLBookCA() noexcept;

// A new font: a copy of `initFont`, or of the book's default font (Calibri, 11 points) when
// `initFont` is nullptr.
FontHandle xlBookAddFontA(BookHandle book, FontHandle initFont) noexcept;
int xlFontSetBoldA(FontHandle font, int bold) noexcept;
int xlFontSetNameA(FontHandle font, const char* name) noexcept;
int xlFontSetSizeA(FontHandle font, int size) noexcept;

// A new cell format: a copy of `initFormat`, or the general format when it is nullptr.
FormatHandle xlBookAddFormatA(BookHandle book, FormatHandle initFormat) noexcept;
// The format shows its cells in the font; later changes of the font show too.
int xlFormatSetFontA(FormatHandle format, FontHandle font) noexcept;
int xlFormatSetAlignHA(FormatHandle format, int align) noexcept;
int xlFormatSetAlignVA(FormatHandle format, int align) noexcept;
int xlFormatSetShrinkToFitA(FormatHandle format, int shrink) noexcept;
int xlFormatSetFillPatternA(FormatHandle format, int pattern) noexcept;
int xlFormatSetPatternForegroundColorA(FormatHandle format, int color) noexcept;
int xlFormatSetNumFormatA(FormatHandle format, int numFormat) noexcept;

// A custom number format such as "0.000"; returns its id (164, 165, …) for
// xlFormatSetNumFormatA, or 0 on failure. The same text twice gives the same id.
int xlBookAddCustomNumFormatA(BookHandle book, const char* numFormat) noexcept;

// A new sheet appended to the book. `initSheet` must be nullptr (copying sheets is not
// offered).
SheetHandle xlBookAddSheetA(BookHandle book, const char* name, SheetHandle initSheet) noexcept;

// Rows and columns count from 0; `format` may be nullptr.
int xlSheetWriteStrA(SheetHandle sheet, int row, int col, const char* value,
                     FormatHandle format) noexcept;
// Fails for NaN and infinity, which a spreadsheet file cannot hold. The file keeps 16
// significant digits, so a number read from a text of up to 15 digits reads back exactly.
int xlSheetWriteNumA(SheetHandle sheet, int row, int col, double value,
                     FormatHandle format) noexcept;
// Height in points (0 to 409).
int xlSheetSetRowA(SheetHandle sheet, int row, double height, FormatHandle format,
                   int hidden) noexcept;
// At least two cells, not overlapping an earlier merged range.
int xlSheetSetMergeA(SheetHandle sheet, int rowFirst, int rowLast, int colFirst,
                     int colLast) noexcept;
// Rows whose numbers are produced while the book is saved, so a long table is never held:
// `source` is called once for each row from rowFirst to rowLast, in order, and writes that
// row's numbers through the sink it is given (columns ascending), after any cell written into
// the row before. One range per sheet. A sink refuses (throws std::runtime_error) what
// xlSheetWriteNumA refuses; anything `source` throws ends the save, the target untouched.
class XlRowSink {
  public:
    virtual void number(int col, double value, FormatHandle format) = 0;

  protected:
    ~XlRowSink() = default;
};
using XlRowSource = std::function<void(int row, XlRowSink& sink)>;
int xlSheetStreamRowsA(SheetHandle sheet, int rowFirst, int rowLast, XlRowSource source) noexcept;
// Width in character units (0 to 255).
int xlSheetSetColA(SheetHandle sheet, int colFirst, int colLast, double width, FormatHandle format,
                   int hidden) noexcept;

// Page setup: how a spreadsheet program prints the sheet. Nothing of it is written for a
// sheet that never sets it. Margins are in inches (0 to 49); the header and footer texts
// use the format's codes (&L &C &R sections, &P page, &N pages, && an ampersand), at most
// 255 characters; their margin is the distance from the paper's edge, in inches.
int xlSheetSetPaperA(SheetHandle sheet, int paper) noexcept;
int xlSheetSetLandscapeA(SheetHandle sheet, int landscape) noexcept;
int xlSheetSetMarginLeftA(SheetHandle sheet, double margin) noexcept;
int xlSheetSetMarginRightA(SheetHandle sheet, double margin) noexcept;
int xlSheetSetMarginTopA(SheetHandle sheet, double margin) noexcept;
int xlSheetSetMarginBottomA(SheetHandle sheet, double margin) noexcept;
int xlSheetSetHeaderA(SheetHandle sheet, const char* header, double margin) noexcept;
int xlSheetSetFooterA(SheetHandle sheet, const char* footer, double margin) noexcept;
// Rows printed at the top of every page.
int xlSheetSetPrintRepeatRowsA(SheetHandle sheet, int rowFirst, int rowLast) noexcept;
// The range that is printed; the rest of the sheet is not.
int xlSheetSetPrintAreaA(SheetHandle sheet, int rowFirst, int rowLast, int colFirst,
                         int colLast) noexcept;
// A page break above `row` (left of `col`) when `pageBreak` is non-zero; zero removes it.
// At most 1023 of each kind; row 0 and column 0 take none.
int xlSheetSetHorPageBreakA(SheetHandle sheet, int row, int pageBreak) noexcept;
int xlSheetSetVerPageBreakA(SheetHandle sheet, int col, int pageBreak) noexcept;
// Printed at `zoom` % (10 to 400) of the sheet's size.
int xlSheetSetPrintZoomA(SheetHandle sheet, int zoom) noexcept;
// Scaled down to fit `wPages` pages across and `hPages` down (0: as many as needed); this
// takes the place of the zoom.
int xlSheetSetPrintFitA(SheetHandle sheet, int wPages, int hPages) noexcept;

// Writes the book to `path`: to a temporary file in the same folder, renamed over `path` only
// when complete and read through whole (xlsx/xl_book_check.h), so a failed save leaves an
// earlier file whole (files/atomic_file.h; a symbolic link is followed to the file it
// names). The library keeps its temporary files in temporaryFolder() (files/temporary_file.h).
// The error text of a failed save names the path and the system's reason. The book stays
// usable.
int xlBookSaveA(BookHandle book, const char* path) noexcept;

// The file failure behind the book's last failed save: the target's (the system's reason), or
// the temporary folder's when a part the library wrote there came out incomplete (fault
// TemporaryFolder); nullptr when the save did not fail on a file.
const FileError* xlBookFileErrorA(BookHandle book) noexcept;

// The text of the book's last failure; empty when nothing has failed. The pointer stays valid
// until the next call on the book.
const char* xlBookErrorMessageA(BookHandle book) noexcept;

// Frees the book and every handle it gave out.
void xlBookReleaseA(BookHandle book) noexcept;

}  // namespace quorvel
