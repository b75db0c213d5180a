// The paper layout's rules with a measure of fixed advances: how many column blocks fill a
// page, how many rows a block holds, the last page's rows shared among its blocks, a table
// that starts on a new page, the footer on every page.
#include "output/page_layout.h"

#include <gtest/gtest.h>

#include <map>

namespace quorvel::paper {
namespace {

// Every character 0.5 em wide; ascent 0.8 em, descent 0.2 em.
class FixedMeasure : public TextMeasure {
  public:
    double width(std::string_view text, const TextStyle& s) const override {
        return static_cast<double>(text.size()) * s.size / 2;
    }
    double ascent(const TextStyle& s) const override { return s.size * 0.8; }
    double descent(const TextStyle& s) const override { return s.size * 0.2; }
};

// Rows numbered in a column headed "HHHH" beside a column of 16 H's: 9 pt text, a block
// 18 + 72 + 4 × 5.4 = 111.6 pt wide.
Document numbers(std::size_t rows, std::size_t titleLines) {
    Document doc;
    if (titleLines > 0)
        doc.blocks.push_back(Lines{std::vector<std::string>(titleLines, "x"), 9, false});
    doc.table.columns = {{"HHHH"}, {"HHHHHHHHHHHHHHHH"}};
    doc.table.rowCount = rows;
    doc.table.cells = [](std::size_t i, std::vector<std::string>& cells) {
        cells.push_back(std::to_string(i + 1));
        cells.push_back("v");
    };
    doc.footerLeft = "罐号：T&1";
    return doc;
}

TEST(PageLayout, BlocksFillPagesAndTheLastPageSharesItsRows) {
    struct Case {
        std::size_t rows, titleLines;
        int pages;
        std::vector<std::size_t> firstRowOfBlocks;  // of the last page
    } cases[] = {
        // Four blocks and 10 pt gaps fill 481.9 pt; a block holds
        // (841.9 − 42.5 − 56.7 − 9 − 18.9) / 13.05 = 54 rows.
        {0, 0, 1, {}},
        {1, 0, 1, {1}},
        {216, 0, 1, {1, 55, 109, 163}},
        {217, 0, 2, {217}},
        {226, 0, 2, {217, 220, 223, 226}},  // ten rows over four blocks: 3, 3, 3, 1
        // 52 lines of title leave no room for three rows: the table starts on page 2.
        {10, 52, 2, {1, 4, 7, 10}},
    };
    const FixedMeasure measure;
    for (const Case& c : cases) {
        std::vector<Page> pages;
        const int count = layOut(numbers(c.rows, c.titleLines), measure,
                                 [&](const Page& p) { pages.push_back(p); });
        ASSERT_EQ(count, c.pages) << c.rows;
        ASSERT_EQ(pages.size(), static_cast<std::size_t>(c.pages));
        EXPECT_EQ(pageCount(numbers(c.rows, c.titleLines), measure), c.pages);
        // The row numbers right below each heading "H" on the last page.
        const Page& last = pages.back();
        std::map<double, double> headings;  // x → baseline
        std::vector<std::size_t> firsts;
        for (const PlacedText& t : last.texts) {
            if (t.text == "HHHH")
                headings[t.x] = t.baseline;
        }
        for (auto [x, baseline] : headings) {
            for (const PlacedText& t : last.texts) {
                if (t.align == Align::Right && t.baseline > baseline &&
                    t.baseline < baseline + 20 && t.x < x + 60 && t.x > x) {
                    firsts.push_back(std::stoul(t.text));
                }
            }
        }
        EXPECT_EQ(firsts, c.firstRowOfBlocks) << c.rows;
        for (const Page& p : pages) {
            const std::string number =
                "第 " + std::to_string(p.number) + " 页 共 " + std::to_string(c.pages) + " 页";
            int footers = 0;
            for (const PlacedText& t : p.texts)
                footers += t.text == number || t.text == "罐号：T&1";
            EXPECT_EQ(footers, 2) << c.rows << " page " << p.number;
        }
    }
}

}  // namespace
}  // namespace quorvel::paper
