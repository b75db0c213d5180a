#include "tank/density.h"

#include "text/number_format.h"
#include "text/number_text.h"

namespace quorvel {

double MiDu(FieldSource& form) {
    const std::string unit = form.text("ComboBox1");
    const double value = textToNumber(form.text("Edit37"));
    if (unit == "Kg/m^3") {
        return value;
    }
    if (unit == "g/cm^3") {
        return value * 1000;
    }
    form.setText("ComboBox1", "Kg/m^3");
    return value;
}

std::string VtoEdit(long double totalM3, std::optional<double> densityKgPerM3) {
    return FormatTwoDecimals(shownQuantity(totalM3, densityKgPerM3));
}

}  // namespace quorvel
