#include "text/row_text.h"

#include "text/number_format.h"
#include "text/number_text.h"
#include "text/unit_number.h"

namespace quorvel {

void appendTableRow(std::string& out, double level, long double litres,
                    const units::OutputUnits& units) {
    appendLengthIn(out, level, *units.length);
    out += ',';
    appendAmountIn(out, litres, *units.volume);
}

double parseRowNumber(std::string_view text) {
    if (auto value = parseGeneralNumber(text)) {
        return *value;
    }
    throw ConversionError(text);
}

LevelAndVolume parseTableRow(std::string_view row) {
    const std::size_t comma = row.find(',');
    if (comma == std::string_view::npos) {
        throw ConversionError(row);
    }
    return {parseRowNumber(row.substr(0, comma)), parseRowNumber(row.substr(comma + 1))};
}

}  // namespace quorvel
