#include "tank/number_format.h"

#include <gtest/gtest.h>

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
