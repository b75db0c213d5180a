#include "text/unit_number.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "text/number_format.h"
#include "text/text_messages.h"

namespace quorvel {
namespace {

// `value` with `decimals` places, rounded to nearest (the exact binary value's nearest);
// never "-0.00".
void appendFixed(std::string& out, long double value, int decimals) {
    if (!std::isfinite(value)) {
        throw std::range_error(text_messages::kResultNotFinite);
    }
    char text[80];
    auto [end, ec] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        throw std::range_error(text_messages::kResultNotFinite);
    }
    std::string_view printed(text, static_cast<std::size_t>(end - text));
    if (printed.starts_with('-') && printed.find_first_not_of("-0.") == std::string_view::npos) {
        printed.remove_prefix(1);
    }
    out.append(printed);
}

}  // namespace

void appendLengthIn(std::string& out, double millimetres, const units::Unit& unit) {
    if (unit.inDefault == 1 && unit.decimals == units::kGeneralForm) {
        appendLevel(out, millimetres);
        return;
    }
    appendFixed(out, millimetres / unit.inDefault, unit.decimals);
}

std::string formatLengthIn(double millimetres, const units::Unit& unit) {
    std::string out;
    appendLengthIn(out, millimetres, unit);
    return out;
}

void appendAmountIn(std::string& out, long double amount, const units::Unit& unit) {
    if (unit.inDefault == 1 && unit.decimals == 2) {
        appendTwoDecimals(out, amount);
        return;
    }
    appendFixed(out, amount / unit.inDefault, unit.decimals);
}

std::string formatAmountIn(long double amount, const units::Unit& unit) {
    std::string out;
    appendAmountIn(out, amount, unit);
    return out;
}

}  // namespace quorvel
