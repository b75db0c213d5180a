#include "text/row_text.h"

#include <gtest/gtest.h>

#include <string>

#include "text/number_text.h"

namespace quorvel {
namespace {

struct NumberCase {
    const char* text;
    double value;
};

class NumberText : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberText, Reads) {
    EXPECT_EQ(parseRowNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Good, NumberText,
                         testing::Values(NumberCase{"1000", 1000}, NumberCase{"8979.72", 8979.72},
                                         NumberCase{"-5", -5}, NumberCase{".5", 0.5},
                                         NumberCase{"5.", 5}, NumberCase{"0.3", 0.3},
                                         NumberCase{"1E-5", 1e-5},
                                         NumberCase{"123456789012.345", 123456789012.345}));

class BadNumberText : public testing::TestWithParam<const char*> {};

TEST_P(BadNumberText, NamesTheText) {
    try {
        parseRowNumber(GetParam());
        FAIL() << "accepted " << GetParam();
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), std::string("“") + GetParam() + "”不是有效的数字");
    }
}

INSTANTIATE_TEST_SUITE_P(Bad, BadNumberText,
                         testing::Values("", " 1", "1 ", "+1", "1,5", "abc", "inf", "nan", "0x1A",
                                         ".", "-", "1e999", "1.2.3"));

TEST(TableRow, SplitsAtTheFirstComma) {
    const LevelAndVolume row = parseTableRow("1250,2500.00");
    EXPECT_EQ(row.level, 1250);
    EXPECT_EQ(row.volume, 2500);
    EXPECT_THROW(parseTableRow("1250,2500,00"), ConversionError);
    try {
        parseTableRow("1250;2500.00");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "“1250;2500.00”不是有效的数字");
    }
}

}  // namespace
}  // namespace quorvel
