#include "units/display_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <ostream>
#include <string>

namespace viskora {
namespace {

// A value and the text a result box shows for it.
struct Display {
    double value;
    const char* text;
};

void PrintTo(const Display& row, std::ostream* out) {
    *out << row.text;
}

class Displays : public ::testing::TestWithParam<Display> {};

TEST_P(Displays, ShowThreeSignificantDigits) {
    EXPECT_EQ(formatForDisplay(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Displays,
    ::testing::Values(
        // Plain decimals up to three digits before the point.
        Display{0, "0"}, Display{0.5, "0.5"}, Display{0.05, "0.05"}, Display{0.001, "0.001"},
        Display{0.12345, "0.123"}, Display{0.1235, "0.124"}, // half up on the decimal digits
        Display{0.09996, "0.1"}, Display{0.9996, "1"}, Display{0.85, "0.85"}, Display{1.5, "1.5"},
        Display{5.10, "5.1"}, Display{9.996, "10"}, Display{10, "10"}, Display{20, "20"},
        Display{50, "50"}, Display{12.345, "12.3"}, Display{-12.345, "-12.3"},
        Display{99.96, "100"}, Display{100, "100"}, Display{673.15, "673"}, Display{850, "850"},
        // Exponent notation beyond, with three-digit exponents.
        Display{0.0012, "1.20e-003"}, Display{-0.0012, "-1.20e-003"}, Display{0.0125, "1.25e-002"},
        Display{999.6, "1.00e+003"}, Display{1234.5, "1.23e+003"},
        Display{12345678901, "1.23e+010"}, Display{1e300, "1.00e+300"},
        Display{2.481e-8, "2.48e-008"},
        // Tiny values show their own digits: ten decimals would leave only "3".
        Display{3.46e-10, "3.46e-010"},
        Display{2.1456e-9, "2.15e-009"}, // rounded from the value, not from 0.0000000021
        Display{-3.46e-10, "-3.46e-010"}, Display{6e-11, "6.00e-011"}, // smallest not "0"
        Display{9.9999e-8, "1.00e-007"}, // rounds up across the threshold
        Display{1.2345e-7, "1.24e-007"}, // from 1e-7 on, rounded from the ten decimals
        // What rounds to 0 at ten decimals is "0", never "-0".
        Display{4e-11, "0"}, Display{1e-11, "0"}, Display{-1e-11, "0"}));

// A base value as a result box shows it in another unit.
TEST(FormatInUnit, ConvertsThenFormatsAndShowsNothingThatOverflows) {
    EXPECT_EQ(formatInUnit(Quantity::Pressure, 2.48e-8, 0), "2.48e-002"); // MPa in Pa
    EXPECT_EQ(formatInUnit(Quantity::Temperature, 20, 2), "68");          // deg.C in deg.F
    // Only a damaged file brings a base value too large for grains/gal(UK).
    EXPECT_EQ(formatInUnit(Quantity::Density, 1e308, 3), "");
}

TEST(FormatForDisplay, NeverShowsInfinityOrNan) {
    for (double x :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        const std::string text = formatForDisplay(x);
        EXPECT_EQ(text.find("inf"), std::string::npos);
        EXPECT_EQ(text.find("nan"), std::string::npos);
    }
}

TEST(FormatFixed, WritesLikePrintfInTheCLocale) {
    EXPECT_EQ(formatFixed(702.7, 6), "702.700000");
    EXPECT_EQ(formatFixed(0, 6), "0.000000");
    EXPECT_EQ(formatFixed(1e-7, 6), "0.000000");
    EXPECT_EQ(formatFixed(-2.5, 6), "-2.500000");
    EXPECT_EQ(formatFixed(5, 1, 4), " 5.0");
    EXPECT_EQ(formatFixed(33.36, 1, 4), "33.4");
    EXPECT_EQ(formatFixed(100, 1, 4), "100.0");
}

TEST(FormatFixed, CommaLocaleStillWritesAPoint) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 locale not generated";
    }
    EXPECT_EQ(formatFixed(1.5, 6), "1.500000");
    EXPECT_EQ(formatForDisplay(1.5), "1.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
} // namespace viskora
