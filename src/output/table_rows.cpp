#include "output/table_rows.h"

namespace quorvel {

RowTexts splitRowText(std::string_view row, std::string_view weight, std::string_view uncertainty) {
    const auto comma = row.find(',');
    if (comma == std::string_view::npos) {
        return {row, {}, weight, uncertainty};
    }
    return {row.substr(0, comma), row.substr(comma + 1), weight, uncertainty};
}

const std::vector<std::string>& HeldRows::noTexts() {
    static const std::vector<std::string> none;
    return none;
}

void HeldRows::read(std::size_t first, std::size_t count, RowNumbers* out) const {
    for (std::size_t k = 0; k < count; ++k) {
        const LevelAndVolume cells = parseTableRow(rows_[first + k]);
        out[k] = {cells.level, cells.volume,
                  weights_.empty() ? 0.0 : parseRowNumber(weights_[first + k]),
                  uncertainties_.empty() ? 0.0 : parseRowNumber(uncertainties_[first + k])};
    }
}

RowTexts HeldRows::texts(std::size_t i) const {
    return splitRowText(rows_[i], weights_.empty() ? std::string_view() : weights_[i],
                        uncertainties_.empty() ? std::string_view() : uncertainties_[i]);
}

CapacityCurve capacityCurve(const TableRows& rows, const TankConfig& config,
                            std::optional<double> densityKgPerM3) {
    CapacityCurve curve;
    curve.weights = config.useDensity && rows.weightCount() == rows.size();
    curve.points.reserve(rows.size());
    RowNumbers row;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows.read(i, 1, &row);
        curve.points.push_back({row.level, curve.weights ? row.weight : row.volume});
    }
    addMeasuredPoints(curve, config, curve.weights ? densityKgPerM3 : std::nullopt);
    return curve;
}

}  // namespace quorvel
