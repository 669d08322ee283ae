#include "units/unit_tables.h"

#include <gtest/gtest.h>

namespace viskora {
namespace {

TEST(UnitTables, ListsHaveTheirSizesAndBaseUnits) {
    struct Expected {
        Quantity quantity;
        std::size_t count;
        int baseCode;
        const char* baseName;
    };
    const Expected expected[] = {
        {Quantity::Temperature, 4, 2, "°C - Celsius"}, {Quantity::Density, 14, 1, "kg/m3"},
        {Quantity::Pressure, 12, 4, "MPa (MN/m2)"},    {Quantity::SpecificHeat, 7, 2, "kJ/(kg•K)"},
        {Quantity::Conductivity, 5, 1, "Wt/(m•K)"},    {Quantity::Enthalpy, 7, 2, "kJ/kg"},
        {Quantity::Viscosity, 7, 2, "mm2/c"},          {Quantity::SurfaceTension, 8, 1, "N/m"},
    };
    for (const Expected& e : expected) {
        const auto names = unitNames(e.quantity);
        ASSERT_EQ(names.size(), e.count);
        EXPECT_EQ(baseUnitCode(e.quantity), e.baseCode);
        EXPECT_EQ(names[static_cast<std::size_t>(e.baseCode - 1)], e.baseName);
        if (e.quantity != Quantity::Temperature) {
            EXPECT_EQ(factorTable(e.quantity)[static_cast<std::size_t>(e.baseCode)], 1.0);
        }
    }
    EXPECT_EQ(unitNames(Quantity::Temperature)[0], "K  - Kelvine");
    EXPECT_EQ(unitNames(Quantity::Pressure)[8], "m water(m H20)");
}

TEST(UnitTables, FactorConversions) {
    const FactorTable density = factorTable(Quantity::Density);
    const FactorTable pressure = factorTable(Quantity::Pressure);
    EXPECT_DOUBLE_EQ(convertByFactors(density, 10, 10, 1), 160.18);
    EXPECT_DOUBLE_EQ(convertByFactors(pressure, 1, 5, 4), 0.101325);
    EXPECT_DOUBLE_EQ(convertByFactors(pressure, 1, 7, 4), 0.0980665);
    EXPECT_DOUBLE_EQ(convertByFactors(factorTable(Quantity::SpecificHeat), 1, 7, 2), 7.5362);
    EXPECT_DOUBLE_EQ(convertByFactors(factorTable(Quantity::SurfaceTension), 1, 3, 1), 981);
    EXPECT_DOUBLE_EQ(convertByFactors(density, 850, 1, 2), 0.85);
    for (int code = 1; code <= 14; ++code) {
        EXPECT_DOUBLE_EQ(convertByFactors(density, 123.456, code, code), 123.456);
    }
}

TEST(UnitTables, CodesOutsideAListReadAsTheBaseUnit) {
    const FactorTable density = factorTable(Quantity::Density);
    EXPECT_EQ(convertByFactors(density, 850, 0, 1), 850);
    EXPECT_EQ(convertByFactors(density, 850, 15, 1), 850);
    EXPECT_EQ(convertByFactors(density, 850, -3, 1), 850);
    EXPECT_EQ(convertByFactors(density, 850, 1, 1000), 850);
}

TEST(UnitTables, TemperatureConversionGoesThroughCelsius) {
    EXPECT_DOUBLE_EQ(convertTemperature(100, 2, 3), 212);
    EXPECT_EQ(convertTemperature(100, 2, 4), 671.6700000000001);
    EXPECT_DOUBLE_EQ(convertTemperature(100, 2, 1), 373.15);
    EXPECT_DOUBLE_EQ(convertTemperature(32, 3, 2), 0);
    EXPECT_NEAR(convertTemperature(0, 4, 1), 0, 1e-13);
    EXPECT_EQ(convertTemperature(100, 2, 5), 0);
    EXPECT_EQ(convertTemperature(100, 0, 2), 0);
}

} // namespace
} // namespace viskora
