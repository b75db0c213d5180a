#include "text/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

struct Accepted {
    const char* text;
    double value;
};

TEST(NumberText, AcceptsPlainDecimals) {
    const Accepted cases[] = {
        {"0", 0},         {"2000", 2000}, {"12.5", 12.5}, {".5", 0.5},        {"5.", 5},
        {"-3.25", -3.25}, {"007", 7},     {"0.1", 0.1},   {"1999.9", 1999.9}, {"-0", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textToNumber(c.text), c.value) << c.text;
    }
}

TEST(NumberText, RejectsEverythingElseNamingTheText) {
    const char* rejected[] = {"",     "1.2.3", " 1",  "1 ",  "+1",  ".",  "-",   "-.", "1e3",
                              "0x10", "inf",   "nan", "1,5", "--1", "1-", "abc", "１", "1.5e-3"};
    for (const char* text : rejected) {
        EXPECT_FALSE(parseDecimal(text).has_value()) << text;
        try {
            textToNumber(text);
            ADD_FAILURE() << "no error for \"" << text << "\"";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "“" + std::string(text) + "”不是有效的数字");
        }
    }
}

TEST(NumberText, MessageOfTheExample) {
    try {
        textToNumber("1.2.3");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_STREQ(e.what(), "“1.2.3”不是有效的数字");
    }
}

TEST(NumberText, TooLargeForADoubleIsNotANumber) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_THROW(textToNumber(huge), ConversionError);
    // A value below the smallest double is simply zero.
    EXPECT_EQ(textToNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumberText, IntegersOnly) {
    EXPECT_EQ(textToInteger("5"), 5);
    EXPECT_EQ(textToInteger("999"), 999);
    EXPECT_EQ(textToInteger("-2"), -2);
    for (const char* text : {"", "5.0", "5.", " 5", "+5", "99999999999", "x"}) {
        try {
            textToInteger(text);
            ADD_FAILURE() << "no error for \"" << text << "\"";
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.what(), "“" + std::string(text) + "”不是有效的数字");
        }
    }
}

}  // namespace
}  // namespace quorvel
