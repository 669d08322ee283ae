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

// A factor table is indexed directly by unit code (1-based). Slot 0 and the
// slots after the last unit hold the base unit's factor 1, so that a unit
// code that no list has (only a damaged document brings one) reads as the
// base unit instead of dividing by nothing.
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

// Temperature codes 1 K, 2 deg.C, 3 deg.F, 4 deg.R; the conversion goes
// through deg.C. An unknown source code reads as 0 deg.C, an unknown target
// code gives 0.
double toCelsius(double value, int code);
double convertTemperature(double value, int fromCode, int toCode);

} // namespace viskora
