#include "tank/density.h"

#include "tank/number_text.h"

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

std::string VtoEdit(FieldSource& form, long double value) {
    if (form.checked("CheckBox1")) {
        return FormatTwoDecimals(value * static_cast<long double>(MiDu(form)));
    }
    return FormatTwoDecimals(value);
}

bool CheckNumberText(std::string_view text, UiServices& ui) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    if (parseDecimal(text)) {
        return true;
    }
    ui.showMessage("输入内容不是数字");
    return false;
}

}  // namespace quorvel
