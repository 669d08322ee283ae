#include "published_oils.h"

#include "assays/assay_figures.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <iostream>
#include <string>

namespace viskora::testing {
namespace {

constexpr double kPourPointMargin = 10;  // K, as for the other accuracy figures
constexpr double kEveryTemperature = -1; // every measured temperature at once

std::optional<double> assayViscosity(const assays::OilFigures& figures, double tempC) {
    // The assays' crudes are measured at 20, 40 and 50 deg.C.
    if (tempC == 20) {
        return figures.viscosity20;
    }
    if (tempC == 40) {
        return figures.viscosity40;
    }
    if (tempC == 50) {
        return figures.viscosity50;
    }
    return std::nullopt;
}

enum class CrudeInput { Assay, FractionTable };

struct AssayAccuracyCase {
    const char* name;
    CrudeInput input;
    double tempC; // or kEveryTemperature
    int points;
    double medianError; // per cent, as measured when assays were built
};

void PrintTo(const AssayAccuracyCase& row, std::ostream* out) {
    *out << row.name;
}

class AssayAccuracy : public ::testing::TestWithParam<AssayAccuracyCase> {};

// The published crudes' viscosities by narrow cuts at one temperature,
// from their assays (each cut's own density) and, for comparison, from
// the fraction table and the oil's density alone; each median stays within
// a percentage point of the figure measured (and published in the README).
TEST_P(AssayAccuracy, MedianErrorHolds) {
    const AssayAccuracyCase& c = GetParam();
    std::vector<double> errors;
    for (const PublishedOil& oil : publishedOils()) {
        if (oil.group != "EX-crude") {
            continue;
        }
        for (const MeasuredPoint& point : oil.viscosities) {
            if ((c.tempC != kEveryTemperature && point.tempC != c.tempC) ||
                (oil.pourPoint && point.tempC <= *oil.pourPoint + kPourPointMargin)) {
                continue;
            }
            std::optional<double> computed;
            if (c.input == CrudeInput::Assay) {
                const assays::FiguresOutcome outcome = assays::characteriseAssay(assayOf(oil));
                ASSERT_TRUE(outcome.figures) << oil.id << ": " << outcome.problem;
                computed = assayViscosity(outcome.figures->oil, point.tempC);
            } else {
                computed = computedViscosity(oil, OilInput::FractionTable,
                                             ViscosityMethod::NarrowCuts, point.tempC);
            }
            ASSERT_TRUE(computed && std::isfinite(*computed)) << oil.id;
            errors.push_back(std::fabs(*computed - point.viscosity) / point.viscosity * 100);
        }
    }
    ASSERT_FALSE(errors.empty());
    const double median = medianOf(errors);
    std::cout << c.name << ": n " << errors.size() << ", median " << median << " %\n";
    EXPECT_EQ(static_cast<int>(errors.size()), c.points);
    EXPECT_NEAR(median, c.medianError, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    PublishedCrudes, AssayAccuracy,
    ::testing::Values(AssayAccuracyCase{"Assay", CrudeInput::Assay, kEveryTemperature, 43, 7.74},
                      AssayAccuracyCase{"AssayAt20", CrudeInput::Assay, 20, 13, 7.74},
                      AssayAccuracyCase{"AssayAt40", CrudeInput::Assay, 40, 15, 6.01},
                      AssayAccuracyCase{"AssayAt50", CrudeInput::Assay, 50, 15, 7.74},
                      AssayAccuracyCase{"Table", CrudeInput::FractionTable, kEveryTemperature, 43,
                                        7.5},
                      AssayAccuracyCase{"TableAt20", CrudeInput::FractionTable, 20, 13, 9.39},
                      AssayAccuracyCase{"TableAt40", CrudeInput::FractionTable, 40, 15, 6.29},
                      AssayAccuracyCase{"TableAt50", CrudeInput::FractionTable, 50, 15, 7.5}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora::testing
