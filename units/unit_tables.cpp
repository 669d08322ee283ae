#include "unit_tables.h"

#include <cstddef>

namespace viskora {
namespace {

// 5/9 as the nearest double, used for every Fahrenheit and Rankine step.
constexpr double kFiveNinths = 0.5555555555555556;

constexpr std::string_view kTemperatureNames[] = {"K  - Kelvine", "°C - Celsius", "°F - Fahrenheit",
                                                  "R  - Rankine"};

constexpr std::string_view kDensityNames[] = {
    "kg/m3",      "g/cm3",      "tonnes/m3",    "grains/gal(UK)", "grains/gal(US)",
    "oz/in3",     "oz/gal(UK)", "oz/gal(US)",   "lb/in3",         "lb/ft3",
    "lb/gal(UK)", "lb/gal(US)", "tons(UK)/yd3", "tons(US)/yd3"};
constexpr double kDensityFactors[] = {1,
                                      1000,
                                      1000,
                                      0.014253745171543824,
                                      0.017118011571775824,
                                      1729.994,
                                      6.236023,
                                      7.489152,
                                      27679.905,
                                      16.018,
                                      99.776373,
                                      119.826427,
                                      1328.939184,
                                      1186.552843};

constexpr std::string_view kPressureNames[] = {
    "Pa (N/m2)", "hPa (hN/m2)",    "kPa (kN/m2)", "MPa (MN/m2)",   "at",     "bar", "kgf/cm2",
    "mm Hg",     "m water(m H20)", "lbf/ft2",     "lbf/in2 (psi)", "pdl/ft2"};
constexpr double kPressureFactors[] = {1e-6,       0.0001,   0.001,       1,
                                       0.101325,   0.1,      0.0980665,   0.000133322,
                                       0.00980665, 4.788e-5, 0.006894757, 1.48816e-6};

constexpr std::string_view kSpecificHeatNames[] = {"J/(kg•K)",    "kJ/(kg•K)",    "cal/(g•°C)",
                                                   "cal/(kg•°C)", "ccal/(kg•°C)", "BTU/(lb•°F)",
                                                   "CHU/(lb•K)"};
constexpr double kSpecificHeatFactors[] = {0.001, 1, 4.1868, 0.0041868, 4.1868, 4.1868, 7.5362};

constexpr std::string_view kConductivityNames[] = {"Wt/(m•K)", "cal/(h•cm•°C)", "ccal/(h•m•°C)",
                                                   "BTU/(h•ft•°F)", "CHU/(h•ft•°F)"};
constexpr double kConductivityFactors[] = {1, 0.1163, 1.163, 1.7307349, 3.1153224};

constexpr std::string_view kEnthalpyNames[] = {"J/kg",    "kJ/kg",  "cal/g", "cal/kg",
                                               "ccal/kg", "BTU/lb", "CHU/lb"};
constexpr double kEnthalpyFactors[] = {0.001, 1, 4.1868, 0.0041868, 4.1868, 2.326, 4.1868};

constexpr std::string_view kViscosityNames[] = {"m2/c", "mm2/c", "cm2/c", "St",
                                                "cSt",  "ft2/h", "ft2/s"};
constexpr double kViscosityFactors[] = {1000000, 1, 100, 100, 1, 25.8064, 92903.04};

constexpr std::string_view kSurfaceTensionNames[] = {"N/m",    "kN/m",   "kgf/cm", "kgf/m",
                                                     "pdl/in", "pdl/ft", "lbf/in", "lbf/ft"};
constexpr double kSurfaceTensionFactors[] = {1,       1000,     981,       9.81,
                                             5.44193, 0.453494, 175.12685, 14.5939};

struct QuantityTables {
    std::span<const std::string_view> names;
    std::span<const double> factors;
    int baseCode;
};

QuantityTables tablesOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Temperature:
        return {kTemperatureNames, {}, unit::kCelsius};
    case Quantity::Density:
        return {kDensityNames, kDensityFactors, unit::kKgPerM3};
    case Quantity::Pressure:
        return {kPressureNames, kPressureFactors, unit::kMPa};
    case Quantity::SpecificHeat:
        return {kSpecificHeatNames, kSpecificHeatFactors, 1};
    case Quantity::Conductivity:
        return {kConductivityNames, kConductivityFactors, 0};
    case Quantity::Enthalpy:
        return {kEnthalpyNames, kEnthalpyFactors, 1};
    case Quantity::Viscosity:
        return {kViscosityNames, kViscosityFactors, unit::kMm2PerS};
    case Quantity::SurfaceTension:
        return {kSurfaceTensionNames, kSurfaceTensionFactors, 0};
    }
    return {kDensityNames, kDensityFactors, unit::kKgPerM3};
}

} // namespace

std::span<const std::string_view> unitNames(Quantity quantity) {
    return tablesOf(quantity).names;
}

int baseUnitCode(Quantity quantity) {
    return tablesOf(quantity).baseCode;
}

FactorTable factorTable(Quantity quantity) {
    FactorTable table;
    table.fill(1.0);
    const std::span<const double> factors = tablesOf(quantity).factors;
    for (std::size_t i = 0; i < factors.size(); ++i) {
        table[i] = factors[i];
    }
    return table;
}

double factorOf(const FactorTable& table, int code) {
    if (code < 0 || code >= kFactorSlots) {
        return 1.0;
    }
    return table[static_cast<std::size_t>(code)];
}

double convert(Quantity quantity, double value, int fromCode, int toCode) {
    if (quantity == Quantity::Temperature) {
        return convertTemperature(value, fromCode, toCode);
    }
    static const std::array<FactorTable, kQuantityCount> tables = [] {
        std::array<FactorTable, kQuantityCount> all{};
        for (int q = 0; q < kQuantityCount; ++q) {
            all[static_cast<std::size_t>(q)] = factorTable(static_cast<Quantity>(q));
        }
        return all;
    }();
    const FactorTable& table = tables[static_cast<std::size_t>(quantity)];
    const double inBase = value * factorOf(table, fromCode);
    return inBase / factorOf(table, toCode);
}

double toCelsius(double value, int code) {
    switch (code) {
    case unit::kKelvin:
        return value - kKelvinOffset;
    case unit::kCelsius:
        return value;
    case unit::kFahrenheit:
        return (value - 32) * kFiveNinths;
    case unit::kRankine:
        return ((value - 459.67) - 32) * kFiveNinths;
    default:
        return 0.0;
    }
}

double convertTemperature(double value, int fromCode, int toCode) {
    const double celsius = toCelsius(value, fromCode);
    switch (toCode) {
    case unit::kKelvin:
        return celsius + kKelvinOffset;
    case unit::kCelsius:
        return celsius;
    case unit::kFahrenheit:
        return celsius * 1.8 + 32;
    case unit::kRankine:
        return celsius * 1.8 + 491.67;
    default:
        return 0.0;
    }
}

} // namespace viskora
