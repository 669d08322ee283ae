#include "cli/oil_options.h"

#include <gtest/gtest.h>

namespace viskora {
namespace {

TEST(UnitCodes, ByCodeNameFirstWordOrTemperatureLetter) {
    struct Case {
        Quantity quantity;
        const char* text;
        std::optional<int> code;
    };
    const Case cases[] = {
        {Quantity::Density, "1", 1},
        {Quantity::Density, "14", 14},
        {Quantity::Density, "15", {}},
        {Quantity::Density, "0", {}},
        {Quantity::Density, "lb/ft3", 10},
        {Quantity::Density, "kg", {}},
        {Quantity::Pressure, "MPa", 4},
        {Quantity::Pressure, "MPa (MN/m2)", 4},
        {Quantity::Pressure, "bar", 6},
        {Quantity::Temperature, "K", 1},
        {Quantity::Temperature, "C", 2},
        {Quantity::Temperature, "F", 3},
        {Quantity::Temperature, "R", 4},
        {Quantity::Temperature, "°C", 2},
        {Quantity::Temperature, "°F - Fahrenheit", 3},
        {Quantity::Temperature, "X", {}},
        {Quantity::Density, "1.5", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseUnitCode(c.quantity, c.text), c.code);
    }
}

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
