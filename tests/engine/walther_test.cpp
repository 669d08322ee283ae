#include "engine/walther.h"

#include <gtest/gtest.h>

#include <ostream>

namespace viskora {
namespace {

TEST(Walther, PublishedTwoPointExample) {
    // 1.644 mm2/s at 0 deg.C and 0.925 mm2/s at 40 deg.C give 1.201 mm2/s
    // at 20 deg.C; the plain Z = nu + 0.7 would give 1.191.
    const auto line = walther::lineThrough(1.644, 273.15, 0.925, 313.15);
    ASSERT_TRUE(line);
    const auto at20 = line->viscosityAt(293.15);
    ASSERT_TRUE(at20);
    EXPECT_NEAR(*at20, 1.201, 0.002);
}

class WaltherRoundTrip : public ::testing::TestWithParam<double> {};

TEST_P(WaltherRoundTrip, NewtonFindsTheViscosityBack) {
    const double viscosity = GetParam();
    const auto w = walther::ordinate(viscosity);
    ASSERT_TRUE(w);
    const auto back = walther::viscosityAt(*w);
    ASSERT_TRUE(back);
    EXPECT_NEAR(*back, viscosity, 1e-9 * viscosity);
}

// From light distillates, where the exponential term matters most, to
// heavy residues.
INSTANTIATE_TEST_SUITE_P(Viscosities, WaltherRoundTrip,
                         ::testing::Values(0.15, 0.3, 0.925, 1.644, 10.0, 1.0e4, 1.0e7));

struct LineCase {
    const char* name;
    double nu1, k1, nu2, k2;
};

void PrintTo(const LineCase& row, std::ostream* out) {
    *out << row.name;
}

class WaltherRefusedLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(WaltherRefusedLine, HasNoLine) {
    const LineCase& c = GetParam();
    EXPECT_FALSE(walther::lineThrough(c.nu1, c.k1, c.nu2, c.k2));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WaltherRefusedLine,
    ::testing::Values(LineCase{"ViscosityRisesWithTemperature", 0.925, 273.15, 1.644, 313.15},
                      LineCase{"SameTemperature", 1.644, 273.15, 0.925, 273.15},
                      LineCase{"BelowTheRelationsRange", 0.05, 273.15, 0.02, 313.15},
                      LineCase{"AbsoluteZero", 1.644, 0, 0.925, 313.15}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace viskora
