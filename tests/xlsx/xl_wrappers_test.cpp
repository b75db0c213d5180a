#include "xlsx/xl_wrappers.h"

#include <cmath>
#include <functional>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct RaisingCase {
    const char* name;
    std::function<void(TXmlBook&, TXmlBook&)> call;
    const char* message;
};

void PrintTo(const RaisingCase& c, std::ostream* os) {
    *os << c.name;
}

class WrapperRaises : public testing::TestWithParam<RaisingCase> {};

// A failed call raises ExceptionXL carrying the book's own error text.
TEST_P(WrapperRaises, WithTheBooksErrorText) {
    TXmlBook book;
    TXmlBook other;
    try {
        GetParam().call(book, other);
        FAIL() << "nothing raised";
    } catch (const ExceptionXL& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
        EXPECT_EQ(book.errorMessage(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calls, WrapperRaises,
    testing::Values(
        RaisingCase{"SheetName", [](TXmlBook& b, TXmlBook&) { b.addSheet("a:b"); },
                    "a sheet name must not contain any of [ ] : * ? / \\: \"a:b\""},
        RaisingCase{"FontName", [](TXmlBook& b, TXmlBook&) { b.addFont().setName(""); },
                    "a font name must have 1 to 31 characters: \"\""},
        RaisingCase{"ForeignFont",
                    [](TXmlBook& b, TXmlBook& o) { b.addFormat().setFont(o.addFont()); },
                    "the font belongs to another book"},
        RaisingCase{"NaN",
                    [](TXmlBook& b, TXmlBook&) { b.addSheet("S").writeNum(1, 2, std::nan("")); },
                    "cannot write NaN to row 1, column 2: a sheet holds finite numbers only"},
        RaisingCase{"Text", [](TXmlBook& b, TXmlBook&) { b.addSheet("S").writeStr(-1, 0, "a"); },
                    "cell row -1, column 0 lies outside the sheet (1048576 rows, 16384 columns)"},
        RaisingCase{"Row", [](TXmlBook& b, TXmlBook&) { b.addSheet("S").setRow(0, 500); },
                    "a row height must be 0 to 409 points"},
        RaisingCase{"Column", [](TXmlBook& b, TXmlBook&) { b.addSheet("S").setCol(0, 0, 300); },
                    "a column width must be 0 to 255 characters"},
        RaisingCase{"Save", [](TXmlBook& b, TXmlBook&) { b.save(""); }, "no file name given"}),
    [](const testing::TestParamInfo<RaisingCase>& info) { return info.param.name; });

TEST(Wrappers, MergeAndCosmeticSettersNeverRaise) {
    TXmlBook book;
    TSheet sheet = book.addSheet("S");
    EXPECT_TRUE(sheet.setMerge(0, 0, 0, 10));
    EXPECT_FALSE(sheet.setMerge(0, 0, 5, 5));  // a single cell
    EXPECT_FALSE(sheet.setMerge(0, 1, 0, 1));  // overlaps the first
    TFont font = book.addFont();
    TFormat format = book.addFormat();
    EXPECT_NO_THROW({
        font.setSize(0);
        font.setBold(true);
        format.setAlignH(99);
        format.setAlignV(-1);
        format.setShrinkToFit(true);
        format.setFillPattern(50);
        format.setPatternForegroundColor(99);
        format.setNumFormat(300);
    });
    EXPECT_EQ(book.errorMessage(), "number format 300 is not a built-in format");
}

}  // namespace
}  // namespace quorvel
