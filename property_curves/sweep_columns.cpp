#include "property_curves/sweep_columns.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace viskora {
namespace {

constexpr auto kGas = SweepPhase::Gas;
constexpr auto kLiquid = SweepPhase::Liquid;

constexpr std::array kColumns = {
    SweepColumn{"temperature", Quantity::Temperature, {}},
    SweepColumn{"pressure", Quantity::Pressure, {}},
    SweepColumn{"gasMassShare", std::nullopt, "%"},
    SweepColumn{"liquidMassShare", std::nullopt, "%"},
    SweepColumn{"gasDensity", Quantity::Density, {}, kGas},
    SweepColumn{"gasSpecificHeat", Quantity::SpecificHeat, {}, kGas},
    SweepColumn{"gasConductivity", Quantity::Conductivity, {}, kGas},
    SweepColumn{"gasViscosity", Quantity::Viscosity, {}, kGas},
    SweepColumn{"gasVaporisationEnthalpy", Quantity::Enthalpy, {}, kGas},
    SweepColumn{"gasPrandtl", std::nullopt, "-", kGas},
    SweepColumn{"liquidDensity", Quantity::Density, {}, kLiquid},
    SweepColumn{"liquidSpecificHeat", Quantity::SpecificHeat, {}, kLiquid},
    SweepColumn{"liquidConductivity", Quantity::Conductivity, {}, kLiquid},
    SweepColumn{"liquidViscosity", Quantity::Viscosity, {}, kLiquid},
    SweepColumn{"liquidViscosityByCuts", Quantity::Viscosity, {}, kLiquid},
    SweepColumn{"liquidSurfaceTension", Quantity::SurfaceTension, {}, kLiquid},
    SweepColumn{"prandtl", std::nullopt, "-", kLiquid},
    SweepColumn{"vapourPressure", Quantity::Pressure, {}},
    SweepColumn{"trueVapourPressure", Quantity::Pressure, {}},
    SweepColumn{"anchoredLiquidViscosity", Quantity::Viscosity, {}, kLiquid},
};

// The units whose names on the forms are not plain ASCII, in the order of
// their quantity's list: a raised dot becomes a blank, a degree sign "deg.",
// and the viscosities' "c" (the seconds of the forms' lists) an "s".
constexpr std::string_view kSpecificHeatFileNames[] = {
    "J/(kg K)",        "kJ/(kg K)",      "cal/(g deg.C)", "cal/(kg deg.C)",
    "ccal/(kg deg.C)", "BTU/(lb deg.F)", "CHU/(lb K)"};
constexpr std::string_view kConductivityFileNames[] = {
    "W/(m K)", "cal/(h cm deg.C)", "ccal/(h m deg.C)", "BTU/(h ft deg.F)", "CHU/(h ft deg.F)"};
constexpr std::string_view kViscosityFileNames[] = {"m2/s", "mm2/s", "cm2/s", "St",
                                                    "cSt",  "ft2/h", "ft2/s"};

std::string nameAt(std::span<const std::string_view> names, int unitCode) {
    if (unitCode < 0 || unitCode >= static_cast<int>(names.size())) {
        return {};
    }
    return std::string(names[static_cast<std::size_t>(unitCode)]);
}

// Whether a point has the phase a column describes.
bool hasPhase(const AdditionalResults& results, SweepPhase phase) {
    switch (phase) {
    case SweepPhase::Gas:
        return results.gasMassShare > 0;
    case SweepPhase::Liquid:
        return results.liquidMassShare > 0;
    case SweepPhase::None:
        break;
    }
    return true;
}

// The text with every line break (LF, CR LF or a lone CR) as `lineBreak`.
std::string withLineBreaks(std::string_view text, std::string_view lineBreak) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue; // the LF that follows ends the line
        }
        if (text[i] == '\r' || text[i] == '\n') {
            out += lineBreak;
        } else {
            out += text[i];
        }
    }
    return out;
}

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
    if (name == "vapourPressure") {
        return point.vapourPressure;
    }
    if (name == "trueVapourPressure") {
        return point.trueVapourPressure;
    }
    if (point.outcome == CalcOutcome::Completed && !hasPhase(point.results, column.phase)) {
        return std::nullopt;
    }
    if (name == "anchoredLiquidViscosity") {
        return point.anchoredViscosity;
    }
    if (point.outcome != CalcOutcome::Completed) {
        return std::nullopt;
    }
    const AdditionalResults& r = point.results;
    const std::array<std::pair<std::string_view, double>, 15> results = {{
        {"gasMassShare", r.gasMassShare},
        {"liquidMassShare", r.liquidMassShare},
        {"gasDensity", r.gas.density},
        {"gasSpecificHeat", r.gas.specificHeat},
        {"gasConductivity", r.gas.conductivity},
        {"gasViscosity", r.gas.viscosity},
        {"gasVaporisationEnthalpy", r.gas.vaporisationEnthalpy},
        {"gasPrandtl", r.gas.prandtl},
        {"liquidDensity", r.liquid.density},
        {"liquidSpecificHeat", r.liquid.specificHeat},
        {"liquidConductivity", r.liquid.conductivity},
        {"liquidViscosity", point.liquidViscosityWholeOil},
        {"liquidViscosityByCuts", point.liquidViscosityByCuts},
        {"liquidSurfaceTension", r.liquid.surfaceTension},
        {"prandtl", r.liquid.prandtl},
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
    if (unitCode < 0 || unitCode >= static_cast<int>(names.size())) {
        return {};
    }
    std::string_view name = names[static_cast<std::size_t>(unitCode)];
    if (quantity == Quantity::Temperature) {
        name = name.substr(0, name.find(' '));
    } else if (quantity == Quantity::Pressure) {
        name = name.substr(0, name.find(" ("));
    }
    return std::string(name);
}

std::string fileUnitName(Quantity quantity, int unitCode) {
    switch (quantity) {
    case Quantity::SpecificHeat:
        return nameAt(kSpecificHeatFileNames, unitCode);
    case Quantity::Conductivity:
        return nameAt(kConductivityFileNames, unitCode);
    case Quantity::Viscosity:
        return nameAt(kViscosityFileNames, unitCode);
    case Quantity::Temperature:
    case Quantity::Density:
    case Quantity::Pressure:
    case Quantity::Enthalpy:
    case Quantity::SurfaceTension:
        break;
    }
    return shortUnitName(quantity, unitCode);
}

std::string sweepColumnHeading(const SweepColumn& column, int unitCode) {
    const std::string unit =
        column.quantity ? fileUnitName(*column.quantity, unitCode) : std::string(column.fixedUnit);
    return std::string(column.name) + " [" + unit + "]";
}

std::string csvMessage(std::string_view message) {
    return withLineBreaks(message, "\r\n");
}

std::string oneLineMessage(std::string_view message) {
    std::string line = withLineBreaks(message, " ");
    std::replace(line.begin(), line.end(), '\t', ' ');
    return line;
}

} // namespace viskora
