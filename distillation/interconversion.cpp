#include "distillation/interconversion.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace viskora::distillation {
namespace {

constexpr std::array<double, 7> kDaubertD86Percents = {0, 10, 30, 50, 70, 90, 100};
constexpr std::array<double, 7> kRiaziDaubertPercents = {0, 10, 30, 50, 70, 90, 95};
constexpr std::array<double, 8> kSimDistPercents = {5, 10, 30, 50, 70, 90, 95, 100};
constexpr std::array<double, 4> kD1160Percents = {0, 10, 30, 50};

// A power law per interval between neighbouring standard percents.
struct IntervalLaw {
    double lower;
    double upper;
    double factor;
    double exponent;
};

// Daubert 1994, D86 to TBP (API 3A1.1).
constexpr std::array<IntervalLaw, 6> kD86Intervals = {{
    {0, 10, 7.4012, 0.60244},
    {10, 30, 4.9004, 0.71644},
    {30, 50, 3.0305, 0.80076},
    {50, 70, 2.5282, 0.82002},
    {70, 90, 3.0419, 0.75497},
    {90, 100, 0.11798, 1.6606},
}};

// Daubert 1994, D2887 to TBP (API 3A3.1).
constexpr std::array<IntervalLaw, 7> kSimDistIntervals = {{
    {5, 10, 0.15779, 1.4296},
    {10, 30, 0.011903, 2.0253},
    {30, 50, 0.05342, 1.6988},
    {50, 70, 0.19861, 1.3975},
    {70, 90, 0.31531, 1.2938},
    {90, 95, 0.97476, 0.8723},
    {95, 100, 0.02172, 1.9733},
}};

// Riazi and Daubert 1986, TBP = a D86^b in K (Riazi 2005, table of eq. 3.14).
struct PointLaw {
    double percent;
    double a;
    double b;
};
constexpr std::array<PointLaw, 7> kRiaziDaubertLaws = {{
    {0, 0.9177, 1.0019},
    {10, 0.5564, 1.0900},
    {30, 0.7652, 1.0425},
    {50, 0.9013, 1.0176},
    {70, 0.8821, 1.0226},
    {90, 0.9552, 1.0110},
    {95, 0.8177, 1.0355},
}};

template <std::size_t N>
const IntervalLaw* findInterval(const std::array<IntervalLaw, N>& laws, double lower,
                                double upper) {
    for (const IntervalLaw& law : laws) {
        if (law.lower == lower && law.upper == upper) {
            return &law;
        }
    }
    return nullptr;
}

// TBP from the 50 % point outward: each interval adds (or, below 50 %,
// takes off) its law of the source difference over that interval. An
// interval the table does not know leaves the source difference as it is.
template <std::size_t N>
std::vector<StandardPoint> chainFromMiddle(std::span<const StandardPoint> source, double tbp50,
                                           const std::array<IntervalLaw, N>& laws) {
    std::vector<StandardPoint> tbp(source.begin(), source.end());
    const auto middle = std::find_if(source.begin(), source.end(),
                                     [](const StandardPoint& p) { return p.percent == 50; });
    if (middle == source.end()) {
        return tbp;
    }
    const std::size_t m = static_cast<std::size_t>(middle - source.begin());
    tbp[m].temperature = tbp50;
    const auto difference = [&](std::size_t lower, std::size_t upper) {
        const double delta = source[upper].temperature - source[lower].temperature;
        const IntervalLaw* law = findInterval(laws, source[lower].percent, source[upper].percent);
        return law ? law->factor * std::pow(delta, law->exponent) : delta;
    };
    for (std::size_t i = m; i > 0; --i) {
        tbp[i - 1].temperature = tbp[i].temperature - difference(i - 1, i);
    }
    for (std::size_t i = m + 1; i < source.size(); ++i) {
        tbp[i].temperature = tbp[i - 1].temperature + difference(i - 1, i);
    }
    return tbp;
}

} // namespace

std::span<const double> daubertD86Percents() {
    return kDaubertD86Percents;
}
std::span<const double> riaziDaubertD86Percents() {
    return kRiaziDaubertPercents;
}
std::span<const double> daubertSimDistPercents() {
    return kSimDistPercents;
}
std::span<const double> d1160Percents() {
    return kD1160Percents;
}

std::vector<StandardPoint> daubertD86ToTbp(std::span<const StandardPoint> d86) {
    const auto middle = std::find_if(d86.begin(), d86.end(),
                                     [](const StandardPoint& p) { return p.percent == 50; });
    const double tbp50 = middle == d86.end() ? 0 : 0.8718 * std::pow(middle->temperature, 1.0258);
    return chainFromMiddle(d86, tbp50, kD86Intervals);
}

std::vector<StandardPoint> riaziDaubertD86ToTbp(std::span<const StandardPoint> d86) {
    std::vector<StandardPoint> tbp(d86.begin(), d86.end());
    for (StandardPoint& point : tbp) {
        for (const PointLaw& law : kRiaziDaubertLaws) {
            if (law.percent == point.percent) {
                point.temperature = law.a * std::pow(point.temperature, law.b);
            }
        }
    }
    return tbp;
}

std::vector<StandardPoint> daubertSimDistToTbp(std::span<const StandardPoint> simDist) {
    const auto middle = std::find_if(simDist.begin(), simDist.end(),
                                     [](const StandardPoint& p) { return p.percent == 50; });
    const double tbp50 = middle == simDist.end() ? 0 : middle->temperature;
    return chainFromMiddle(simDist, tbp50, kSimDistIntervals);
}

std::vector<StandardPoint> d1160ToTbp(std::span<const StandardPoint> d1160) {
    std::vector<StandardPoint> tbp(d1160.begin(), d1160.end());
    for (std::size_t i = tbp.size(); i-- > 1;) {
        if (tbp[i].percent > 50) {
            continue;
        }
        const double dT = d1160[i].temperature - d1160[i - 1].temperature;
        const double f = d1160[i - 1].percent >= 10
                             ? 0.3 + 1.2775 * dT - 5.539e-3 * dT * dT + 2.7486e-5 * dT * dT * dT
                             : 2.2566 * dT - 266.2e-4 * dT * dT + 1.4093e-4 * dT * dT * dT;
        tbp[i - 1].temperature = tbp[i].temperature - f;
    }
    return tbp;
}

double normalBoilingPoint(double temperature, double pressure, double watsonK) {
    const double lp = std::log10(pressure);
    double q = 0;
    if (pressure < 2) {
        q = (5.994296 - 0.972546 * lp) / (2663.129 - 95.76 * lp);
    } else if (pressure <= 760) {
        q = (6.761560 - 0.987672 * lp) / (3000.538 - 43 * lp);
    } else {
        q = (6.412631 - 0.989679 * lp) / (2770.085 - 36 * lp);
    }
    // The boiling point of a Watson K 12 fraction.
    const double tb12 = 748.1 * q * temperature / (1 + temperature * (0.3861 * q - 0.00051606));
    // The K correction; F is taken at that first estimate of Tb.
    const double f = std::clamp(-3.2985 + 0.009 * tb12, 0.0, 1.0);
    return tb12 + 1.3889 * f * (watsonK - 12) * std::log10(pressure / 760);
}

double watsonFactor(double boilingPoint, double specificGravity) {
    return std::cbrt(1.8 * boilingPoint) / specificGravity;
}

} // namespace viskora::distillation
