#include "units/unit_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>

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

// Every unit of every factor table with its name and its published factor to
// the base unit, written to the digits it is published with.
struct PublishedFactor {
    Quantity quantity;
    int code;
    const char* name;
    double factor;
};

void PrintTo(const PublishedFactor& row, std::ostream* out) {
    *out << row.name;
}

class PublishedFactors : public ::testing::TestWithParam<PublishedFactor> {};

TEST_P(PublishedFactors, TableHoldsThePublishedFactor) {
    const PublishedFactor& row = GetParam();
    const auto names = unitNames(row.quantity);
    ASSERT_LE(static_cast<std::size_t>(row.code), names.size());
    EXPECT_EQ(names[static_cast<std::size_t>(row.code - 1)], row.name);
    EXPECT_EQ(factorTable(row.quantity)[static_cast<std::size_t>(row.code)], row.factor);
    // One of the unit is its factor in the base unit, and back again.
    const int base = baseUnitCode(row.quantity);
    EXPECT_EQ(convertByFactors(factorTable(row.quantity), 1, row.code, base), row.factor);
    EXPECT_DOUBLE_EQ(convertByFactors(factorTable(row.quantity), row.factor, base, row.code), 1);
}

constexpr PublishedFactor kPublishedFactors[] = {
    {Quantity::Density, 1, "kg/m3", 1},
    {Quantity::Density, 2, "g/cm3", 1000},
    {Quantity::Density, 3, "tonnes/m3", 1000},
    {Quantity::Density, 4, "grains/gal(UK)", 0.014253745171543824},
    {Quantity::Density, 5, "grains/gal(US)", 0.017118011571775824},
    {Quantity::Density, 6, "oz/in3", 1729.994},
    {Quantity::Density, 7, "oz/gal(UK)", 6.236023},
    {Quantity::Density, 8, "oz/gal(US)", 7.489152},
    {Quantity::Density, 9, "lb/in3", 27679.905},
    {Quantity::Density, 10, "lb/ft3", 16.018},
    {Quantity::Density, 11, "lb/gal(UK)", 99.776373},
    {Quantity::Density, 12, "lb/gal(US)", 119.826427},
    {Quantity::Density, 13, "tons(UK)/yd3", 1328.939184},
    {Quantity::Density, 14, "tons(US)/yd3", 1186.552843},
    {Quantity::Pressure, 1, "Pa (N/m2)", 1e-6},
    {Quantity::Pressure, 2, "hPa (hN/m2)", 0.0001},
    {Quantity::Pressure, 3, "kPa (kN/m2)", 0.001},
    {Quantity::Pressure, 4, "MPa (MN/m2)", 1},
    {Quantity::Pressure, 5, "at", 0.101325}, // the physical atmosphere
    {Quantity::Pressure, 6, "bar", 0.1},
    {Quantity::Pressure, 7, "kgf/cm2", 0.0980665}, // the technical atmosphere
    {Quantity::Pressure, 8, "mm Hg", 0.000133322},
    {Quantity::Pressure, 9, "m water(m H20)", 0.00980665},
    {Quantity::Pressure, 10, "lbf/ft2", 4.788e-5},
    {Quantity::Pressure, 11, "lbf/in2 (psi)", 0.006894757},
    {Quantity::Pressure, 12, "pdl/ft2", 1.48816e-6},
    {Quantity::SpecificHeat, 1, "J/(kg•K)", 0.001},
    {Quantity::SpecificHeat, 2, "kJ/(kg•K)", 1},
    {Quantity::SpecificHeat, 3, "cal/(g•°C)", 4.1868},
    {Quantity::SpecificHeat, 4, "cal/(kg•°C)", 0.0041868},
    {Quantity::SpecificHeat, 5, "ccal/(kg•°C)", 4.1868},
    {Quantity::SpecificHeat, 6, "BTU/(lb•°F)", 4.1868},
    {Quantity::SpecificHeat, 7, "CHU/(lb•K)", 7.5362}, // not the 4.1868 of its neighbours
    {Quantity::Conductivity, 1, "Wt/(m•K)", 1},
    {Quantity::Conductivity, 2, "cal/(h•cm•°C)", 0.1163},
    {Quantity::Conductivity, 3, "ccal/(h•m•°C)", 1.163},
    {Quantity::Conductivity, 4, "BTU/(h•ft•°F)", 1.7307349},
    {Quantity::Conductivity, 5, "CHU/(h•ft•°F)", 3.1153224},
    {Quantity::Enthalpy, 1, "J/kg", 0.001},
    {Quantity::Enthalpy, 2, "kJ/kg", 1},
    {Quantity::Enthalpy, 3, "cal/g", 4.1868},
    {Quantity::Enthalpy, 4, "cal/kg", 0.0041868},
    {Quantity::Enthalpy, 5, "ccal/kg", 4.1868},
    {Quantity::Enthalpy, 6, "BTU/lb", 2.326},
    {Quantity::Enthalpy, 7, "CHU/lb", 4.1868},
    {Quantity::Viscosity, 1, "m2/c", 1000000},
    {Quantity::Viscosity, 2, "mm2/c", 1},
    {Quantity::Viscosity, 3, "cm2/c", 100},
    {Quantity::Viscosity, 4, "St", 100},
    {Quantity::Viscosity, 5, "cSt", 1},
    {Quantity::Viscosity, 6, "ft2/h", 25.8064},
    {Quantity::Viscosity, 7, "ft2/s", 92903.04},
    {Quantity::SurfaceTension, 1, "N/m", 1},
    {Quantity::SurfaceTension, 2, "kN/m", 1000},
    {Quantity::SurfaceTension, 3, "kgf/cm", 981}, // not 980.665
    {Quantity::SurfaceTension, 4, "kgf/m", 9.81},
    {Quantity::SurfaceTension, 5, "pdl/in", 5.44193},
    {Quantity::SurfaceTension, 6, "pdl/ft", 0.453494},
    {Quantity::SurfaceTension, 7, "lbf/in", 175.12685},
    {Quantity::SurfaceTension, 8, "lbf/ft", 14.5939},
};

INSTANTIATE_TEST_SUITE_P(EveryUnit, PublishedFactors, ::testing::ValuesIn(kPublishedFactors));

TEST(UnitTables, EveryFactorTableIsCoveredByThePublishedFactors) {
    for (const Quantity quantity :
         {Quantity::Density, Quantity::Pressure, Quantity::SpecificHeat, Quantity::Conductivity,
          Quantity::Enthalpy, Quantity::Viscosity, Quantity::SurfaceTension}) {
        const auto rows =
            std::count_if(std::begin(kPublishedFactors), std::end(kPublishedFactors),
                          [&](const PublishedFactor& r) { return r.quantity == quantity; });
        EXPECT_EQ(static_cast<std::size_t>(rows), unitNames(quantity).size());
    }
}

// A factor table with a poisoned neighbour on either side: a code read one
// slot outside the table picks up the poison instead of passing by chance.
struct GuardedTable {
    double before = 1e300;
    FactorTable table;
    double after = 1e300;
};

class CodesOutsideAList : public ::testing::TestWithParam<Quantity> {};

TEST_P(CodesOutsideAList, ReadAsTheBaseUnit) {
    GuardedTable guarded;
    guarded.table = factorTable(GetParam());
    const int units = static_cast<int>(unitNames(GetParam()).size());
    // Slot 0, the first slot after the list, the last and the first past the
    // table's end, negative and extreme codes (only a damaged document brings
    // them).
    for (const int code : {0, units + 1, kFactorSlots - 1, kFactorSlots, kFactorSlots + 1, -1,
                           std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(factorOf(guarded.table, code), 1.0);
        EXPECT_EQ(convertByFactors(guarded.table, 850, code, baseUnitCode(GetParam())), 850);
        EXPECT_EQ(convertByFactors(guarded.table, 850, baseUnitCode(GetParam()), code), 850);
    }
}

std::string quantityName(const ::testing::TestParamInfo<Quantity>& info) {
    const char* const names[] = {"Temperature",  "Density",  "Pressure",  "SpecificHeat",
                                 "Conductivity", "Enthalpy", "Viscosity", "SurfaceTension"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryTable, CodesOutsideAList,
                         ::testing::Values(Quantity::Density, Quantity::Pressure,
                                           Quantity::SpecificHeat, Quantity::Conductivity,
                                           Quantity::Enthalpy, Quantity::Viscosity,
                                           Quantity::SurfaceTension),
                         quantityName);

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
