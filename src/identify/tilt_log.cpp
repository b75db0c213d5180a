#include "identify/tilt_log.h"

#include <algorithm>
#include <cmath>

#include "identify/identify_messages.h"
#include "text/number_format.h"

namespace quorvel::identify {

namespace msg = identify_messages;

std::size_t measurementCount(std::size_t rows, LogKind kind) {
    if (kind == LogKind::Absolute) {
        return rows;
    }
    return rows == 0 ? 0 : rows - 1;
}

std::optional<Stop> checkLog(const TankConfig& tank, std::span<const LogRow> log, LogKind kind,
                             Unknowns unknowns) {
    if (unknowns.count() == 0) {
        return messageStop(std::string(msg::kNothingToFit));
    }
    const double height = tank.height();
    for (std::size_t i = 0; i < log.size(); ++i) {
        const std::size_t row =
            log[i].sourceRow > 0 ? static_cast<std::size_t>(log[i].sourceRow) : i + 1;
        if (!std::isfinite(log[i].level) || !std::isfinite(log[i].volume)) {
            return messageStop(msg::notANumber(row));
        }
        if (log[i].level < 0 || log[i].level > height) {
            return messageStop(
                msg::levelOutside(row, formatLevel(log[i].level), formatLevel(height)));
        }
    }
    const std::size_t have = measurementCount(log.size(), kind);
    const std::size_t need = 3 * unknowns.count();
    if (have < need) {
        return messageStop(msg::tooFewRows(have, need));
    }
    // Levels that never move, or measured volumes that never differ, say nothing of the shape.
    const auto [low, high] = std::ranges::minmax(log, {}, &LogRow::level);
    const std::span<const LogRow> measured = kind == LogKind::Outflow ? log.subspan(1) : log;
    const auto [least, most] = std::ranges::minmax(measured, {}, &LogRow::volume);
    const bool volumesChange = kind == LogKind::Outflow ? (least.volume != 0 || most.volume != 0)
                                                        : least.volume != most.volume;
    if (low.level == high.level || !volumesChange) {
        return messageStop(std::string(msg::kNoChange));
    }
    return std::nullopt;
}

}  // namespace quorvel::identify
