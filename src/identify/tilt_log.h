// A site's log of dips and metered volumes, as the tilt identification reads it, and the
// checks it must pass before any fit: enough measurements for the unknowns, every level
// inside the tank, volumes that change with level.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

#include "tank/outcome.h"
#include "tank/tank_config.h"

namespace quorvel::identify {

// Outflow: each row's volume left the tank since the row before (a delivery is a negative
// outflow; the first row's volume is ignored, its level is the start). Absolute: the tank's
// volume at the row's level (a volumetric calibration).
enum class LogKind { Outflow, Absolute };

struct LogRow {
    double level = 0;   // mm, the gauge's reading after the movement
    double volume = 0;  // L
    int sourceRow = 0;  // the row of the file it came from (from 1); 0: its place in the log
};

// The unknowns to fit; the others are held at the tank's values (β, and an offset of 0).
struct Unknowns {
    bool alpha = true;
    bool beta = true;
    bool offset = false;
    std::size_t count() const {
        return static_cast<std::size_t>(alpha) + static_cast<std::size_t>(beta) +
               static_cast<std::size_t>(offset);
    }
};

// Independent measurements a log gives: one per movement (rows − 1) or one per row.
std::size_t measurementCount(std::size_t rows, LogKind kind);

// The first reason the log cannot be fitted for `tank` (a tilted tank as read), in the order:
// a value that is not finite, a level outside 0 … the tank's height, fewer than three
// measurements per unknown, volumes that do not change with level. Nothing when it can.
std::optional<Stop> checkLog(const TankConfig& tank, std::span<const LogRow> log, LogKind kind,
                             Unknowns unknowns);

}  // namespace quorvel::identify
