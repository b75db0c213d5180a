#include "xlsx/xl_wrappers.h"

namespace quorvel {
namespace {

[[noreturn]] void raise(BookHandle book) {
    throw ExceptionXL(xlBookErrorMessageA(book));
}

FormatHandle handleOf(const TFormat* format) {
    return format != nullptr ? format->handle() : nullptr;
}

}  // namespace

void TFont::setBold(bool bold) {
    xlFontSetBoldA(font_, bold ? 1 : 0);
}

void TFont::setName(const std::string& name) {
    if (xlFontSetNameA(font_, name.c_str()) == 0)
        raise(book_);
}

void TFont::setSize(int points) {
    xlFontSetSizeA(font_, points);
}

void TFormat::setFont(const TFont& font) {
    if (xlFormatSetFontA(format_, font.handle()) == 0)
        raise(book_);
}

void TFormat::setAlignH(int align) {
    xlFormatSetAlignHA(format_, align);
}
void TFormat::setAlignV(int align) {
    xlFormatSetAlignVA(format_, align);
}
void TFormat::setShrinkToFit(bool shrink) {
    xlFormatSetShrinkToFitA(format_, shrink ? 1 : 0);
}
void TFormat::setFillPattern(int pattern) {
    xlFormatSetFillPatternA(format_, pattern);
}
void TFormat::setPatternForegroundColor(int color) {
    xlFormatSetPatternForegroundColorA(format_, color);
}
void TFormat::setNumFormat(int numFormat) {
    xlFormatSetNumFormatA(format_, numFormat);
}

void TSheet::writeStr(int row, int col, const std::string& value, const TFormat* format) {
    if (xlSheetWriteStrA(sheet_, row, col, value.c_str(), handleOf(format)) == 0)
        raise(book_);
}

void TSheet::writeNum(int row, int col, double value, const TFormat* format) {
    if (xlSheetWriteNumA(sheet_, row, col, value, handleOf(format)) == 0)
        raise(book_);
}

void TSheet::streamRows(int rowFirst, int rowLast, XlRowSource source) {
    if (xlSheetStreamRowsA(sheet_, rowFirst, rowLast, std::move(source)) == 0)
        raise(book_);
}

void TSheet::setRow(int row, double height, const TFormat* format, bool hidden) {
    if (xlSheetSetRowA(sheet_, row, height, handleOf(format), hidden ? 1 : 0) == 0) {
        raise(book_);
    }
}

bool TSheet::setMerge(int rowFirst, int rowLast, int colFirst, int colLast) {
    return xlSheetSetMergeA(sheet_, rowFirst, rowLast, colFirst, colLast) > 0;
}

void TSheet::setCol(int colFirst, int colLast, double width, const TFormat* format, bool hidden) {
    if (xlSheetSetColA(sheet_, colFirst, colLast, width, handleOf(format), hidden ? 1 : 0) == 0) {
        raise(book_);
    }
}

namespace {

void require(int result, BookHandle book) {
    if (result == 0)
        raise(book);
}

}  // namespace

void TSheet::setPaper(int paper) {
    require(xlSheetSetPaperA(sheet_, paper), book_);
}
void TSheet::setLandscape(bool landscape) {
    require(xlSheetSetLandscapeA(sheet_, landscape ? 1 : 0), book_);
}
void TSheet::setMargins(double left, double right, double top, double bottom) {
    require(xlSheetSetMarginLeftA(sheet_, left), book_);
    require(xlSheetSetMarginRightA(sheet_, right), book_);
    require(xlSheetSetMarginTopA(sheet_, top), book_);
    require(xlSheetSetMarginBottomA(sheet_, bottom), book_);
}
void TSheet::setHeader(const std::string& header, double margin) {
    require(xlSheetSetHeaderA(sheet_, header.c_str(), margin), book_);
}
void TSheet::setFooter(const std::string& footer, double margin) {
    require(xlSheetSetFooterA(sheet_, footer.c_str(), margin), book_);
}
void TSheet::setPrintRepeatRows(int rowFirst, int rowLast) {
    require(xlSheetSetPrintRepeatRowsA(sheet_, rowFirst, rowLast), book_);
}
void TSheet::setPrintArea(int rowFirst, int rowLast, int colFirst, int colLast) {
    require(xlSheetSetPrintAreaA(sheet_, rowFirst, rowLast, colFirst, colLast), book_);
}
void TSheet::setHorPageBreak(int row, bool pageBreak) {
    require(xlSheetSetHorPageBreakA(sheet_, row, pageBreak ? 1 : 0), book_);
}
void TSheet::setVerPageBreak(int col, bool pageBreak) {
    require(xlSheetSetVerPageBreakA(sheet_, col, pageBreak ? 1 : 0), book_);
}
void TSheet::setPrintZoom(int zoom) {
    require(xlSheetSetPrintZoomA(sheet_, zoom), book_);
}
void TSheet::setPrintFit(int wPages, int hPages) {
    require(xlSheetSetPrintFitA(sheet_, wPages, hPages), book_);
}

int TBook::addCustomNumFormat(const std::string& numFormat) {
    const int id = xlBookAddCustomNumFormatA(book_, numFormat.c_str());
    require(id, book_);
    return id;
}

TBook::~TBook() {
    if (book_ != nullptr)
        xlBookReleaseA(book_);
}

TFont TBook::addFont() {
    FontHandle font = xlBookAddFontA(book_, nullptr);
    if (font == nullptr)
        raise(book_);
    return TFont(font, book_);
}

TFormat TBook::addFormat() {
    FormatHandle format = xlBookAddFormatA(book_, nullptr);
    if (format == nullptr)
        raise(book_);
    return TFormat(format, book_);
}

TSheet TBook::addSheet(const std::string& name) {
    SheetHandle sheet = xlBookAddSheetA(book_, name.c_str(), nullptr);
    if (sheet == nullptr)
        raise(book_);
    return TSheet(sheet, book_);
}

void TBook::save(const std::string& path) {
    if (xlBookSaveA(book_, path.c_str()) == 0) {
        // The temporary folder is no fault of the workbook or of its file: its own error.
        const FileError* file = xlBookFileErrorA(book_);
        if (file != nullptr && file->fault() == FileFault::TemporaryFolder) {
            throw *file;
        }
        raise(book_);
    }
}

std::string TBook::errorMessage() const {
    return xlBookErrorMessageA(book_);
}

TXmlBook::TXmlBook() : TBook(xlCreateXMLBookCA()) {
    if (handle() == nullptr)
        throw ExceptionXL("cannot create a workbook: out of memory");
}

}  // namespace quorvel
