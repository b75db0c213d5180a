#include "tank/density.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>

#include "platform/recording_ui.h"
#include "tank/number_text.h"
#include "test_forms.h"

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

TEST(MiDu, UnitDecidesTheFactor) {
    struct Case {
        const char* unit;
        const char* value;
        double kgPerM3;
        const char* unitAfter;
    };
    const Case cases[] = {
        {"Kg/m^3", "800", 800, "Kg/m^3"},
        {"g/cm^3", "0.8", 800, "g/cm^3"},
        {"单位", "1000", 1000, "Kg/m^3"},
        {"kg/m^3", "900", 900, "Kg/m^3"},  // the comparison is case-sensitive
        {"", "750.5", 750.5, "Kg/m^3"},
    };
    for (const auto& c : cases) {
        MemoryForm form = MemoryForm::designed();
        form.setText("ComboBox1", c.unit);
        form.setText("Edit37", c.value);
        EXPECT_DOUBLE_EQ(MiDu(form), c.kgPerM3) << c.unit;
        EXPECT_EQ(form.text("ComboBox1"), c.unitAfter) << c.unit;
    }
}

TEST(MiDu, DensityThatIsNotANumberFails) {
    for (const char* text : {"", ".", "0.8.1"}) {
        MemoryForm form = MemoryForm::designed();
        form.setText("ComboBox1", "Kg/m^3");
        form.setText("Edit37", text);
        EXPECT_THROW(MiDu(form), ConversionError) << text;
    }
}

TEST(VtoEdit, WeightWithTheSwitchLitresWithout) {
    MemoryForm form = MemoryForm::designed();
    EXPECT_EQ(VtoEdit(form, 2.5L * 1000), "2500.00");
    form.setChecked("CheckBox1", true);
    form.setText("ComboBox1", "Kg/m^3");
    form.setText("Edit37", "800");
    EXPECT_EQ(VtoEdit(form, 2.5), "2000.00");
    form.setText("ComboBox1", "g/cm^3");
    form.setText("Edit37", "0.8");
    EXPECT_EQ(VtoEdit(form, 2.5), "2000.00");
    // 12.5 L of dead volume at 0.85 g/cm³: the product is kept in long double.
    form.setText("Edit37", "0.85");
    EXPECT_EQ(VtoEdit(form, 0.001 * 12.5), "10.63");
    form.setText("ComboBox1", "单位");
    form.setText("Edit37", "1000");
    EXPECT_EQ(VtoEdit(form, 1), "1000.00");
    EXPECT_EQ(form.text("ComboBox1"), "Kg/m^3");
}

TEST(CheckNumberText, ShowsItsMessageForTextThatIsNotANumber) {
    const std::pair<const char*, bool> cases[] = {
        {"8", true},   {"0.85", true}, {" 12.5\t", true}, {"\n7\r", true}, {"", false},
        {"  ", false}, {".", false},   {"1..2", false},   {"abc", false},  {"8 5", false},
    };
    for (auto [text, number] : cases) {
        RecordingUi ui;
        EXPECT_EQ(CheckNumberText(text, ui), number) << text;
        if (number) {
            EXPECT_TRUE(ui.shown.empty()) << text;
        } else {
            EXPECT_EQ(ui.messages(), std::vector<std::string>{"输入内容不是数字"}) << text;
        }
    }
}

}  // namespace
}  // namespace quorvel
