// Round tick values for the axes of the capacity curve: steps of 1, 2 or 5 times a power
// of ten, the axis widened to whole steps.
#pragma once

#include <string>
#include <vector>

namespace quorvel::ui {

struct AxisScale {
    double low = 0;
    double high = 1;
    double step = 1;
    std::vector<double> ticks;  // low, low + step, … high
};

// An axis covering [min, max] with at most maxTicks ticks (at least 2). An empty or
// non-finite range gets a unit-wide axis around it.
AxisScale niceScale(double min, double max, int maxTicks);

// A tick's text: general form, no trailing zeros ("0.5", "1000", "12000").
std::string tickText(double value);

}  // namespace quorvel::ui
