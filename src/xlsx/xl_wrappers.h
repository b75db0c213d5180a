// Thin owners of the workbook library's handles. A call the library reports as failed raises
// ExceptionXL with the book's error text; the setters whose outcome never matters (bold, size,
// alignment, fill, number format, shrink to fit) ignore it.
#pragma once

#include <stdexcept>
#include <string>

#include "xlsx/xl_book.h"

namespace quorvel {

class ExceptionXL : public std::runtime_error {
  public:
    explicit ExceptionXL(const std::string& what) : std::runtime_error(what) {}
};

class TFont {
  public:
    TFont(FontHandle font, BookHandle book) : font_(font), book_(book) {}
    void setBold(bool bold);
    void setName(const std::string& name);
    void setSize(int points);
    FontHandle handle() const { return font_; }

  private:
    FontHandle font_;
    BookHandle book_;
};

class TFormat {
  public:
    TFormat(FormatHandle format, BookHandle book) : format_(format), book_(book) {}
    void setFont(const TFont& font);
    void setAlignH(int align);
    void setAlignV(int align);
    void setShrinkToFit(bool shrink);
    void setFillPattern(int pattern);
    void setPatternForegroundColor(int color);
    void setNumFormat(int numFormat);
    FormatHandle handle() const { return format_; }

  private:
    FormatHandle format_;
    BookHandle book_;
};

class TSheet {
  public:
    TSheet(SheetHandle sheet, BookHandle book) : sheet_(sheet), book_(book) {}
    void writeStr(int row, int col, const std::string& value, const TFormat* format = nullptr);
    void writeNum(int row, int col, double value, const TFormat* format = nullptr);
    void setRow(int row, double height, const TFormat* format = nullptr, bool hidden = false);
    // True when the library merged the range; never raises.
    bool setMerge(int rowFirst, int rowLast, int colFirst, int colLast);
    void setCol(int colFirst, int colLast, double width, const TFormat* format = nullptr,
                bool hidden = false);
    // Rows rowFirst … rowLast produced while the book is saved (xlSheetStreamRowsA): `source`
    // writes each row's numbers, in row order, through XlRowSink::number.
    void streamRows(int rowFirst, int rowLast, XlRowSource source);

    // Page setup (xl_book.h); a refused value raises.
    void setPaper(int paper);
    void setLandscape(bool landscape);
    void setMargins(double left, double right, double top, double bottom);  // inches
    void setHeader(const std::string& header, double margin);
    void setFooter(const std::string& footer, double margin);
    void setPrintRepeatRows(int rowFirst, int rowLast);
    void setPrintArea(int rowFirst, int rowLast, int colFirst, int colLast);
    void setHorPageBreak(int row, bool pageBreak = true);
    void setVerPageBreak(int col, bool pageBreak = true);
    void setPrintZoom(int zoom);
    void setPrintFit(int wPages, int hPages);
    SheetHandle handle() const { return sheet_; }

  private:
    SheetHandle sheet_;
    BookHandle book_;
};

// Owns a book handle and releases it when destroyed.
class TBook {
  public:
    explicit TBook(BookHandle book) : book_(book) {}
    virtual ~TBook();
    TBook(const TBook&) = delete;
    TBook& operator=(const TBook&) = delete;

    TFont addFont();
    TFormat addFormat();
    TSheet addSheet(const std::string& name);
    // The id of a custom number format such as "0.000", for TFormat::setNumFormat.
    int addCustomNumFormat(const std::string& numFormat);
    // Raises ExceptionXL for a failed save, or throws the FileError of a temporary folder
    // that failed (xlBookFileErrorA): that is no failure of the workbook or of its file.
    void save(const std::string& path);
    std::string errorMessage() const;
    BookHandle handle() const { return book_; }

  private:
    BookHandle book_;
};

// A new book in the .xlsx format.
class TXmlBook : public TBook {
  public:
    TXmlBook();
};

}  // namespace quorvel
