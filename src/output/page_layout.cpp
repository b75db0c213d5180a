#include "output/page_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace quorvel::paper {
namespace {

// Line spacing of each kind of line, in multiples of its font size.
constexpr double kHeadingSpacing = 1.8;
constexpr double kFieldSpacing = 1.75;
constexpr double kLineSpacing = 1.5;
constexpr double kSignatureSpacing = 2.6;
constexpr double kRowSpacing = 1.45;
constexpr double kHeaderSpacing = 2.1;
constexpr double kCellPadding = 0.6;  // each side of a cell
constexpr double kMostStretch = 1.3;  // how far columns widen to fill a page
constexpr double kFooterSize = 9;
constexpr int kFewestTableRows = 3;  // a table starts on a page with room for this many

// One line of the flow: its height and what it draws, y measured from the line's top.
struct Line {
    double height = 0;
    std::vector<PlacedText> texts;
    std::vector<Rule> rules;
};

class Flow {
  public:
    Flow(const TextMeasure& measure, double width) : measure_(measure), width_(width) {}

    // The baseline that centres text of `style` in a line of `height`.
    double baseline(const TextStyle& style, double height) const {
        const double a = measure_.ascent(style);
        const double d = measure_.descent(style);
        return (height + a - d) / 2;
    }

    void operator()(const Heading& h) {
        const TextStyle style{h.size, true};
        Line line{h.size * kHeadingSpacing, {}, {}};
        line.texts.push_back(
            {width_ / 2, baseline(style, line.height), Align::Centre, style, h.text});
        lines.push_back(std::move(line));
    }

    void operator()(const Fields& f) {
        const int per = std::max(1, f.perLine);
        const double column = width_ / per;
        for (std::size_t i = 0; i < f.items.size(); i += static_cast<std::size_t>(per)) {
            const std::size_t n = std::min(f.items.size() - i, static_cast<std::size_t>(per));
            // Items too wide for their share of the line get a line each.
            bool fits = true;
            for (std::size_t k = 0; k + 1 < n; ++k) {
                const auto& [label, value] = f.items[i + k];
                fits = fits && measure_.width(label + "：", {f.size, true}) +
                                       measure_.width(value, {f.size, false}) <
                                   column - f.size;
            }
            for (std::size_t k = 0; k < n; ++k) {
                if (k == 0 || !fits)
                    lines.push_back({f.size * kFieldSpacing, {}, {}});
                const auto& [label, value] = f.items[i + k];
                placeLabelled(lines.back(), fits ? column * static_cast<double>(k) : 0,
                              label + "：", value, f.size);
            }
        }
        gap(f.size);
    }

    void operator()(const Lines& l) {
        for (std::size_t i = 0; i < l.lines.size(); ++i) {
            const TextStyle style{l.size, l.firstBold && i == 0};
            Line line{l.size * kLineSpacing, {}, {}};
            line.texts.push_back({0, baseline(style, line.height), Align::Left, style, l.lines[i]});
            lines.push_back(std::move(line));
        }
        gap(l.size);
    }

    void operator()(const Signatures& s) {
        if (s.items.empty())
            return;
        Line line{s.size * kSignatureSpacing, {}, {}};
        const double column = width_ / static_cast<double>(s.items.size());
        for (std::size_t k = 0; k < s.items.size(); ++k) {
            const double x = column * static_cast<double>(k);
            const double labelEnd =
                placeLabelled(line, x, s.items[k].first + "：", s.items[k].second, s.size);
            const double y = baseline({s.size, false}, line.height) + s.size * 0.3;
            line.rules.push_back({labelEnd, y, x + column - s.size * 2, y, 0.5});
        }
        lines.push_back(std::move(line));
    }

    std::vector<Line> lines;

  private:
    // A bold label and its value after it; returns where the value starts.
    double placeLabelled(Line& line, double x, const std::string& label, const std::string& value,
                         double size) {
        const TextStyle bold{size, true};
        const TextStyle plain{size, false};
        const double y = baseline(plain, line.height);
        line.texts.push_back({x, y, Align::Left, bold, label});
        const double valueX = x + measure_.width(label, bold);
        if (!value.empty()) {
            line.texts.push_back({valueX, y, Align::Left, plain, value});
        }
        return valueX;
    }

    void gap(double size) { lines.push_back({size * 0.6, {}, {}}); }

    const TextMeasure& measure_;
    double width_;
};

// Where the table's columns go: their widths, the blocks side by side, the rows per page.
struct TableGeometry {
    std::vector<double> columns;  // widths
    double blockWidth = 0;
    double gap = 0;
    int blocksPerPage = 1;
    double rowHeight = 0;
    double headerHeight = 0;
};

TableGeometry tableGeometry(const TableFlow& table, const TextMeasure& measure, double width) {
    const TextStyle plain{table.size, false};
    const TextStyle bold{table.size, true};
    // The longest text of each column sets its width (the table's texts are numbers, whose
    // digits are equally wide).
    std::vector<std::string> widest(table.columns.size());
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < table.rowCount; ++i) {
        cells.clear();
        table.cells(i, cells);
        for (std::size_t c = 0; c < widest.size() && c < cells.size(); ++c) {
            if (cells[c].size() > widest[c].size())
                widest[c] = cells[c];
        }
    }
    TableGeometry g;
    const double padding = 2 * kCellPadding * table.size;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        const double w = std::max(measure.width(table.columns[c].heading, bold),
                                  measure.width(widest[c], plain));
        g.columns.push_back(w + padding);
        g.blockWidth += w + padding;
    }
    g.gap = table.blockGap;
    g.blocksPerPage =
        std::max(1, static_cast<int>(std::floor((width + g.gap) / (g.blockWidth + g.gap))));
    // Widen the columns so the blocks fill the width.
    const double stretch =
        std::clamp((width - g.gap * (g.blocksPerPage - 1)) / (g.blockWidth * g.blocksPerPage), 1.0,
                   kMostStretch);
    for (double& w : g.columns)
        w *= stretch;
    g.blockWidth *= stretch;
    g.rowHeight = table.size * kRowSpacing;
    g.headerHeight = table.size * kHeaderSpacing;
    return g;
}

class Paginator {
  public:
    Paginator(const Document& doc, const TextMeasure& measure, int pageCount,
              const std::function<void(const Page&)>* sink)
        : doc_(doc), measure_(measure), count_(pageCount), sink_(sink) {}

    int run() {
        const PageFormat& f = doc_.format;
        const double width = f.width - f.left - f.right;
        Flow flow(measure_, width);
        for (const Block& block : doc_.blocks) {
            std::visit(flow, block);
        }
        startPage();
        for (const Line& line : flow.lines) {
            if (y_ + line.height > bottom() && y_ > f.top) {
                finishPage();
                startPage();
            }
            if (page_) {
                for (PlacedText t : line.texts) {
                    t.x += f.left;
                    t.baseline += y_;
                    page_->texts.push_back(std::move(t));
                }
                for (Rule r : line.rules) {
                    r.x1 += f.left;
                    r.x2 += f.left;
                    r.y1 += y_;
                    r.y2 += y_;
                    page_->rules.push_back(r);
                }
            }
            y_ += line.height;
        }
        if (!doc_.table.columns.empty()) {
            runTable(width);
        }
        finishPage();
        return number_;
    }

  private:
    double bottom() const { return doc_.format.height - doc_.format.bottom; }

    void startPage() {
        ++number_;
        y_ = doc_.format.top;
        if (sink_ != nullptr) {
            page_.emplace();
            page_->number = number_;
            page_->count = count_;
            page_->width = doc_.format.width;
            page_->height = doc_.format.height;
        }
    }

    void finishPage() {
        if (!page_)
            return;
        const PageFormat& f = doc_.format;
        const TextStyle style{kFooterSize, false};
        const double y = f.height - f.bottom / 2;
        if (!doc_.footerLeft.empty())
            page_->texts.push_back({f.left, y, Align::Left, style, doc_.footerLeft});
        std::string number = doc_.pageNumber;
        replace(number, "%1", std::to_string(number_));
        replace(number, "%2", std::to_string(count_));
        page_->texts.push_back({(f.left + f.width - f.right) / 2, y, Align::Centre, style, number});
        if (!doc_.footerRight.empty())
            page_->texts.push_back({f.width - f.right, y, Align::Right, style, doc_.footerRight});
        (*sink_)(*page_);
        page_.reset();
    }

    static void replace(std::string& text, std::string_view what, const std::string& with) {
        if (auto at = text.find(what); at != std::string::npos)
            text.replace(at, what.size(), with);
    }

    void runTable(double width) {
        const TableFlow& table = doc_.table;
        const TableGeometry g = tableGeometry(table, measure_, width);
        auto rowsFitting = [&] {
            return static_cast<std::size_t>(
                std::max(0.0, std::floor((bottom() - y_ - g.headerHeight) / g.rowHeight)));
        };
        y_ += table.size;  // a little space below the blocks above
        if (rowsFitting() < static_cast<std::size_t>(kFewestTableRows)) {
            finishPage();
            startPage();
        }
        std::size_t next = 0;
        do {
            const std::size_t perBlock = std::max<std::size_t>(rowsFitting(), 1);
            const auto k = static_cast<std::size_t>(g.blocksPerPage);
            const std::size_t left = table.rowCount - next;
            // The last page shares its rows evenly among the blocks.
            const std::size_t rows = left >= perBlock * k ? perBlock : (left + k - 1) / k;
            if (page_) {
                drawBlocks(g, next, std::min(left, rows * k), rows);
            }
            next += std::min(left, rows * k);
            if (next < table.rowCount) {
                finishPage();
                startPage();
            }
        } while (next < table.rowCount);
    }

    // Rows first … first + count − 1, `rows` to a block, on the current page from y_.
    void drawBlocks(const TableGeometry& g, std::size_t first, std::size_t count,
                    std::size_t rows) {
        const TableFlow& table = doc_.table;
        const TextStyle plain{table.size, false};
        const TextStyle bold{table.size, true};
        const double pad = kCellPadding * table.size;
        const double headerBase =
            y_ + g.headerHeight / 2 + (measure_.ascent(bold) - measure_.descent(bold)) / 2;
        const double rowBase = (g.rowHeight + measure_.ascent(plain) - measure_.descent(plain)) / 2;
        std::vector<std::string> cells;
        const std::size_t blocks = count == 0 ? 1 : (count + rows - 1) / rows;
        for (std::size_t b = 0; b < blocks; ++b) {
            const double x0 = doc_.format.left + static_cast<double>(b) * (g.blockWidth + g.gap);
            const std::size_t begin = first + b * rows;
            const std::size_t n = std::min(rows, first + count - begin);
            const double top = y_;
            const double body = top + g.headerHeight;
            const double end = body + static_cast<double>(n) * g.rowHeight;
            Page& page = *page_;
            page.rules.push_back({x0, top, x0 + g.blockWidth, top, 0.8});
            page.rules.push_back({x0, body, x0 + g.blockWidth, body, 0.5});
            page.rules.push_back({x0, end, x0 + g.blockWidth, end, 0.8});
            double x = x0;
            for (std::size_t c = 0; c < g.columns.size(); ++c) {
                page.texts.push_back({x + g.columns[c] / 2, headerBase, Align::Centre, bold,
                                      table.columns[c].heading});
                if (c > 0)
                    page.rules.push_back({x, top, x, end, 0.25});
                x += g.columns[c];
            }
            for (std::size_t j = 0; j < n; ++j) {
                cells.clear();
                table.cells(begin + j, cells);
                const double base = body + static_cast<double>(j) * g.rowHeight + rowBase;
                const bool marked = table.marked && table.marked(begin + j);
                double cx = x0;
                for (std::size_t c = 0; c < g.columns.size() && c < cells.size(); ++c) {
                    const Align align = table.columns[c].align;
                    const double at = align == Align::Left     ? cx + pad
                                      : align == Align::Centre ? cx + g.columns[c] / 2
                                                               : cx + g.columns[c] - pad;
                    if (marked && table.columns[c].takesMark && !cells[c].empty()) {
                        const double end = align == Align::Right
                                               ? at
                                               : at + (align == Align::Left ? 1.0 : 0.5) *
                                                          measure_.width(cells[c], plain);
                        page.texts.push_back({end, base, Align::Left, plain, table.mark});
                    }
                    if (!cells[c].empty())
                        page.texts.push_back({at, base, align, plain, std::move(cells[c])});
                    cx += g.columns[c];
                }
                const auto every = static_cast<std::size_t>(std::max(1, table.groupEvery));
                if ((j + 1) % every == 0 && j + 1 < n) {
                    const double y = body + static_cast<double>(j + 1) * g.rowHeight;
                    page.rules.push_back({x0, y, x0 + g.blockWidth, y, 0.25});
                }
            }
        }
    }

    const Document& doc_;
    const TextMeasure& measure_;
    int count_;
    const std::function<void(const Page&)>* sink_;
    int number_ = 0;
    double y_ = 0;
    std::optional<Page> page_;
};

}  // namespace

int pageCount(const Document& document, const TextMeasure& measure) {
    return Paginator(document, measure, 0, nullptr).run();
}

int layOut(const Document& document, const TextMeasure& measure,
           const std::function<void(const Page&)>& sink) {
    const int count = pageCount(document, measure);
    Paginator(document, measure, count, &sink).run();
    return count;
}

}  // namespace quorvel::paper
