#include "output/number_text.h"

namespace quorvel {

double parseNumberText(std::string_view text) {
    if (auto value = parseGeneralNumber(text)) {
        return *value;
    }
    throw NumberTextError(text);
}

LevelAndVolume parseTableRow(std::string_view row) {
    const std::size_t comma = row.find(',');
    if (comma == std::string_view::npos) {
        throw NumberTextError(row);
    }
    return {parseNumberText(row.substr(0, comma)), parseNumberText(row.substr(comma + 1))};
}

}  // namespace quorvel
