#include "property_curves/sweep_range.h"

#include <cmath>

namespace viskora {
namespace {

const std::string kTooManyPoints =
    "A sweep has at most " + std::to_string(kMaxSweepPoints) + " points.";

// Rounds the values inside the range to 12 significant digits of its larger
// end, so that 0.1 + 2 x 0.1 gives the 0.3 a user would type and not
// 0.30000000000000004. A value times a power of ten up to 1e15 stays below
// 2^53, so it rounds to a whole number exactly, and dividing by the same
// power gives the double nearest to the decimal value.
void roundToTyped(std::vector<double>& values, double from, double to) {
    const double magnitude = std::fmax(std::fabs(from), std::fabs(to));
    if (!(magnitude > 0)) {
        return;
    }
    const int digits = 11 - static_cast<int>(std::floor(std::log10(magnitude)));
    if (digits < 0 || digits > 15) {
        return;
    }
    const double scale = std::pow(10.0, digits);
    for (std::size_t i = 1; i + 1 < values.size(); ++i) {
        values[i] = std::round(values[i] * scale) / scale;
    }
}

std::vector<double> evenlySpaced(double from, double to, int count) {
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(count));
    const double interval = (to - from) / (count - 1);
    for (int i = 0; i + 1 < count; ++i) {
        values.push_back(from + i * interval);
    }
    values.push_back(to);
    roundToTyped(values, from, to);
    return values;
}

} // namespace

std::optional<std::vector<double>> sweepValues(const SweepRange& range, std::string& problem) {
    if (!std::isfinite(range.from) || !std::isfinite(range.to)) {
        problem = "The sweep's range must be given as finite numbers.";
        return std::nullopt;
    }
    if (range.pointCount > 0) {
        if (range.pointCount > kMaxSweepPoints) {
            problem = kTooManyPoints;
            return std::nullopt;
        }
        if (range.pointCount == 1 || range.from == range.to) {
            return std::vector<double>{range.from};
        }
        return evenlySpaced(range.from, range.to, range.pointCount);
    }
    if (range.pointCount < 0) {
        problem = "The number of points must be at least 1.";
        return std::nullopt;
    }
    if (range.from == range.to) {
        return std::vector<double>{range.from};
    }
    // The direction is from FROM to TO; a step below 0 would say the other
    // way, so it is refused as 0 is rather than read by its size.
    const double step = range.step;
    if (!std::isfinite(step) || !(step > 0)) {
        problem = "The sweep's step must be a number above 0.";
        return std::nullopt;
    }
    // Steps that land within a millionth of a step of the end count as
    // reaching it, so that 0 to 1 by 0.1 ends on 1 and not just short of it.
    const double intervals = std::fabs(range.to - range.from) / step;
    if (!(intervals < kMaxSweepPoints)) {
        problem = kTooManyPoints;
        return std::nullopt;
    }
    const int whole = static_cast<int>(std::floor(intervals + 1e-6));
    const double direction = range.to > range.from ? 1.0 : -1.0;
    std::vector<double> values;
    for (int i = 0; i <= whole; ++i) {
        values.push_back(range.from + direction * i * step);
    }
    if (intervals - whole > 1e-6) {
        values.push_back(range.to);
    } else {
        values.back() = range.to;
    }
    if (values.size() > static_cast<std::size_t>(kMaxSweepPoints)) {
        problem = kTooManyPoints;
        return std::nullopt;
    }
    roundToTyped(values, range.from, range.to);
    return values;
}

} // namespace viskora
