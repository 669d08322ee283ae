#include "property_curves/sweep_range.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>

namespace viskora {
namespace {

struct RangeCase {
    const char* name;
    SweepRange range;
    std::vector<double> expected; // empty: the range is refused
};

void PrintTo(const RangeCase& row, std::ostream* out) {
    *out << row.name;
}

class SweepValues : public ::testing::TestWithParam<RangeCase> {};

TEST_P(SweepValues, GivesThePointsOrRefuses) {
    const RangeCase& c = GetParam();
    std::string problem;
    const auto values = sweepValues(c.range, problem);
    if (c.expected.empty()) {
        EXPECT_FALSE(values);
        EXPECT_FALSE(problem.empty());
        return;
    }
    ASSERT_TRUE(values) << problem;
    ASSERT_EQ(values->size(), c.expected.size());
    for (std::size_t i = 0; i < values->size(); ++i) {
        // Exactly the value as typed: 0.3, not 0.30000000000000004.
        EXPECT_EQ((*values)[i], c.expected[i]) << i;
    }
    // The sweep ends on its "to", exactly.
    EXPECT_EQ(values->back(), c.range.to);
}

std::vector<double> counting(int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(i);
    }
    return values;
}

const double kNan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Ranges, SweepValues,
    ::testing::Values(RangeCase{"EvenSteps", {0, 100, 25, 0}, {0, 25, 50, 75, 100}},
                      // Ten steps of 0.1 add up to a little less than 1: still 11 points.
                      RangeCase{"DecimalStepReachesTheEnd",
                                {0, 1, 0.1, 0},
                                {0, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1}},
                      RangeCase{"StepNotDividingEndsOnTo", {0, 100, 30, 0}, {0, 30, 60, 90, 100}},
                      RangeCase{"Downwards", {100, 0, 50, 0}, {100, 50, 0}},
                      RangeCase{"NegativeStepRefused", {0, 20, -10, 0}, {}},
                      RangeCase{"PointCount", {0, 100, 0, 5}, {0, 25, 50, 75, 100}},
                      RangeCase{"DecimalPointCount", {0.1, 0.5, 0, 5}, {0.1, 0.2, 0.3, 0.4, 0.5}},
                      RangeCase{"DecimalStepAwayFromZero",
                                {101.3, 102.1, 0.2, 0},
                                {101.3, 101.5, 101.7, 101.9, 102.1}},
                      RangeCase{"OnePoint", {40, 40, 10, 0}, {40}},
                      RangeCase{"ThousandPointsAllowed", {0, 999, 1, 0}, counting(1000)},
                      // Refused.
                      RangeCase{"ZeroStep", {0, 100, 0, 0}, {}},
                      RangeCase{"ThousandAndOnePoints", {0, 1000, 1, 0}, {}},
                      RangeCase{"TooManyCounted", {0, 100, 0, 1001}, {}},
                      RangeCase{"HugeSpan", {0, 1e300, 1e-300, 0}, {}},
                      RangeCase{"NotANumber", {kNan, 100, 10, 0}, {}},
                      RangeCase{"NegativeCount", {0, 100, 10, -3}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
