#include "cli/oil_options.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace viskora {
namespace {

// A unit as a command line gives it, and the code it names (none: refused).
struct UnitText {
    Quantity quantity;
    const char* text;
    std::optional<int> code;
};

void PrintTo(const UnitText& row, std::ostream* out) {
    *out << row.text;
}

class UnitTexts : public ::testing::TestWithParam<UnitText> {};

TEST_P(UnitTexts, NameACodeByCodeNameFirstWordOrTemperatureLetter) {
    EXPECT_EQ(parseUnitCode(GetParam().quantity, GetParam().text), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnitTexts,
    ::testing::Values(
        // By the number the help gives (from 1), within the list only.
        UnitText{Quantity::Density, "1", 0}, UnitText{Quantity::Density, "14", 13},
        UnitText{Quantity::Density, "15", {}}, UnitText{Quantity::Density, "0", {}},
        UnitText{Quantity::Density, "1.5", {}},
        // By the whole name or its first word.
        UnitText{Quantity::Density, "lb/ft3", 9}, UnitText{Quantity::Density, "kg", {}},
        UnitText{Quantity::Pressure, "MPa", 3}, UnitText{Quantity::Pressure, "MPa (MN/m2)", 3},
        UnitText{Quantity::Pressure, "bar", 5}, UnitText{Quantity::Temperature, "°C", 1},
        UnitText{Quantity::Temperature, "°F - Fahrenheit", 2},
        // A temperature by its letter.
        UnitText{Quantity::Temperature, "K", 0}, UnitText{Quantity::Temperature, "C", 1},
        UnitText{Quantity::Temperature, "F", 2}, UnitText{Quantity::Temperature, "R", 3},
        UnitText{Quantity::Temperature, "X", {}}));

TEST(FractionRows, ThreeFieldsSeparatedByColons) {
    EXPECT_EQ(parseFractionRow("0:300:100"), (FractionTexts{"0", "300", "100"}));
    EXPECT_EQ(parseFractionRow("-10:5.5:1e1"), (FractionTexts{"-10", "5.5", "1e1"}));
    EXPECT_EQ(parseFractionRow("::"), (FractionTexts{"", "", ""}));
    EXPECT_FALSE(parseFractionRow("0:300"));
    EXPECT_FALSE(parseFractionRow("0:300:100:5"));
    EXPECT_FALSE(parseFractionRow(""));
}

TEST(ResolveOil, RefusesMoreThanAHundredRows) {
    OilOptions options;
    options.fractions.assign(101, "0:1:1");
    std::string problem;
    EXPECT_FALSE(resolveOil(options, problem));
    EXPECT_FALSE(problem.empty());
    options.fractions.resize(100);
    EXPECT_TRUE(resolveOil(options, problem));
}

} // namespace
} // namespace viskora
