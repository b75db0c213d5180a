#include "tank/density.h"

#include <gtest/gtest.h>

#include "support/forms.h"
#include "text/number_text.h"

namespace quorvel {
namespace {

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

TEST(VtoEdit, WeightAtADensityLitresWithout) {
    MemoryForm form = MemoryForm::designed();
    EXPECT_EQ(VtoEdit(2.5L, std::nullopt), "2500.00");
    form.setText("ComboBox1", "Kg/m^3");
    form.setText("Edit37", "800");
    EXPECT_EQ(VtoEdit(2.5, MiDu(form)), "2000.00");
    form.setText("ComboBox1", "g/cm^3");
    form.setText("Edit37", "0.8");
    EXPECT_EQ(VtoEdit(2.5, MiDu(form)), "2000.00");
    // 12.5 L of dead volume at 0.85 g/cm³: the product is kept in long double.
    form.setText("Edit37", "0.85");
    EXPECT_EQ(VtoEdit(0.001 * 12.5, MiDu(form)), "10.63");
    form.setText("ComboBox1", "单位");
    form.setText("Edit37", "1000");
    EXPECT_EQ(VtoEdit(1, MiDu(form)), "1000.00");
    EXPECT_EQ(form.text("ComboBox1"), "Kg/m^3");
}

}  // namespace
}  // namespace quorvel
