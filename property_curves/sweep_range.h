#pragma once

#include <optional>
#include <string>
#include <vector>

namespace viskora {

// A sweep has at most this many points.
inline constexpr int kMaxSweepPoints = 1000;

// The swept values: from `from` to `to` in steps of `step`, or in
// `pointCount` evenly spaced points when that is above 0. A sweep runs
// downwards when `to` is below `from`; the step is taken by its size.
struct SweepRange {
    double from = 0;
    double to = 100;
    double step = 10;
    int pointCount = 0;
};

// The values of a range, the first `from` and the last `to`: with a step
// that does not divide the span, the last interval is the shorter one. Each
// value is from + i * step, so no rounding error builds up along the sweep,
// rounded to 12 significant digits so that decimal steps give the values as
// typed.
// Nothing, with `problem` set for the user, when a number is not finite,
// the step is 0 or the range has more than kMaxSweepPoints points.
std::optional<std::vector<double>> sweepValues(const SweepRange& range, std::string& problem);

} // namespace viskora
