// What a table of calibration points is checked for before it replaces the grid: the typing
// errors and gaps an issued table shows. Faults make the table unusable; warnings point at
// a row worth a second look (kinks, gaps), which the user may accept.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace quorvel {

struct PointFinding {
    enum class Kind {
        LevelFalls,     // fault: the level is below the one before
        LevelRepeated,  // fault: the level equals the one before
        VolumeFalls,    // fault: the volume is below the one before
        Gap,            // warning: the step to this level is over kGapFactor × the median step
        IncrementJump,  // warning: litres per mm change by over kIncrementJump between the
                        // interval ending here and the one after
    };
    Kind kind;
    std::size_t index = 0;  // the point concerned (the later one of a pair)
    // LevelFalls, LevelRepeated, VolumeFalls: the value before and the value here.
    // Gap: the step and the median step (mm). IncrementJump: the litres per mm of the
    // interval ending at the point and of the one after it.
    double before = 0, here = 0;

    bool fault() const { return kind != Kind::Gap && kind != Kind::IncrementJump; }
};

inline constexpr double kGapFactor = 5;
inline constexpr double kIncrementJump = 0.25;
// Increments are compared away from the bottom and the top, where a horizontal or spherical
// tank's litres per mm change fastest: only intervals within the middle 90 % of the levels.
inline constexpr double kEndBand = 0.05;

// The findings of `levels` (mm) and `volumes` (L), point by point in table order. The level
// and volume faults compare each point with the one before; the gap compares each step with
// the median of all the steps between rising levels; an increment jump is found when the
// larger of two neighbouring intervals' litres per mm exceeds the smaller by over 25 % (or
// one is zero or less and the other is not), both intervals lying within the middle band.
// Gaps and increments are looked at only between rising levels.
std::vector<PointFinding> checkPoints(std::span<const double> levels,
                                      std::span<const double> volumes);

}  // namespace quorvel
