#include "tank/density.h"

#include <gtest/gtest.h>

#include "support/forms.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

// Only the two units convert; any other unit text stops the weight, and the list keeps it.
TEST(MiDu, UnitDecidesTheFactorOrStops) {
    struct Case {
        const char* unit;
        const char* value;
        double kgPerM3;  // 0: stopped
    };
    const Case cases[] = {
        {"Kg/m^3", "800", 800}, {"g/cm^3", "0.8", 800},
        {"单位", "1000", 0},   // the list's initial text
        {"0", "0.84", 0},      // a settings file of a folder used without weights
        {"kg/m^3", "900", 0},  // the comparison is case-sensitive
        {"", "750.5", 0},
    };
    for (const auto& c : cases) {
        MemoryForm form = MemoryForm::designed();
        form.setText("ComboBox1", c.unit);
        form.setText("Edit37", c.value);
        const Outcome<double> density = MiDu(form);
        if (c.kgPerM3 == 0) {
            ASSERT_FALSE(density) << c.unit;
            EXPECT_EQ(density.stop(), messageStop("请选择密度单位"));
        } else {
            ASSERT_TRUE(density) << c.unit;
            EXPECT_DOUBLE_EQ(*density, c.kgPerM3) << c.unit;
        }
        EXPECT_EQ(form.text("ComboBox1"), c.unit);
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

TEST(VtoEdit, WeightAtADensityLitresWithout) {
    MemoryForm form = MemoryForm::designed();
    EXPECT_EQ(VtoEdit(2.5L, std::nullopt), "2500.00");
    form.setText("ComboBox1", "Kg/m^3");
    form.setText("Edit37", "800");
    EXPECT_EQ(VtoEdit(2.5, *MiDu(form)), "2000.00");
    form.setText("ComboBox1", "g/cm^3");
    form.setText("Edit37", "0.8");
    EXPECT_EQ(VtoEdit(2.5, *MiDu(form)), "2000.00");
    // 12.5 L of dead volume at 0.85 g/cm³: the product is kept in long double.
    form.setText("Edit37", "0.85");
    EXPECT_EQ(VtoEdit(0.001 * 12.5, *MiDu(form)), "10.63");
}

}  // namespace
}  // namespace quorvel
