#include "text/number_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel {
namespace {

TEST(FormatTwoDecimals, RoundsToHundredthsHalfAwayFromZero) {
    const std::pair<long double, const char*> cases[] = {
        {0, "0.00"},
        {7853.981633974L, "7853.98"},
        {2500, "2500.00"},
        {0.125L, "0.13"},
        {-0.125L, "-0.13"},
        {0.375L, "0.38"},
        {2.675L, "2.67"},  // not a tie: just below …675 in binary
        {-0.625L, "-0.63"},
        {1.0L / 3, "0.33"},
        {10.625L, "10.63"},
        {-1000, "-1000.00"},
        {0.004999L, "0.00"},
        {-0.004999L, "0.00"},
        {-0.0L, "0.00"},
        {-0.0049L, "0.00"},
        {0.995L, "1.00"},
        {999999.995L, "1000000.00"},
        {1e12L + 0.125L, "1000000000000.13"},
        {123456789012.345L, "123456789012.34"},
    };
    for (auto [value, text] : cases) {
        EXPECT_EQ(FormatTwoDecimals(value), text) << static_cast<double>(value);
    }
}

TEST(FormatTwoDecimals, AgreesWithTheCorrectlyRoundedPrinterAwayFromTies) {
    // glibc prints the exact binary value correctly rounded; only exact ties (x·8 odd)
    // differ, where it rounds to even.
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<long double> volumes(-2e6L, 2e8L);
    for (int i = 0; i < 20000; ++i) {
        const long double v = volumes(random) / (i % 7 + 1);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.2Lf", v);
        std::string want = expected;
        if (want == "-0.00") {
            want = "0.00";
        }
        ASSERT_EQ(FormatTwoDecimals(v), want) << expected;
    }
}

TEST(FormatTwoDecimals, NonFiniteIsAnError) {
    EXPECT_THROW(FormatTwoDecimals(INFINITY), std::range_error);
    EXPECT_THROW(FormatTwoDecimals(NAN), std::range_error);
}

TEST(FormatTwoDecimals, HugeValuesKeepEveryDigit) {
    // Expected texts from exact rational arithmetic on the binary values.
    const std::pair<long double, std::string> cases[] = {
        {1e70, "10000000000000000725314363815292351261583744096465219555182101554790400.00"},
        {-1e70, "-10000000000000000725314363815292351261583744096465219555182101554790400.00"},
        {static_cast<long double>(1e308) * 1000,
         "100000000000000001097906362944045541740492309677311846336810682903157585404911491537163"
         "328978494688899061249669721172515611590283743140088328307009198146046031271664502933027"
         "185697489699588559043338384466165001178426897626212945177628091195786707458122783970171"
         "784415105291802893207873272974885715430223118336000.00"},
        // Either side of the fast path's limit, and exact ties above it: away from zero.
        {9e16L, "90000000000000000.00"},
        {9e16L - 0.125L, "89999999999999999.88"},
        {0x1p57L + 0.125L, "144115188075855872.13"},
        {0x1p57L + 0.375L, "144115188075855872.38"},
        {-(0x1p60L + 0.625L), "-1152921504606846976.63"},
        {0x1p63L, "9223372036854775808.00"},
        {0x1p64L, "18446744073709551616.00"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatTwoDecimals(value), text) << text.size();
    }
}

TEST(FormatTwoDecimals, AgreesWithThePrinterAtEveryMagnitude) {
    // From 2^63 up every long double is a whole number, so the exact printer has no ties to
    // round differently; its text is the reference, at every length up to LDBL_MAX's.
    std::mt19937_64 random(99);
    std::vector<char> expected(LDBL_MAX_10_EXP + 16);
    std::vector<long double> values = {LDBL_MAX, -LDBL_MAX, DBL_MAX, 0x1p63L};
    for (int i = 0; i < 1000; ++i) {
        const long double mantissa = std::ldexp(static_cast<long double>(random() | 1), -64);
        values.push_back(std::ldexp(i % 2 ? mantissa : -mantissa,
                                    64 + static_cast<int>(random() % (LDBL_MAX_EXP - 64))));
    }
    for (long double v : values) {
        std::snprintf(expected.data(), expected.size(), "%.2Lf", v);
        ASSERT_EQ(FormatTwoDecimals(v), expected.data());
    }
}

TEST(FormatWholeNumber, RoundsHalfAwayAndKeepsEveryDigit) {
    const std::pair<long double, const char*> cases[] = {
        {0, "0"},
        {-0.4L, "0"},
        {2.5L, "3"},
        {-2.5L, "-3"},
        {1000001, "1000001"},
        {1e27L, "1000000000000000000000000000"},
        {1e30, "1000000000000000019884624838656"},
    };
    for (auto [value, text] : cases) {
        EXPECT_EQ(formatWholeNumber(value), text);
    }
    EXPECT_THROW(formatWholeNumber(NAN), std::range_error);
}

TEST(FormatLevel, ExtremeLevelsInExponentForm) {
    const std::pair<double, const char*> cases[] = {
        {1e70, "1e+70"},
        {-1e70, "-1e+70"},
        {DBL_MAX, "1.79769313486232e+308"},
        {-DBL_MAX, "-1.79769313486232e+308"},
        {DBL_TRUE_MIN, "4.94065645841247e-324"},
        {1e-300, "1e-300"},
        {99999999999999.9, "99999999999999.9"},
        {1e15, "1e+15"},
        {123456789012345678.0, "1.23456789012346e+17"},
    };
    for (auto [level, text] : cases) {
        EXPECT_EQ(formatLevel(level), text);
    }
    EXPECT_THROW(formatLevel(INFINITY), std::range_error);
    EXPECT_THROW(formatLevel(NAN), std::range_error);
}

TEST(FormatLevel, GeneralFormWithFifteenDigits) {
    const std::pair<double, const char*> cases[] = {
        {1250, "1250"},
        {12.5, "12.5"},
        {0, "0"},
        {-0.0, "0"},
        {0.3, "0.3"},
        {0.1 + 0.2, "0.3"},
        {-5, "-5"},
        {1999.9, "1999.9"},
        {1.0 / 3, "0.333333333333333"},
        {123456.789012345, "123456.789012345"},
    };
    for (auto [level, text] : cases) {
        EXPECT_EQ(formatLevel(level), text) << level;
    }
}

TEST(FormatLevel, AgreesWithTheFifteenDigitPrinter) {
    auto printed = [](double level) {
        char text[64];
        std::string s(text,
                      std::to_chars(text, text + 64, level, std::chars_format::general, 15).ptr);
        return s == "-0" ? std::string("0") : s;
    };
    std::vector<double> levels;
    for (int i = 0; i <= 300000; ++i) {
        levels.push_back(i * 0.01);
        levels.push_back(-5 + i * 0.003);
        levels.push_back(i / 3.0);
        levels.push_back(1e13 + i * 0.01);
    }
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> wide(-1e15, 1e15), unit(-1, 1);
    for (int i = 0; i < 200000; ++i) {
        levels.push_back(wide(random));
        levels.push_back(std::ldexp(unit(random), static_cast<int>(random() % 100) - 50));
        levels.push_back(std::round(wide(random) * 1e-6) / 1000);
    }
    for (double edge : {0.001, 0.000999999999999999, 99999999999999.9, 1e14, 999.9999999999999,
                        9.999999999999999e13, 0.0009999999999999999, 1234567.0000001}) {
        levels.push_back(edge);
        levels.push_back(-edge);
    }
    for (double level : levels) {
        ASSERT_EQ(formatLevel(level), printed(level)) << std::hexfloat << level;
    }
}

}  // namespace
}  // namespace quorvel
