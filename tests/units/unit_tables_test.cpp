#include "units/unit_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <ostream>
#include <string>

namespace viskora {
namespace {

// Each quantity's list: its length, its base unit and that unit's name.
struct QuantityList {
    Quantity quantity;
    std::size_t count;
    int baseCode;
    const char* baseName;
};

void PrintTo(const QuantityList& row, std::ostream* out) {
    *out << row.baseName;
}

class QuantityLists : public ::testing::TestWithParam<QuantityList> {};

TEST_P(QuantityLists, HaveTheirSizesAndBaseUnits) {
    const QuantityList& row = GetParam();
    const auto names = unitNames(row.quantity);
    ASSERT_EQ(names.size(), row.count);
    EXPECT_EQ(baseUnitCode(row.quantity), row.baseCode);
    EXPECT_EQ(names[static_cast<std::size_t>(row.baseCode)], row.baseName);
    EXPECT_EQ(convert(row.quantity, 123.456, row.baseCode, row.baseCode), 123.456);
}

INSTANTIATE_TEST_SUITE_P(EveryQuantity, QuantityLists,
                         ::testing::Values(QuantityList{Quantity::Temperature, 4, 1,
                                                        "°C - Celsius"},
                                           QuantityList{Quantity::Density, 14, 0, "kg/m3"},
                                           QuantityList{Quantity::Pressure, 12, 3, "MPa (MN/m2)"},
                                           QuantityList{Quantity::SpecificHeat, 7, 1, "kJ/(kg•K)"},
                                           QuantityList{Quantity::Conductivity, 5, 0, "Wt/(m•K)"},
                                           QuantityList{Quantity::Enthalpy, 7, 1, "kJ/kg"},
                                           QuantityList{Quantity::Viscosity, 7, 1, "mm2/c"},
                                           QuantityList{Quantity::SurfaceTension, 8, 0, "N/m"}));

// Conversions worked by hand. A tolerance of 0 asks for the very double.
struct Conversion {
    const char* what;
    Quantity quantity;
    double value;
    int fromCode;
    int toCode;
    double expected;
    double tolerance;
};

void PrintTo(const Conversion& row, std::ostream* out) {
    *out << row.what;
}

class Conversions : public ::testing::TestWithParam<Conversion> {};

TEST_P(Conversions, GiveTheFigureWorkedByHand) {
    const Conversion& row = GetParam();
    const double converted = convert(row.quantity, row.value, row.fromCode, row.toCode);
    if (row.tolerance == 0) {
        EXPECT_EQ(converted, row.expected);
    } else {
        EXPECT_NEAR(converted, row.expected, row.tolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(
    ByHand, Conversions,
    ::testing::Values(
        // Between two units that are not the base unit, through the base unit.
        Conversion{"10 lb/ft3 in kg/m3", Quantity::Density, 10, 9, 0, 160.18, 1e-12},
        Conversion{"850 kg/m3 in g/cm3", Quantity::Density, 850, 0, 1, 0.85, 1e-15},
        Conversion{"1 lb/ft3 in g/cm3", Quantity::Density, 1, 9, 1, 0.016018, 1e-17},
        Conversion{"1 at in MPa", Quantity::Pressure, 1, 4, 3, 0.101325, 1e-17},
        Conversion{"1 kgf/cm2 in bar", Quantity::Pressure, 1, 6, 5, 0.980665, 1e-15},
        Conversion{"1 CHU/(lb K) in kJ/(kg K)", Quantity::SpecificHeat, 1, 6, 1, 7.5362, 1e-15},
        Conversion{"1 kgf/cm in N/m", Quantity::SurfaceTension, 1, 2, 0, 981, 1e-12},
        // Temperatures go through deg.C; every step is the double it is.
        Conversion{"100 deg.C in deg.F", Quantity::Temperature, 100, 1, 2, 212, 1e-12},
        Conversion{"100 deg.C in deg.R", Quantity::Temperature, 100, 1, 3, 671.6700000000001, 0},
        Conversion{"100 deg.C in K", Quantity::Temperature, 100, 1, 0, 373.15, 1e-12},
        Conversion{"32 deg.F in deg.C", Quantity::Temperature, 32, 2, 1, 0, 1e-15},
        Conversion{"0 deg.R in K", Quantity::Temperature, 0, 3, 0, 0, 1e-13},
        // An unknown temperature code: the target gives 0, the source reads 0 deg.C.
        Conversion{"into code 4", Quantity::Temperature, 100, 1, 4, 0, 0},
        Conversion{"from code -1", Quantity::Temperature, 100, -1, 1, 0, 0}));

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
    ASSERT_LT(static_cast<std::size_t>(row.code), names.size());
    EXPECT_EQ(names[static_cast<std::size_t>(row.code)], row.name);
    EXPECT_EQ(factorTable(row.quantity)[static_cast<std::size_t>(row.code)], row.factor);
    // One of the unit is its factor in the base unit, and back again.
    const int base = baseUnitCode(row.quantity);
    EXPECT_EQ(convert(row.quantity, 1, row.code, base), row.factor);
    EXPECT_DOUBLE_EQ(convert(row.quantity, row.factor, base, row.code), 1);
    EXPECT_DOUBLE_EQ(convert(row.quantity, 123.456, row.code, row.code), 123.456);
}

constexpr PublishedFactor kPublishedFactors[] = {
    {Quantity::Density, 0, "kg/m3", 1},
    {Quantity::Density, 1, "g/cm3", 1000},
    {Quantity::Density, 2, "tonnes/m3", 1000},
    {Quantity::Density, 3, "grains/gal(UK)", 0.014253745171543824},
    {Quantity::Density, 4, "grains/gal(US)", 0.017118011571775824},
    {Quantity::Density, 5, "oz/in3", 1729.994},
    {Quantity::Density, 6, "oz/gal(UK)", 6.236023},
    {Quantity::Density, 7, "oz/gal(US)", 7.489152},
    {Quantity::Density, 8, "lb/in3", 27679.905},
    {Quantity::Density, 9, "lb/ft3", 16.018},
    {Quantity::Density, 10, "lb/gal(UK)", 99.776373},
    {Quantity::Density, 11, "lb/gal(US)", 119.826427},
    {Quantity::Density, 12, "tons(UK)/yd3", 1328.939184},
    {Quantity::Density, 13, "tons(US)/yd3", 1186.552843},
    {Quantity::Pressure, 0, "Pa (N/m2)", 1e-6},
    {Quantity::Pressure, 1, "hPa (hN/m2)", 0.0001},
    {Quantity::Pressure, 2, "kPa (kN/m2)", 0.001},
    {Quantity::Pressure, 3, "MPa (MN/m2)", 1},
    {Quantity::Pressure, 4, "at", 0.101325}, // the physical atmosphere
    {Quantity::Pressure, 5, "bar", 0.1},
    {Quantity::Pressure, 6, "kgf/cm2", 0.0980665}, // the technical atmosphere
    {Quantity::Pressure, 7, "mm Hg", 0.000133322},
    {Quantity::Pressure, 8, "m water(m H20)", 0.00980665},
    {Quantity::Pressure, 9, "lbf/ft2", 4.788e-5},
    {Quantity::Pressure, 10, "lbf/in2 (psi)", 0.006894757},
    {Quantity::Pressure, 11, "pdl/ft2", 1.48816e-6},
    {Quantity::SpecificHeat, 0, "J/(kg•K)", 0.001},
    {Quantity::SpecificHeat, 1, "kJ/(kg•K)", 1},
    {Quantity::SpecificHeat, 2, "cal/(g•°C)", 4.1868},
    {Quantity::SpecificHeat, 3, "cal/(kg•°C)", 0.0041868},
    {Quantity::SpecificHeat, 4, "ccal/(kg•°C)", 4.1868},
    {Quantity::SpecificHeat, 5, "BTU/(lb•°F)", 4.1868},
    {Quantity::SpecificHeat, 6, "CHU/(lb•K)", 7.5362}, // not the 4.1868 of its neighbours
    {Quantity::Conductivity, 0, "Wt/(m•K)", 1},
    {Quantity::Conductivity, 1, "cal/(h•cm•°C)", 0.1163},
    {Quantity::Conductivity, 2, "ccal/(h•m•°C)", 1.163},
    {Quantity::Conductivity, 3, "BTU/(h•ft•°F)", 1.7307349},
    {Quantity::Conductivity, 4, "CHU/(h•ft•°F)", 3.1153224},
    {Quantity::Enthalpy, 0, "J/kg", 0.001},
    {Quantity::Enthalpy, 1, "kJ/kg", 1},
    {Quantity::Enthalpy, 2, "cal/g", 4.1868},
    {Quantity::Enthalpy, 3, "cal/kg", 0.0041868},
    {Quantity::Enthalpy, 4, "ccal/kg", 4.1868},
    {Quantity::Enthalpy, 5, "BTU/lb", 2.326},
    {Quantity::Enthalpy, 6, "CHU/lb", 4.1868},
    {Quantity::Viscosity, 0, "m2/c", 1000000},
    {Quantity::Viscosity, 1, "mm2/c", 1},
    {Quantity::Viscosity, 2, "cm2/c", 100},
    {Quantity::Viscosity, 3, "St", 100},
    {Quantity::Viscosity, 4, "cSt", 1},
    {Quantity::Viscosity, 5, "ft2/h", 25.8064},
    {Quantity::Viscosity, 6, "ft2/s", 92903.04},
    {Quantity::SurfaceTension, 0, "N/m", 1},
    {Quantity::SurfaceTension, 1, "kN/m", 1000},
    {Quantity::SurfaceTension, 2, "kgf/cm", 981}, // not 980.665
    {Quantity::SurfaceTension, 3, "kgf/m", 9.81},
    {Quantity::SurfaceTension, 4, "pdl/in", 5.44193},
    {Quantity::SurfaceTension, 5, "pdl/ft", 0.453494},
    {Quantity::SurfaceTension, 6, "lbf/in", 175.12685},
    {Quantity::SurfaceTension, 7, "lbf/ft", 14.5939},
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
    // The first two slots after the list, the last and the first past the
    // table's end, negative and extreme codes (only a damaged document brings
    // them).
    for (const int code : {units, units + 1, kFactorSlots - 1, kFactorSlots, kFactorSlots + 1, -1,
                           std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(factorOf(guarded.table, code), 1.0);
        EXPECT_EQ(convert(GetParam(), 850, code, baseUnitCode(GetParam())), 850);
        EXPECT_EQ(convert(GetParam(), 850, baseUnitCode(GetParam()), code), 850);
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

} // namespace
} // namespace viskora
