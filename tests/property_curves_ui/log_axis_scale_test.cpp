#include "property_curves_ui/log_axis_scale.h"
#include "property_curves_ui/log_category_axis.h"

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

struct TickCase {
    const char* name;
    double tick;
    const char* label;
};

void PrintTo(const TickCase& c, std::ostream* out) {
    *out << c.name;
}

class LogTickLabels : public ::testing::TestWithParam<TickCase> {};

// A tick's label reads as the tick, in a few characters either side of the
// bounds of the plain form.
TEST_P(LogTickLabels, AreShortAndExact) {
    EXPECT_EQ(logTickLabel(GetParam().tick).toStdString(), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Ticks, LogTickLabels,
                         ::testing::Values(TickCase{"ComputedTenth", 3 / 10.0, "0.3"},
                                           TickCase{"LowestPlain", 0.001, "0.001"},
                                           TickCase{"TenThousandthHasItsPower", 1e-4, "1e-4"},
                                           TickCase{"SmallMultiple", 5e-5, "5e-5"},
                                           TickCase{"One", 1, "1"},
                                           TickCase{"ThousandAsADecade", 1000, "1e3"},
                                           TickCase{"MultipleOfAThousandPlain", 2000, "2000"},
                                           TickCase{"HighestPlain", 90000, "90000"},
                                           TickCase{"HundredThousand", 1e5, "1e5"},
                                           TickCase{"LargeMultiple", 2e5, "2e5"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
