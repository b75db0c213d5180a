#include "xlsx/xl_book.h"

#include <locale.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>

#include <gtest/gtest.h>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "support/temp_folder.h"
#include "support/xlsx_reader.h"

namespace quorvel {
namespace {

using testsupport::readBytes;
using testsupport::readXlsx;
using testsupport::TempFolder;
using testsupport::writeBytes;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// A book with one sheet, one font and one format, and a second book for foreign handles.
struct Books {
    Books() {
        book = xlCreateXMLBookCA();
        other = xlCreateXMLBookCA();
        sheet = xlBookAddSheetA(book, "罐容表", nullptr);
        font = xlBookAddFontA(book, nullptr);
        format = xlBookAddFormatA(book, nullptr);
        otherFont = xlBookAddFontA(other, nullptr);
        otherFormat = xlBookAddFormatA(other, nullptr);
    }
    ~Books() {
        xlBookReleaseA(book);
        xlBookReleaseA(other);
    }
    BookHandle book, other;
    SheetHandle sheet;
    FontHandle font, otherFont;
    FormatHandle format, otherFormat;
};

struct FailureCase {
    const char* name;
    std::function<int(Books&)> call;
    std::string message;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class XlBookFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(XlBookFailure, ReturnsZeroAndExplains) {
    Books b;
    ASSERT_STREQ(xlBookErrorMessageA(b.book), "");
    EXPECT_EQ(GetParam().call(b), 0);
    EXPECT_EQ(std::string(xlBookErrorMessageA(b.book)), GetParam().message);
}

const std::string k32Chars(32, 'x');

INSTANTIATE_TEST_SUITE_P(
    Calls, XlBookFailure,
    testing::Values(
        FailureCase{"NaN", [](Books& b) { return xlSheetWriteNumA(b.sheet, 3, 1, kNaN, nullptr); },
                    "cannot write NaN to row 3, column 1: a sheet holds finite numbers only"},
        FailureCase{"Infinity",
                    [](Books& b) { return xlSheetWriteNumA(b.sheet, 0, 0, kInf, b.format); },
                    "cannot write an infinity to row 0, column 0: a sheet holds finite numbers "
                    "only"},
        FailureCase{"MinusInfinity",
                    [](Books& b) { return xlSheetWriteNumA(b.sheet, 0, 0, -kInf, nullptr); },
                    "cannot write an infinity to row 0, column 0: a sheet holds finite numbers "
                    "only"},
        FailureCase{"NegativeRow",
                    [](Books& b) { return xlSheetWriteStrA(b.sheet, -1, 0, "a", nullptr); },
                    "cell row -1, column 0 lies outside the sheet (1048576 rows, 16384 "
                    "columns)"},
        FailureCase{"RowPastSheet",
                    [](Books& b) { return xlSheetWriteNumA(b.sheet, 1048576, 0, 1, nullptr); },
                    "cell row 1048576, column 0 lies outside the sheet (1048576 rows, 16384 "
                    "columns)"},
        FailureCase{"ColumnPastSheet",
                    [](Books& b) { return xlSheetWriteStrA(b.sheet, 0, 16384, "a", nullptr); },
                    "cell row 0, column 16384 lies outside the sheet (1048576 rows, 16384 "
                    "columns)"},
        FailureCase{"BrokenUtf8",
                    [](Books& b) { return xlSheetWriteStrA(b.sheet, 0, 0, "\xb9\xde", nullptr); },
                    "the text for row 0, column 0 is not valid UTF-8"},
        FailureCase{"OverlongUtf8",
                    [](Books& b) { return xlSheetWriteStrA(b.sheet, 0, 0, "\xc0\xaf", nullptr); },
                    "the text for row 0, column 0 is not valid UTF-8"},
        FailureCase{"TextTooLong",
                    [](Books& b) {
                        return xlSheetWriteStrA(b.sheet, 0, 0, std::string(32768, 'a').c_str(),
                                                nullptr);
                    },
                    "the text for row 0, column 0 is longer than 32767 characters"},
        FailureCase{"ForeignFormatInCell",
                    [](Books& b) { return xlSheetWriteNumA(b.sheet, 0, 0, 1, b.otherFormat); },
                    "the format of cell row 0, column 0 belongs to another book"},
        FailureCase{"EmptySheetName",
                    [](Books& b) { return xlBookAddSheetA(b.book, "", nullptr) ? 1 : 0; },
                    "a sheet name must have 1 to 31 characters: \"\""},
        FailureCase{
            "LongSheetName",
            [](Books& b) { return xlBookAddSheetA(b.book, k32Chars.c_str(), nullptr) ? 1 : 0; },
            "a sheet name must have 1 to 31 characters: \"" + k32Chars + "\""},
        FailureCase{"SlashInSheetName",
                    [](Books& b) { return xlBookAddSheetA(b.book, "a/b", nullptr) ? 1 : 0; },
                    "a sheet name must not contain any of [ ] : * ? / \\: \"a/b\""},
        FailureCase{"ApostropheSheetName",
                    [](Books& b) { return xlBookAddSheetA(b.book, "'x", nullptr) ? 1 : 0; },
                    "a sheet name must not begin or end with an apostrophe: \"'x\""},
        FailureCase{"DuplicateSheetName",
                    [](Books& b) { return xlBookAddSheetA(b.book, "罐容表", nullptr) ? 1 : 0; },
                    "the book already has a sheet named \"罐容表\""},
        FailureCase{"DuplicateSheetNameOtherCase",
                    [](Books& b) {
                        xlBookAddSheetA(b.book, "Data", nullptr);
                        return xlBookAddSheetA(b.book, "DATA", nullptr) ? 1 : 0;
                    },
                    "the book already has a sheet named \"DATA\""},
        FailureCase{"SheetTemplate",
                    [](Books& b) { return xlBookAddSheetA(b.book, "B", b.sheet) ? 1 : 0; },
                    "copying a sheet is not supported"},
        FailureCase{"EmptyFontName", [](Books& b) { return xlFontSetNameA(b.font, ""); },
                    "a font name must have 1 to 31 characters: \"\""},
        FailureCase{"LongFontName",
                    [](Books& b) { return xlFontSetNameA(b.font, k32Chars.c_str()); },
                    "a font name must have 1 to 31 characters: \"" + k32Chars + "\""},
        FailureCase{"FontSizeZero", [](Books& b) { return xlFontSetSizeA(b.font, 0); },
                    "a font size must be 1 to 409 points, not 0"},
        FailureCase{"ForeignFont", [](Books& b) { return xlFormatSetFontA(b.format, b.otherFont); },
                    "the font belongs to another book"},
        FailureCase{"NoFont", [](Books& b) { return xlFormatSetFontA(b.format, nullptr); },
                    "no font given for the format"},
        FailureCase{"AlignH8", [](Books& b) { return xlFormatSetAlignHA(b.format, 8); },
                    "unknown horizontal alignment 8"},
        FailureCase{"AlignV5", [](Books& b) { return xlFormatSetAlignVA(b.format, 5); },
                    "unknown vertical alignment 5"},
        FailureCase{"Pattern19", [](Books& b) { return xlFormatSetFillPatternA(b.format, 19); },
                    "unknown fill pattern 19"},
        FailureCase{"Colour64",
                    [](Books& b) { return xlFormatSetPatternForegroundColorA(b.format, 64); },
                    "palette colour 64 does not exist (0 to 63)"},
        FailureCase{"NumFormat23", [](Books& b) { return xlFormatSetNumFormatA(b.format, 23); },
                    "number format 23 is not a built-in format"},
        FailureCase{"SingleCellMerge",
                    [](Books& b) { return xlSheetSetMergeA(b.sheet, 4, 4, 2, 2); },
                    "cannot merge rows 4-4, columns 2-2: a single cell"},
        FailureCase{"ReversedMerge", [](Books& b) { return xlSheetSetMergeA(b.sheet, 5, 4, 0, 1); },
                    "cannot merge rows 5-4, columns 0-1: not a range of the sheet"},
        FailureCase{"OverlappingMerge",
                    [](Books& b) {
                        xlSheetSetMergeA(b.sheet, 0, 0, 0, 10);
                        return xlSheetSetMergeA(b.sheet, 0, 1, 10, 11);
                    },
                    "cannot merge rows 0-1, columns 10-11: it overlaps the merged rows 0-0, "
                    "columns 0-10"},
        FailureCase{"RowTooHigh",
                    [](Books& b) { return xlSheetSetRowA(b.sheet, 0, 409.5, nullptr, 0); },
                    "a row height must be 0 to 409 points"},
        FailureCase{"RowHeightNaN",
                    [](Books& b) { return xlSheetSetRowA(b.sheet, 0, kNaN, nullptr, 0); },
                    "a row height must be 0 to 409 points"},
        FailureCase{"ColumnTooWide",
                    [](Books& b) { return xlSheetSetColA(b.sheet, 0, 0, 255.5, nullptr, 0); },
                    "a column width must be 0 to 255 characters"},
        FailureCase{"ReversedColumns",
                    [](Books& b) { return xlSheetSetColA(b.sheet, 3, 2, 8, nullptr, 0); },
                    "columns 3-2 are not a range of the sheet"},
        FailureCase{"SaveWithoutName", [](Books& b) { return xlBookSaveA(b.book, ""); },
                    "no file name given"},
        FailureCase{"NegativeMargin", [](Books& b) { return xlSheetSetMarginLeftA(b.sheet, -0.1); },
                    "the left margin must be 0 to 49 inches"},
        FailureCase{
            "FooterTooLong",
            [](Books& b) { return xlSheetSetFooterA(b.sheet, std::string(256, 'x').c_str(), 0.3); },
            "a footer must be UTF-8 text of at most 255 characters"},
        FailureCase{"BreakBeforeFirstColumn",
                    [](Books& b) { return xlSheetSetVerPageBreakA(b.sheet, 0, 1); },
                    "no page break can go before column 0"},
        FailureCase{"TooManyRowBreaks",
                    [](Books& b) {
                        for (int row = 1; row <= 1023; ++row) {
                            xlSheetSetHorPageBreakA(b.sheet, row, 1);
                        }
                        return xlSheetSetHorPageBreakA(b.sheet, 2000, 1);
                    },
                    "a sheet holds at most 1023 row page breaks"},
        FailureCase{"ZoomTooSmall", [](Books& b) { return xlSheetSetPrintZoomA(b.sheet, 9); },
                    "a print zoom must be 10 to 400 %, not 9"},
        FailureCase{"RepeatRowsReversed",
                    [](Books& b) { return xlSheetSetPrintRepeatRowsA(b.sheet, 3, 2); },
                    "rows 3-2 are not a range of the sheet"},
        FailureCase{"UnknownCustomFormat",
                    [](Books& b) { return xlFormatSetNumFormatA(b.format, 164); },
                    "number format 164 is not a built-in format"},
        FailureCase{"EmptyCustomFormat",
                    [](Books& b) { return xlBookAddCustomNumFormatA(b.book, ""); },
                    "a number format must be UTF-8 text of 1 to 255 characters"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(XlBook, LastFailureStaysUntilTheNextOne) {
    Books b;
    ASSERT_EQ(xlSheetWriteNumA(b.sheet, 0, 0, kNaN, nullptr), 0);
    const std::string first = xlBookErrorMessageA(b.book);
    EXPECT_EQ(xlSheetWriteNumA(b.sheet, 0, 0, 1.5, nullptr), 1);
    EXPECT_EQ(xlBookErrorMessageA(b.book), first);
    EXPECT_EQ(xlFormatSetAlignHA(b.format, -1), 0);
    EXPECT_STREQ(xlBookErrorMessageA(b.book), "unknown horizontal alignment -1");
}

TEST(XlBook, NullHandlesFailWithoutCrashing) {
    EXPECT_EQ(xlBookAddFontA(nullptr, nullptr), nullptr);
    EXPECT_EQ(xlBookAddFormatA(nullptr, nullptr), nullptr);
    EXPECT_EQ(xlBookAddSheetA(nullptr, "a", nullptr), nullptr);
    EXPECT_EQ(xlFontSetBoldA(nullptr, 1), 0);
    EXPECT_EQ(xlFontSetNameA(nullptr, "Arial"), 0);
    EXPECT_EQ(xlFormatSetFontA(nullptr, nullptr), 0);
    EXPECT_EQ(xlFormatSetShrinkToFitA(nullptr, 1), 0);
    EXPECT_EQ(xlSheetWriteStrA(nullptr, 0, 0, "a", nullptr), 0);
    EXPECT_EQ(xlSheetWriteNumA(nullptr, 0, 0, 1, nullptr), 0);
    EXPECT_EQ(xlSheetSetMergeA(nullptr, 0, 0, 0, 1), 0);
    EXPECT_EQ(xlBookSaveA(nullptr, "/tmp/x.xlsx"), 0);
    EXPECT_STREQ(xlBookErrorMessageA(nullptr), "no book");
    xlBookReleaseA(nullptr);
}

TEST(XlBook, LimitsThemselvesAreAccepted) {
    Books b;
    EXPECT_EQ(xlSheetWriteNumA(b.sheet, 1048575, 16383, 1, nullptr), 1);
    EXPECT_EQ(xlSheetWriteStrA(b.sheet, 0, 0, std::string(32767, 'a').c_str(), nullptr), 1);
    EXPECT_EQ(xlBookAddSheetA(b.book, std::string(31, 'y').c_str(), nullptr) != nullptr, true);
    EXPECT_EQ(xlFontSetNameA(b.font, std::string(31, 'z').c_str()), 1);
    EXPECT_EQ(xlSheetSetRowA(b.sheet, 1, 409, nullptr, 0), 1);
    EXPECT_EQ(xlSheetSetColA(b.sheet, 0, 16383, 255, nullptr, 0), 1);
    EXPECT_EQ(xlSheetSetMergeA(b.sheet, 2, 2, 0, 1), 1);
    EXPECT_EQ(xlSheetSetMergeA(b.sheet, 3, 4, 0, 0), 1);  // touching, not overlapping
}

TEST(XlBookSave, NoSheetIsAFailure) {
    TempFolder folder;
    BookHandle book = xlCreateXMLBookCA();
    EXPECT_EQ(xlBookSaveA(book, folder.file("a.xlsx").c_str()), 0);
    EXPECT_EQ(std::string(xlBookErrorMessageA(book)),
              "cannot save " + folder.file("a.xlsx") + ": the book has no sheet");
    EXPECT_TRUE(folder.entries().empty());
    xlBookReleaseA(book);
}

// The cells written by `fill` as the reader sees them after saving.
testsupport::ReadSheet saveAndRead(const std::function<void(Books&)>& fill) {
    TempFolder folder;
    Books b;
    fill(b);
    const std::string path = folder.file("book.xlsx");
    if (xlBookSaveA(b.book, path.c_str()) != 1) {
        throw std::runtime_error(xlBookErrorMessageA(b.book));
    }
    auto read = readXlsx(path);
    if (read.sheets.size() != 1)
        throw std::runtime_error("expected one sheet");
    return read.sheets[0];
}

TEST(XlBookSave, FontLivesApartFromFormatsUntilSetAndChangesShowAfterwards) {
    const auto sheet = saveAndRead([](Books& b) {
        FontHandle unused = xlBookAddFontA(b.book, nullptr);
        xlFontSetNameA(unused, "Courier New");
        FormatHandle plain = xlBookAddFormatA(b.book, nullptr);
        FormatHandle titled = xlBookAddFormatA(b.book, nullptr);
        xlFontSetNameA(b.font, "Arial Black");
        xlFormatSetFontA(titled, b.font);
        xlFontSetSizeA(b.font, 14);  // after the font was put on the format
        xlFontSetBoldA(b.font, 1);
        xlSheetWriteStrA(b.sheet, 0, 0, "plain", plain);
        xlSheetWriteStrA(b.sheet, 0, 1, "titled", titled);
        xlSheetWriteStrA(b.sheet, 0, 2, "none", nullptr);
    });
    for (int col : {0, 2}) {
        EXPECT_EQ(sheet.at(0, col).font, "Calibri");
        EXPECT_EQ(sheet.at(0, col).size, 11);
        EXPECT_FALSE(sheet.at(0, col).bold);
    }
    EXPECT_EQ(sheet.at(0, 1).font, "Arial Black");
    EXPECT_EQ(sheet.at(0, 1).size, 14);
    EXPECT_TRUE(sheet.at(0, 1).bold);
}

struct FormatCase {
    const char* name;
    std::function<void(FormatHandle)> set;
    std::string alignH, alignV, pattern, rgb, numberFormat;
    bool shrink;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class XlBookFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(XlBookFormat, IsStoredAsCoded) {
    const FormatCase& c = GetParam();
    const auto sheet = saveAndRead([&](Books& b) {
        c.set(b.format);
        xlSheetWriteNumA(b.sheet, 0, 0, 1, b.format);
    });
    const auto& cell = sheet.at(0, 0);
    EXPECT_EQ(cell.alignH, c.alignH);
    EXPECT_EQ(cell.alignV, c.alignV);
    EXPECT_EQ(cell.fillPattern, c.pattern);
    EXPECT_EQ(cell.fillRgb, c.rgb);
    EXPECT_EQ(cell.numberFormat, c.numberFormat);
    EXPECT_EQ(cell.shrink, c.shrink);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, XlBookFormat,
    testing::Values(FormatCase{"Default", [](FormatHandle) {}, "-", "-", "-", "00000000", "General",
                               false},
                    FormatCase{"Centre", [](FormatHandle f) { xlFormatSetAlignHA(f, 2); }, "center",
                               "-", "-", "00000000", "General", false},
                    FormatCase{"Right", [](FormatHandle f) { xlFormatSetAlignHA(f, 3); }, "right",
                               "-", "-", "00000000", "General", false},
                    FormatCase{"CentreAcross", [](FormatHandle f) { xlFormatSetAlignHA(f, 6); },
                               "centerContinuous", "-", "-", "00000000", "General", false},
                    FormatCase{"Top", [](FormatHandle f) { xlFormatSetAlignVA(f, 0); }, "-", "top",
                               "-", "00000000", "General", false},
                    FormatCase{"VerticalCentre", [](FormatHandle f) { xlFormatSetAlignVA(f, 1); },
                               "-", "center", "-", "00000000", "General", false},
                    FormatCase{"Shrink", [](FormatHandle f) { xlFormatSetShrinkToFitA(f, 1); }, "-",
                               "-", "-", "00000000", "General", true},
                    FormatCase{"LightYellow",
                               [](FormatHandle f) {
                                   xlFormatSetFillPatternA(f, 1);
                                   xlFormatSetPatternForegroundColorA(f, 43);
                               },
                               "-", "-", "solid", "FFFFFF99", "General", false},
                    FormatCase{"Tan",
                               [](FormatHandle f) {
                                   xlFormatSetPatternForegroundColorA(f, 47);
                                   xlFormatSetFillPatternA(f, 1);
                               },
                               "-", "-", "solid", "FFFFCC99", "General", false},
                    FormatCase{"LowPaletteRepeatsBasicColours",
                               [](FormatHandle f) {
                                   xlFormatSetFillPatternA(f, 1);
                                   xlFormatSetPatternForegroundColorA(f, 2);
                               },
                               "-", "-", "solid", "FFFF0000", "General", false},
                    FormatCase{"ColourWithoutPatternIsNoFill",
                               [](FormatHandle f) { xlFormatSetPatternForegroundColorA(f, 43); },
                               "-", "-", "-", "00000000", "General", false},
                    FormatCase{"TwoDecimals", [](FormatHandle f) { xlFormatSetNumFormatA(f, 2); },
                               "-", "-", "-", "00000000", "0.00", false},
                    FormatCase{"Percent", [](FormatHandle f) { xlFormatSetNumFormatA(f, 10); }, "-",
                               "-", "-", "00000000", "0.00%", false}),
    [](const testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(XlBookSave, CellsRowsColumnsAndMergesReadBack) {
    const std::string title = "计算参数如下：\r\n第二行\r\n\r\n_x000D_ stays literal";
    const auto sheet = saveAndRead([&](Books& b) {
        xlSheetWriteStrA(b.sheet, 0, 0, title.c_str(), b.format);
        xlSheetSetRowA(b.sheet, 0, 200, b.format, 0);
        xlSheetSetMergeA(b.sheet, 0, 0, 0, 10);
        xlSheetWriteNumA(b.sheet, 3, 1, 8979.72, nullptr);
        xlSheetWriteNumA(b.sheet, 3, 2, 123456789.012345, nullptr);
        xlSheetWriteNumA(b.sheet, 4, 2, -0.0, nullptr);
        xlSheetWriteNumA(b.sheet, 5, 2, 1e-300, nullptr);
        xlSheetWriteStrA(b.sheet, 6, 0, "overwritten", nullptr);
        xlSheetWriteNumA(b.sheet, 6, 0, 7, nullptr);
        xlSheetSetColA(b.sheet, 0, 0, 6, nullptr, 0);
        xlSheetSetColA(b.sheet, 1, 1, 8, nullptr, 0);
        xlSheetSetColA(b.sheet, 2, 3, 11, nullptr, 0);
        xlFontSetNameA(b.font, "Arial Black");
        xlFormatSetFontA(b.format, b.font);
    });
    EXPECT_EQ(sheet.name, "罐容表");
    EXPECT_EQ(sheet.at(0, 0).text, title);
    EXPECT_EQ(sheet.rowHeights.at(0), 200);
    EXPECT_EQ(sheet.rowFonts.at(0), "Arial Black");
    ASSERT_EQ(sheet.merges.size(), 1u);
    EXPECT_EQ(sheet.merges[0], (std::array<int, 4>{0, 0, 0, 10}));
    EXPECT_EQ(sheet.at(3, 1).number, 8979.72);
    EXPECT_EQ(sheet.at(3, 2).number, 123456789.012345);  // 15 significant digits survive
    EXPECT_EQ(sheet.at(5, 2).number, 1e-300);
    EXPECT_FALSE(sheet.at(6, 0).isText);
    EXPECT_EQ(sheet.at(6, 0).number, 7);
    // Widths are stored with the cell padding of the file format: 6 → 6.7109375.
    EXPECT_EQ(sheet.colWidths.at(0), 6.7109375);
    EXPECT_EQ(sheet.colWidths.at(1), 8.7109375);
    EXPECT_EQ(sheet.colWidths.at(2), 11.7109375);
    EXPECT_EQ(sheet.colWidths.at(3), 11.7109375);
    EXPECT_FALSE(sheet.has(0, 1));  // the merged range holds no cells of its own
}

TEST(XlBookSave, WriteOrderDoesNotMatter) {
    // Column block by column block, rows set and ranges merged after their cells, a cell
    // written twice with other rows in between: the file is streamed in row order.
    const auto sheet = saveAndRead([](Books& b) {
        xlSheetWriteNumA(b.sheet, 9, 0, 1, nullptr);
        xlSheetWriteNumA(b.sheet, 3, 4, 2, nullptr);
        xlSheetWriteStrA(b.sheet, 0, 0, "title", nullptr);
        xlSheetWriteNumA(b.sheet, 3, 0, 3, nullptr);
        xlSheetWriteNumA(b.sheet, 9, 0, 4, nullptr);
        xlSheetSetRowA(b.sheet, 9, 30, nullptr, 0);
        xlSheetSetRowA(b.sheet, 0, 200, nullptr, 0);
        xlSheetSetRowA(b.sheet, 5, 12, nullptr, 0);  // a row without cells
        xlSheetSetRowA(b.sheet, 9, 40, nullptr, 0);
        xlSheetSetMergeA(b.sheet, 0, 1, 0, 10);
    });
    EXPECT_EQ(sheet.at(0, 0).text, "title");
    EXPECT_EQ(sheet.at(3, 0).number, 3);
    EXPECT_EQ(sheet.at(3, 4).number, 2);
    EXPECT_EQ(sheet.at(9, 0).number, 4);
    EXPECT_EQ(sheet.cells.size(), 4u);
    EXPECT_EQ(sheet.rowHeights, (std::map<int, double>{{0, 200}, {5, 12}, {9, 40}}));
    EXPECT_EQ(sheet.merges, (std::vector<std::array<int, 4>>{{0, 1, 0, 10}}));
}

TEST(XlBookSave, ReplacesAnEarlierFileAndCanSaveAgain) {
    TempFolder folder;
    const std::string path = folder.file("~001.xlsx");
    writeBytes(path, "an earlier workbook");
    ::chmod(path.c_str(), 0640);
    Books b;
    xlSheetWriteNumA(b.sheet, 0, 0, 1, nullptr);
    ASSERT_EQ(xlBookSaveA(b.book, path.c_str()), 1) << xlBookErrorMessageA(b.book);
    xlSheetWriteNumA(b.sheet, 0, 0, 2, nullptr);
    ASSERT_EQ(xlBookSaveA(b.book, path.c_str()), 1) << xlBookErrorMessageA(b.book);
    EXPECT_EQ(readXlsx(path).sheets.at(0).at(0, 0).number, 2);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"~001.xlsx"});  // no temporary left
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(XlBookSave, PathThroughAFileFailsAndWritesNothing) {
    TempFolder folder;
    writeBytes(folder.file("plain"), "x");
    const std::string path = folder.file("plain") + "/~001.xlsx";
    Books b;
    xlSheetWriteNumA(b.sheet, 0, 0, 1, nullptr);
    EXPECT_EQ(xlBookSaveA(b.book, path.c_str()), 0);
    EXPECT_EQ(std::string(xlBookErrorMessageA(b.book)),
              "cannot create a file beside " + path + ": Not a directory");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"plain"});
}

TEST(XlBookSave, FailedRenameRemovesTheTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.file("taken");
    std::filesystem::create_directory(path);
    writeBytes(path + "/inside", "x");  // a non-empty folder cannot be replaced
    Books b;
    xlSheetWriteNumA(b.sheet, 0, 0, 1, nullptr);
    EXPECT_EQ(xlBookSaveA(b.book, path.c_str()), 0);
    EXPECT_NE(std::string(xlBookErrorMessageA(b.book)).find("cannot replace " + path),
              std::string::npos)
        << xlBookErrorMessageA(b.book);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"taken"});
    EXPECT_EQ(readBytes(path + "/inside"), "x");
}

// setlocale with LOCPATH set keeps the search path in memory that glibc never frees.
bool setLocale(const char* name) {
#if defined(__SANITIZE_ADDRESS__)
    __lsan::ScopedDisabler notALeakOfOurs;
#endif
    return std::setlocale(LC_ALL, name) != nullptr;
}

// A decimal-comma locale, built on the spot when the system has none installed.
bool useDecimalCommaLocale(TempFolder& folder) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (setLocale(name))
            return true;
    }
    const std::string dir = folder.file("locales");
    std::filesystem::create_directory(dir);
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + dir + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return false;
    ::setenv("LOCPATH", dir.c_str(), 1);
    const bool made = setLocale("de_DE.UTF-8");
    // Loaded now; later newlocale calls would each keep a copy of the search path.
    ::unsetenv("LOCPATH");
    return made;
}

TEST(XlBookSave, DecimalCommaLocaleDoesNotCorruptNumbers) {
    TempFolder folder;
    if (!useDecimalCommaLocale(folder)) {
        setLocale("C");
        GTEST_SKIP() << "no decimal-comma locale can be made on this machine";
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    const std::string path = folder.file("comma.xlsx");
    {
        Books b;
        xlSheetWriteNumA(b.sheet, 3, 2, 8979.72, nullptr);
        xlSheetSetRowA(b.sheet, 0, 20.5, nullptr, 0);
        xlSheetSetColA(b.sheet, 1, 1, 8, nullptr, 0);
        ASSERT_EQ(xlBookSaveA(b.book, path.c_str()), 1) << xlBookErrorMessageA(b.book);
    }
    // The caller's locale is back once the save is over.
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    setLocale("C");
    const auto sheet = readXlsx(path).sheets.at(0);
    EXPECT_EQ(sheet.at(3, 2).number, 8979.72);
    EXPECT_EQ(sheet.rowHeights.at(0), 20.5);
    EXPECT_EQ(sheet.colWidths.at(1), 8.7109375);
}

}  // namespace
}  // namespace quorvel
