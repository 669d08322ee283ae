#include "property_curves_ui/log_axis_scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace viskora {
namespace {

// A value counts as lying on a tick within this relative distance, so that
// a value computed as 0.30000000000000004 sits on the tick 0.3.
constexpr double kOnTick = 1e-9;
constexpr int kMostLabels = 10;

constexpr std::array<double, 9> kEveryMultiple = {1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr std::array<double, 3> kOneTwoFive = {1, 2, 5};
constexpr std::array<double, 1> kDecades = {1};

// m x 10^k, rounded to the nearest double of its short decimal form, so
// that 3 x 10^-1 is the double 0.3 a reader's value meets.
double tick(double multiple, int power) {
    return power >= 0 ? multiple * std::pow(10.0, power) : multiple / std::pow(10.0, -power);
}

// The ticks of the decades `first` to `last` with the given multiples,
// every `stride`-th decade only.
std::vector<double> ticksOver(int first, int last, std::span<const double> multiples, int stride) {
    std::vector<double> ticks;
    for (int power = first; power <= last; ++power) {
        if ((power - first) % stride != 0) {
            continue;
        }
        for (const double multiple : multiples) {
            ticks.push_back(tick(multiple, power));
        }
    }
    return ticks;
}

} // namespace

LogAxisScale logAxisScale(double low, double high) {
    const double decades = std::log10(high / low);
    const int firstPower = static_cast<int>(std::floor(std::log10(low) + kOnTick));
    int lastPower = static_cast<int>(std::ceil(std::log10(high) - kOnTick));
    std::span<const double> multiples = kDecades;
    int stride = 1;
    if (decades <= 1 + kOnTick) {
        multiples = kEveryMultiple;
    } else if (decades <= 3 + kOnTick) {
        multiples = kOneTwoFive;
    } else {
        stride = (lastPower - firstPower + kMostLabels - 1) / kMostLabels;
        // Whole strides, so that the top decade is labelled too.
        lastPower = firstPower + (lastPower - firstPower + stride - 1) / stride * stride;
    }
    std::vector<double> all = ticksOver(firstPower, lastPower + 1, multiples, stride);
    // From the last tick at or below `low` to the first at or above `high`;
    // a single value gets the ticks either side of it.
    const auto below =
        std::find_if(all.rbegin(), all.rend(), [&](double t) { return t <= low * (1 + kOnTick); });
    auto above =
        std::find_if(all.begin(), all.end(), [&](double t) { return t >= high * (1 - kOnTick); });
    const auto first = below == all.rend() ? all.begin() : std::prev(below.base());
    if (above == all.end()) {
        above = std::prev(all.end());
    }
    if (above == first && std::next(above) != all.end()) {
        ++above;
    }
    LogAxisScale scale;
    scale.ticks.assign(first, std::next(above));
    scale.low = scale.ticks.front();
    scale.high = scale.ticks.back();
    return scale;
}

} // namespace viskora
