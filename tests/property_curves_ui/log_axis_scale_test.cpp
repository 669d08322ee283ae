#include "property_curves_ui/log_axis_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace viskora {
namespace {

struct ScaleCase {
    const char* name;
    double low;
    double high;
    std::vector<double> ticks;
};

void PrintTo(const ScaleCase& c, std::ostream* out) {
    *out << c.name;
}

class LogAxisScales : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(LogAxisScales, LabelTicksAReaderCanReadValuesBy) {
    const ScaleCase& c = GetParam();
    const LogAxisScale scale = logAxisScale(c.low, c.high);
    EXPECT_EQ(scale.ticks, c.ticks);
    EXPECT_LE(scale.low, c.low);
    EXPECT_GE(scale.high, c.high);
}

INSTANTIATE_TEST_SUITE_P(
    Spans, LogAxisScales,
    ::testing::Values(
        ScaleCase{"WithinOneDecade", 0.35, 0.9, {0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}},
        ScaleCase{"OneValueOnATick", 0.5, 0.5, {0.5, 0.6}},
        ScaleCase{"ValueJustOffItsTick", 0.30000000000000004, 0.7, {0.3, 0.4, 0.5, 0.6, 0.7}},
        ScaleCase{"TwoDecades", 0.05, 3, {0.05, 0.1, 0.2, 0.5, 1, 2, 5}},
        ScaleCase{"TwentyDecades",
                  1e-10,
                  1e10,
                  {1e-10, 1e-8, 1e-6, 1e-4, 1e-2, 1, 1e2, 1e4, 1e6, 1e8, 1e10}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
