// A document laid out for paper: pages of texts placed at points and of ruled lines, in
// points (1/72 inch) from the top left corner of the page. A document is a flow of blocks —
// a heading, fields two to a line, lines of text, signature lines — followed by at most one
// table whose rows run down side-by-side column blocks, as many as fill the page's width,
// page after page, with the headings on top of every block. Any document fills it (the
// capacity table, a gauging ticket); a renderer draws the pages (cairo into a PDF,
// output/pdf_document.h; QPainter onto a printer, in the window).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quorvel::paper {

// ISO 216 A4, portrait, in points.
inline constexpr double kPointsPerMm = 72 / 25.4;
inline constexpr double kA4Width = 210 * kPointsPerMm;
inline constexpr double kA4Height = 297 * kPointsPerMm;

// The one typeface of every document: Chinese and digits alike (Debian's fonts-noto-cjk).
inline constexpr const char* kFontFamily = "Noto Sans CJK SC";

enum class Align { Left, Centre, Right };

struct TextStyle {
    double size = 9;  // points
    bool bold = false;
    bool operator==(const TextStyle&) const = default;
};

// A text whose baseline starts (Left), is centred (Centre) or ends (Right) at x.
struct PlacedText {
    double x = 0;
    double baseline = 0;
    Align align = Align::Left;
    TextStyle style;
    std::string text;
};

struct Rule {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    double width = 0.5;  // points
};

struct Page {
    int number = 1;  // from 1
    int count = 1;   // pages of the document
    double width = kA4Width;
    double height = kA4Height;
    std::vector<PlacedText> texts;
    std::vector<Rule> rules;
};

// How wide a text is as the renderers draw it, and how a line of a size is spaced.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual double width(std::string_view text, const TextStyle& style) const = 0;
    // Ascent above the baseline and descent below it, for the style's size.
    virtual double ascent(const TextStyle& style) const = 0;
    virtual double descent(const TextStyle& style) const = 0;
};

struct PageFormat {
    double width = kA4Width;
    double height = kA4Height;
    // A binding margin on the left.
    double left = 25 * kPointsPerMm;
    double right = 15 * kPointsPerMm;
    double top = 15 * kPointsPerMm;
    double bottom = 20 * kPointsPerMm;  // the footer stands in it
};

// The blocks of the flow.
struct Heading {
    std::string text;
    double size = 16;
};
struct Fields {  // "label：value", `perLine` to a line
    std::vector<std::pair<std::string, std::string>> items;
    int perLine = 2;
    double size = 9.5;
};
struct Lines {
    std::vector<std::string> lines;
    double size = 9;
    bool firstBold = false;
};
struct Signatures {  // "label：" and the name over a line to sign on, side by side
    std::vector<std::pair<std::string, std::string>> items;
    double size = 10;
};
using Block = std::variant<Heading, Fields, Lines, Signatures>;

struct TableColumn {
    std::string heading;
    Align align = Align::Right;
    bool takesMark = false;  // a marked row shows the mark after this column's text
};

// A table whose cells are asked for row by row, so a long one never lies in memory whole.
struct TableFlow {
    std::vector<TableColumn> columns;
    std::size_t rowCount = 0;
    // The texts of row i, one per column.
    std::function<void(std::size_t row, std::vector<std::string>& cells)> cells;
    double size = 9;       // at least 9 points on paper
    double blockGap = 10;  // between two column blocks
    int groupEvery = 5;    // a thin rule after every so many rows
    // Rows to mark (none when unset): `mark` stands in the cell's padding after the text of
    // each column that takes it, so the numbers of a column stay aligned.
    std::function<bool(std::size_t row)> marked;
    std::string mark = "*";
};

struct Document {
    PageFormat format;
    std::vector<Block> blocks;
    TableFlow table;         // no table when it has no columns
    std::string footerLeft;  // e.g. "罐号：T-101"
    std::string footerRight;
    // The page number in the footer's centre: "%1" the page, "%2" the pages.
    std::string pageNumber = "第 %1 页 共 %2 页";
};

// Lays `document` out and hands its pages to `sink` one at a time, in order; each page is
// built when it is handed over, so memory holds one page, whatever the table's length.
// Returns the number of pages (known before the first is handed over).
int layOut(const Document& document, const TextMeasure& measure,
           const std::function<void(const Page&)>& sink);

// The number of pages `document` takes, without building them.
int pageCount(const Document& document, const TextMeasure& measure);

}  // namespace quorvel::paper
