#include "output/table_rows.h"

namespace quorvel {

void HeldRowNumbers::read(std::size_t first, std::size_t count, RowNumbers* out) const {
    for (std::size_t k = 0; k < count; ++k) {
        const LevelAndVolume cells = parseTableRow(rows_[first + k]);
        out[k] = {cells.level, cells.volume,
                  weights_.empty() ? 0.0 : parseRowNumber(weights_[first + k])};
    }
}

}  // namespace quorvel
