#include "sweeps/sweep_columns.h"

#include <array>

namespace viskora {
namespace {

constexpr std::array kColumns = {
    SweepColumn{"temperature", Quantity::Temperature, {}},
    SweepColumn{"pressure", Quantity::Pressure, {}},
    SweepColumn{"gasMassShare", std::nullopt, "%"},
    SweepColumn{"liquidMassShare", std::nullopt, "%"},
    SweepColumn{"gasDensity", Quantity::Density, {}},
    SweepColumn{"gasSpecificHeat", Quantity::SpecificHeat, {}},
    SweepColumn{"gasConductivity", Quantity::Conductivity, {}},
    SweepColumn{"gasViscosity", Quantity::Viscosity, {}},
    SweepColumn{"gasVaporisationEnthalpy", Quantity::Enthalpy, {}},
    SweepColumn{"gasPrandtl", std::nullopt, "-"},
    SweepColumn{"liquidDensity", Quantity::Density, {}},
    SweepColumn{"liquidSpecificHeat", Quantity::SpecificHeat, {}},
    SweepColumn{"liquidConductivity", Quantity::Conductivity, {}},
    SweepColumn{"liquidViscosity", Quantity::Viscosity, {}},
    SweepColumn{"liquidViscosityByCuts", Quantity::Viscosity, {}},
    SweepColumn{"liquidSurfaceTension", Quantity::SurfaceTension, {}},
    SweepColumn{"prandtl", std::nullopt, "-"},
    SweepColumn{"vapourPressure", Quantity::Pressure, {}},
    SweepColumn{"anchoredLiquidViscosity", Quantity::Viscosity, {}},
};

} // namespace

std::span<const SweepColumn> sweepColumns() {
    return kColumns;
}

const SweepColumn* findSweepColumn(std::string_view name) {
    for (const SweepColumn& column : kColumns) {
        if (column.name == name) {
            return &column;
        }
    }
    return nullptr;
}

std::optional<double> sweepColumnValue(const SweepPoint& point, const SweepColumn& column) {
    const std::string_view name = column.name;
    if (name == "temperature") {
        return point.temperature;
    }
    if (name == "pressure") {
        return point.pressure;
    }
    if (name == "anchoredLiquidViscosity") {
        return point.anchoredViscosity;
    }
    if (name == "vapourPressure") {
        return point.vapourPressure;
    }
    if (point.outcome != CalcOutcome::Completed) {
        return std::nullopt;
    }
    const AdditionalResults& r = point.results;
    const std::array<std::pair<std::string_view, double>, 15> results = {{
        {"gasMassShare", r.gasMassShare},
        {"liquidMassShare", r.liquidMassShare},
        {"gasDensity", r.gasDensity},
        {"gasSpecificHeat", r.gasSpecificHeat},
        {"gasConductivity", r.gasConductivity},
        {"gasViscosity", r.gasViscosity},
        {"gasVaporisationEnthalpy", r.gasVaporisationEnthalpy},
        {"gasPrandtl", r.gasPrandtl},
        {"liquidDensity", r.liquidDensity},
        {"liquidSpecificHeat", r.liquidSpecificHeat},
        {"liquidConductivity", r.liquidConductivity},
        {"liquidViscosity", point.liquidViscosityWholeOil},
        {"liquidViscosityByCuts", point.liquidViscosityByCuts},
        {"liquidSurfaceTension", r.liquidSurfaceTension},
        {"prandtl", r.prandtl},
    }};
    for (const auto& [resultName, value] : results) {
        if (resultName == name) {
            return value;
        }
    }
    return std::nullopt;
}

std::string shortUnitName(Quantity quantity, int unitCode) {
    const auto names = unitNames(quantity);
    if (unitCode < 1 || unitCode > static_cast<int>(names.size())) {
        return {};
    }
    std::string_view name = names[static_cast<std::size_t>(unitCode - 1)];
    if (quantity == Quantity::Temperature) {
        name = name.substr(0, name.find(' '));
    } else if (quantity == Quantity::Pressure) {
        name = name.substr(0, name.find(" ("));
    }
    return std::string(name);
}

} // namespace viskora
