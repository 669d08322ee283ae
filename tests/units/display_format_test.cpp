#include "units/display_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <string>

namespace viskora {
namespace {

struct DisplayCase {
    double value;
    const char* text;
};

TEST(FormatForDisplay, ExampleTable) {
    const DisplayCase cases[] = {
        {0, "0"},         {1e-11, "0"},          {0.5, "0.5"},          {0.05, "0.05"},
        {0.001, "0.001"}, {0.0012, "1.20e-003"}, {0.0125, "1.25e-002"}, {0.12345, "0.123"},
        {0.09996, "0.1"}, {0.9996, "1"},         {1.5, "1.5"},          {9.996, "10"},
        {10, "10"},       {12.345, "12.3"},      {-12.345, "-12.3"},    {99.96, "100"},
        {673.15, "673"},  {999.6, "1.00e+003"},  {1234.5, "1.23e+003"}, {12345678901, "1.23e+010"},
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(formatForDisplay(c.value), c.text);
    }
}

TEST(FormatForDisplay, EdgeCases) {
    EXPECT_EQ(formatForDisplay(-1e-11), "0"); // no "-0"
    EXPECT_EQ(formatForDisplay(20), "20");
    EXPECT_EQ(formatForDisplay(50), "50");
    EXPECT_EQ(formatForDisplay(0.1235), "0.124"); // half up on the decimal digits
    EXPECT_EQ(formatForDisplay(850), "850");
    EXPECT_EQ(formatForDisplay(0.85), "0.85");
    EXPECT_EQ(formatForDisplay(2.481e-8), "2.48e-008");
    EXPECT_EQ(formatForDisplay(-0.0012), "-1.20e-003");
    EXPECT_EQ(formatForDisplay(1e300), "1.00e+300");
    EXPECT_EQ(formatForDisplay(100), "100");
    EXPECT_EQ(formatForDisplay(5.10), "5.1");
}

TEST(FormatForDisplay, TinyValuesShowTheirOwnDigits) {
    const DisplayCase cases[] = {
        {3.46e-10, "3.46e-010"},   // ten decimals would leave only "3"
        {2.1456e-9, "2.15e-009"},  // rounded from the value, not from 0.0000000021
        {-3.46e-10, "-3.46e-010"}, // the sign stays
        {6e-11, "6.00e-011"},      // the smallest value that is not "0"
        {4e-11, "0"},              // rounds to 0 at ten decimals
        {9.9999e-8, "1.00e-007"},  // rounds up across the threshold
        {1.2345e-7, "1.24e-007"},  // from 1e-7 on, rounded from the ten decimals as before
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(formatForDisplay(c.value), c.text);
    }
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
