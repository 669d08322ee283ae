#pragma once

#include <array>
#include <span>
#include <string_view>

namespace viskora {

// The quantities that have unit lists, in the order of the unit name lists.
enum class Quantity {
    Temperature,
    Density,
    Pressure,
    SpecificHeat,
    Conductivity,
    Enthalpy,
    Viscosity,
    SurfaceTension,
};

inline constexpr int kQuantityCount = 8;

// deg.C to K, exactly; the one place the offset is written (the engine's
// correlations that were made with rounded offsets keep theirs in
// engine/correlation_constants.h).
inline constexpr double kKelvinOffset = 273.15;

// A unit code is the unit's index in its quantity's list, from 0: the index
// the documents store and the unit boxes select. The codes used by name:
namespace unit {
inline constexpr int kKelvin = 0;
inline constexpr int kCelsius = 1;
inline constexpr int kFahrenheit = 2;
inline constexpr int kRankine = 3;
inline constexpr int kKgPerM3 = 0;
inline constexpr int kMPa = 3;
inline constexpr int kMm2PerS = 1;
} // namespace unit

// A factor table is indexed directly by unit code. The slots after the last
// unit hold the base unit's factor 1, so that a unit code that no list has
// (only a damaged document brings one) reads as the base unit instead of
// dividing by nothing; so does a negative code.
inline constexpr int kFactorSlots = 20;
using FactorTable = std::array<double, kFactorSlots>;

// Unit names of a quantity in unit-code order (UTF-8 text).
std::span<const std::string_view> unitNames(Quantity quantity);

// The unit code of the quantity's base unit.
int baseUnitCode(Quantity quantity);

// The factors that take a value in each unit to the base unit. Temperature
// has no factor table and gets all ones.
FactorTable factorTable(Quantity quantity);

// The factor of a unit code, with the base unit's 1 for a code outside the table.
double factorOf(const FactorTable& table, int code);

// A value of a quantity from one unit code into another: the one unit
// converter of the program. Temperatures go through convertTemperature;
// every other quantity is (value x f[from]) / f[to] over its factor table,
// each step rounded to a double, a code outside the table counting as the
// base unit.
double convert(Quantity quantity, double value, int fromCode, int toCode);

// Temperature codes 0 K, 1 deg.C, 2 deg.F, 3 deg.R; the conversion goes
// through deg.C. An unknown source code reads as 0 deg.C, an unknown target
// code gives 0.
double toCelsius(double value, int code);
double convertTemperature(double value, int fromCode, int toCode);

// Whether a code names a temperature unit.
constexpr bool isTemperatureCode(int code) {
    return code >= unit::kKelvin && code <= unit::kRankine;
}

} // namespace viskora
