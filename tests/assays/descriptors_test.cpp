#include "assays/descriptors.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <functional>
#include <string>

namespace viskora::assays {
namespace {

struct PublishedExample {
    const char* name;
    std::function<std::optional<double>()> computed;
    double published;
    double tolerance;
};

void PrintTo(const PublishedExample& row, std::ostream* out) {
    *out << row.name;
}

class PublishedDescriptors : public ::testing::TestWithParam<PublishedExample> {};

TEST_P(PublishedDescriptors, MatchPublishedValues) {
    const PublishedExample& e = GetParam();
    const std::optional<double> value = e.computed();
    ASSERT_TRUE(value);
    EXPECT_NEAR(*value, e.published, e.tolerance);
}

// API gravity by its definition (water is 10 deg.API); Watson K solved
// back for the gravity; Riazi-Daubert against the molar masses of n-decane and
// n-hexadecane (the correlation's average error is about 3 % on pure
// hydrocarbons), and to 0.005 against the published formula's own result for
// n-heptane, n-decane and n-hexadecane, so that a coefficient's digit shows
// where the 3 % would hide it; the viscosity index of ASTM D2270's worked examples
// (procedures A and B; the standard's B works with H rounded to 28.97,
// hence its 156.37 against the 156.42 of the table's interpolated H, held
// here to 0.01 so that a constant's digit cannot hide; both round to 156),
// the table's first row and the
// formulas' range.
INSTANTIATE_TEST_SUITE_P(
    Published, PublishedDescriptors,
    ::testing::Values(
        PublishedExample{"ApiOfWater", [] { return apiGravity(1.0); }, 10, 1e-12},
        PublishedExample{"ApiOfMediumCrude", [] { return apiGravity(0.876); }, 30.03, 0.01},
        PublishedExample{"WatsonKRoundTrip",
                         [] { return specificGravityOfWatsonK(400, watsonK(400, 0.78)); }, 0.78,
                         1e-12},
        PublishedExample{"RiaziDaubertDecane", [] { return riaziDaubertMolarMass(447.3, 0.7342); },
                         142.3, 142.3 * 0.03},
        PublishedExample{"RiaziDaubertHexadecane",
                         [] { return riaziDaubertMolarMass(560.0, 0.7772); }, 226.4, 226.4 * 0.03},
        PublishedExample{"RiaziDaubertFormulaHeptane",
                         [] { return riaziDaubertMolarMass(371.58, 0.6882); }, 100.190, 0.005},
        PublishedExample{"RiaziDaubertFormulaDecane",
                         [] { return riaziDaubertMolarMass(447.3, 0.7342); }, 144.371, 0.005},
        PublishedExample{"RiaziDaubertFormulaHexadecane",
                         [] { return riaziDaubertMolarMass(560.0, 0.7772); }, 232.908, 0.005},
        PublishedExample{"ViscosityIndexProcedureA", [] { return viscosityIndex(73.3, 8.86); },
                         92.43, 0.01},
        PublishedExample{"ViscosityIndexProcedureB", [] { return viscosityIndex(22.83, 5.05); },
                         156.42, 0.01},
        PublishedExample{"ViscosityIndexTableStart", [] { return viscosityIndex(6.394, 2.0); }, 100,
                         1e-9},
        PublishedExample{"ViscosityIndexAbove70",
                         [] { return viscosityIndex(0.8353 * 80 * 80 + 14.67 * 80 - 216, 80); }, 0,
                         1e-9},
        // The table's last row (70 mm2/s: H 1558) read by the formulas just
        // above it: they meet the table to within its rounding.
        PublishedExample{"ViscosityIndexFormulasMeetTheTable",
                         [] { return viscosityIndex(1558, std::nextafter(70.0, 71.0)); }, 100,
                         0.05}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViscosityIndex, UndefinedBelowTwoAtHundredDegrees) {
    EXPECT_FALSE(viscosityIndex(5, 1.99));
    EXPECT_FALSE(viscosityIndex(0, 5));
}

TEST(RiaziDaubert, NothingPastItsBoilingRange) {
    EXPECT_FALSE(riaziDaubertMolarMass(960, 1.02));
}

} // namespace
} // namespace viskora::assays
