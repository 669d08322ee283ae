// The conversions against the worked examples published with the methods.
#include "distillation/interconversion.h"
#include "distillation/riazi_distribution.h"
#include "distillation/tbp_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace viskora::distillation {
namespace {

double fromFahrenheit(double f) {
    return (f - 32) / 1.8;
}
double toFahrenheit(double c) {
    return c * 1.8 + 32;
}

enum class Unit { Celsius, Fahrenheit };

struct PublishedExample {
    std::string name;
    CurveType type;
    D86Method method;
    Unit unit;
    std::vector<double> percents;
    std::vector<double> source;   // in `unit`
    std::vector<double> expected; // TBP in `unit`
    double tolerance;             // in `unit`
};

void PrintTo(const PublishedExample& example, std::ostream* out) {
    *out << example.name;
}

class PublishedConversion : public ::testing::TestWithParam<PublishedExample> {};

TEST_P(PublishedConversion, GivesThePublishedTbp) {
    const PublishedExample& example = GetParam();
    CurveRequest request{example.type, example.method, {}, std::nullopt};
    for (std::size_t i = 0; i < example.percents.size(); ++i) {
        const double t = example.source[i];
        request.points.push_back(
            {example.percents[i], example.unit == Unit::Fahrenheit ? fromFahrenheit(t) : t});
    }
    const TbpCurve tbp = convertToTbp(request);
    ASSERT_EQ(tbp.points.size(), example.expected.size());
    for (std::size_t i = 0; i < tbp.points.size(); ++i) {
        const double t = tbp.points[i].temperature;
        EXPECT_NEAR(example.unit == Unit::Fahrenheit ? toFahrenheit(t) : t, example.expected[i],
                    example.tolerance)
            << "at " << example.percents[i] << " %";
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, PublishedConversion,
                         ::testing::Values(
                             // API 3A1.1: the D86 example of the procedure, deg.F.
                             PublishedExample{"DaubertD86Api",
                                              CurveType::D86,
                                              D86Method::Daubert,
                                              Unit::Fahrenheit,
                                              {10, 30, 50, 70, 90},
                                              {350, 380, 404, 433, 469},
                                              {316.5, 372.6, 411.2, 451.2, 496.7},
                                              0.1},
                             // Riazi 2005 Ex. 3.3 by Daubert 1994, the 0 % point included, deg.C.
                             PublishedExample{"DaubertD86Riazi33",
                                              CurveType::D86,
                                              D86Method::Daubert,
                                              Unit::Celsius,
                                              {0, 10, 30, 50, 70, 90},
                                              {165.6, 173.7, 193.3, 206.7, 222.8, 242.8},
                                              {133.5, 154.2, 189.2, 210.7, 232.9, 258.2},
                                              0.1},
                             // Riazi 2005 Ex. 3.3 by Riazi-Daubert 1986, deg.C.
                             PublishedExample{"RiaziDaubertD86Ex33",
                                              CurveType::D86,
                                              D86Method::RiaziDaubert,
                                              Unit::Celsius,
                                              {0, 10, 30, 50, 70, 90},
                                              {165.6, 173.7, 193.3, 206.7, 222.8, 242.8},
                                              {134.2, 157.4, 190.3, 209.0, 230.2, 254.7},
                                              0.1},
                             // API 3A3.1: simulated distillation, deg.F.
                             PublishedExample{"DaubertSimDistApi",
                                              CurveType::SimDist,
                                              D86Method::Daubert,
                                              Unit::Fahrenheit,
                                              {5, 10, 30, 50, 70, 90, 95},
                                              {293, 305, 324, 336, 344, 359, 369},
                                              {322.2, 327.7, 332.4, 336.0, 339.6, 350.1, 357.4},
                                              0.1},
                             // A TBP curve is taken as it is.
                             PublishedExample{"TbpUnchanged",
                                              CurveType::TbpVolume,
                                              D86Method::Daubert,
                                              Unit::Celsius,
                                              {0, 50, 100},
                                              {40, 200, 500},
                                              {40, 200, 500},
                                              0}),
                         [](const auto& info) { return info.param.name; });

// Riazi 2005 Ex. 3.6: D1160 to TBP, both at 10 mmHg, deg.C. The 30..90 %
// points are the published ones. The published 146.6 deg.C at 10 % does not
// follow from the published coefficients (F(55) = 58.38 from 200.92 gives
// 142.54); the row holds the value of the coefficients.
TEST(PublishedD1160, Riazi36AtTenMillimetres) {
    const std::vector<StandardPoint> d1160 = {
        {10, 150}, {30, 205}, {50, 250}, {70, 290}, {90, 350}};
    const std::vector<StandardPoint> tbp = d1160ToTbp(d1160);
    const double expected[] = {142.54, 200.9, 250, 290, 350};
    ASSERT_EQ(tbp.size(), 5u);
    for (std::size_t i = 0; i < tbp.size(); ++i) {
        EXPECT_NEAR(tbp[i].temperature, expected[i], 0.1) << "at " << tbp[i].percent << " %";
    }
}

// Riazi 2005 / API 5A1.19: 365 deg.F at 10 mmHg with Watson K 12.5 boils at
// about 602 K at atmospheric pressure (603.4 K for K 12: the K correction
// lowers it).
TEST(PublishedVacuumCorrection, MaxwellBonnellAtTenMillimetres) {
    EXPECT_NEAR(normalBoilingPoint(fromFahrenheit(365) + 273.15, 10, 12.5), 602, 1.5);
}

// Riazi 2005 Ex. 4.7: cumulative mass fractions against boiling points.
TEST(PublishedDistribution, RiaziEx47Fit) {
    const std::vector<double> x = {0.261, 0.515, 0.698, 0.838, 0.848, 0.894,
                                   0.936, 0.960, 0.975, 0.984, 0.991};
    const std::vector<double> t = {365, 390, 416, 440, 461, 482, 500, 520, 539, 556, 573};
    const auto fit = fitRiaziDistribution(x, t);
    ASSERT_TRUE(fit);
    EXPECT_NEAR(fit->distribution.t0, 327, 1);
    EXPECT_NEAR(fit->distribution.a, 0.2028, 0.002);
    EXPECT_NEAR(fit->distribution.b, 1.380, 0.005);
    EXPECT_GT(fit->rSquared, 0.99);
    EXPECT_LE(fit->rSquared, 1);
}

} // namespace
} // namespace viskora::distillation
