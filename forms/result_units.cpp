#include "forms/result_units.h"

#include "engine/oil_calc.h"
#include "units/display_format.h"

#include <cmath>
#include <memory>

namespace viskora {
namespace {

double convert(const COilCalc& calc, Quantity quantity, double value, int from, int to) {
    switch (quantity) {
    case Quantity::Temperature:
        return COilCalc::convertTemperature(value, from, to);
    case Quantity::Density:
        return calc.convertDensity(value, from, to);
    case Quantity::Pressure:
        return calc.convertPressure(value, from, to);
    case Quantity::SpecificHeat:
        return calc.convertSpecificHeat(value, from, to);
    case Quantity::Conductivity:
        return calc.convertConductivity(value, from, to);
    case Quantity::Enthalpy:
        return calc.convertEnthalpy(value, from, to);
    case Quantity::Viscosity:
        return calc.convertViscosity(value, from, to);
    case Quantity::SurfaceTension:
        return calc.convertSurfaceTension(value, from, to);
    }
    return value;
}

} // namespace

std::string resultText(Quantity quantity, double baseValue, int unitCode) {
    // The engine record carries the factor tables; it is large, so it does
    // not live on the stack.
    const auto calc = std::make_unique<COilCalc>();
    const double shown = convert(*calc, quantity, baseValue, baseUnitCode(quantity), unitCode);
    // Only a damaged file brings a base value that overflows in another unit.
    return std::isfinite(shown) ? formatForDisplay(shown) : std::string();
}

} // namespace viskora
