#include "published_oils.h"

#include <gtest/gtest.h>

#include <ostream>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <string>

namespace viskora::testing {
namespace {

// A viscosity measured within 10 K of the pour point is of a waxy,
// possibly non-Newtonian oil, which no correlation of a Newtonian liquid is
// meant to give.
constexpr double kPourPointMargin = 10;

struct Accuracy {
    int points = 0;
    int refused = 0;
    double medianError = 0; // per cent
    double within25 = 0;    // per cent of the points
};

Accuracy accuracyOf(const std::string& group, OilInput input, ViscosityMethod method) {
    std::vector<double> errors;
    Accuracy accuracy;
    for (const PublishedOil& oil : publishedOils()) {
        if (oil.group != group) {
            continue;
        }
        for (const MeasuredPoint& point : oil.viscosities) {
            if (oil.pourPoint && point.tempC <= *oil.pourPoint + kPourPointMargin) {
                continue;
            }
            const auto computed = computedViscosity(oil, input, method, point.tempC);
            if (!computed || !std::isfinite(*computed)) {
                ++accuracy.refused;
                continue;
            }
            errors.push_back(std::fabs(*computed - point.viscosity) / point.viscosity * 100);
        }
    }
    accuracy.points = static_cast<int>(errors.size());
    if (errors.empty()) {
        return accuracy;
    }
    const std::size_t n = errors.size();
    accuracy.medianError = medianOf(errors);
    accuracy.within25 = 100.0 *
                        static_cast<double>(std::count_if(errors.begin(), errors.end(),
                                                          [](double e) { return e <= 25; })) /
                        static_cast<double>(n);
    return accuracy;
}

struct AccuracyCase {
    const char* name;
    const char* group;
    OilInput input;
    ViscosityMethod method;
    int points;
    double medianError; // per cent, as measured when the method was built
    double within25;    // per cent of the points
};

void PrintTo(const AccuracyCase& row, std::ostream* out) {
    *out << row.name;
}

class ViscosityAccuracy : public ::testing::TestWithParam<AccuracyCase> {};

// Each group's median error stays within one percentage point of the figure
// measured (and published in the README); a correlation that drifts, or a
// cut density, shift or blend gone wrong, moves it.
TEST_P(ViscosityAccuracy, MedianErrorHolds) {
    const AccuracyCase& c = GetParam();
    const Accuracy a = accuracyOf(c.group, c.input, c.method);
    std::cout << c.name << ": n " << a.points << ", refused " << a.refused << ", median "
              << a.medianError << " %, within 25 % " << a.within25 << " %\n";
    EXPECT_EQ(a.refused, 0);
    EXPECT_EQ(a.points, c.points);
    EXPECT_NEAR(a.medianError, c.medianError, 1.0);
    EXPECT_NEAR(a.within25, c.within25, 0.5);
}

using enum OilInput;
using enum ViscosityMethod;

INSTANTIATE_TEST_SUITE_P(
    PublishedOils, ViscosityAccuracy,
    ::testing::Values(
        AccuracyCase{"CrudesTableWhole", "EX-crude", FractionTable, WholeOil, 43, 91.03, 20.93},
        AccuracyCase{"CrudesTableCuts", "EX-crude", FractionTable, NarrowCuts, 43, 7.5, 93.02},
        AccuracyCase{"CrudesDensityWhole", "EX-crude", DensityOnly, WholeOil, 43, 66.13, 34.88},
        AccuracyCase{"CrudesDensityCuts", "EX-crude", DensityOnly, NarrowCuts, 43, 11.21, 79.07},
        AccuracyCase{"NaphthaWhole", "EX-cut-heavynaphtha", FractionTable, WholeOil, 21, 7.39,
                     90.48},
        AccuracyCase{"NaphthaCuts", "EX-cut-heavynaphtha", FractionTable, NarrowCuts, 21, 6.05,
                     85.71},
        AccuracyCase{"KeroseneWhole", "EX-cut-kerosene", FractionTable, WholeOil, 21, 3.57, 100},
        AccuracyCase{"KeroseneCuts", "EX-cut-kerosene", FractionTable, NarrowCuts, 21, 4.76, 100},
        AccuracyCase{"DieselWhole", "EX-cut-diesel", FractionTable, WholeOil, 21, 77.22, 0},
        AccuracyCase{"DieselCuts", "EX-cut-diesel", FractionTable, NarrowCuts, 21, 6.52, 100},
        AccuracyCase{"GasOilWhole", "EX-cut-VGO", FractionTable, WholeOil, 10, 55.06, 20},
        AccuracyCase{"GasOilCuts", "EX-cut-VGO", FractionTable, NarrowCuts, 10, 42.4, 30},
        AccuracyCase{"DatabaseTableWhole", "EC-fresh", FractionTable, WholeOil, 18, 86.36, 16.67},
        AccuracyCase{"DatabaseTableCuts", "EC-fresh", FractionTable, NarrowCuts, 18, 81.68, 5.56},
        AccuracyCase{"DatabaseDensityWhole", "EC-fresh", DensityOnly, WholeOil, 18, 94.7, 22.22},
        AccuracyCase{"DatabaseDensityCuts", "EC-fresh", DensityOnly, NarrowCuts, 18, 66.13, 16.67}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora::testing
