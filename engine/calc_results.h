#pragma once

#include <string>

// What a completed calculation gives, as plain data: the forms, the
// calculator and the documents' field tables read these without any of the
// engine's code. The steps of engine/calc_steps.h give the properties of the
// oil and of its phases in the same shapes.
namespace viskora {

// How a calculation finds the liquid's kinematic viscosity: from the oil's
// 50 % point and relative density as a whole, or by blending its narrow
// cuts' own viscosities.
enum class ViscosityMethod { WholeOil, NarrowCuts };

// How a calculation finds the oil's vapour pressure: that of one substance
// boiling at the oil's average boiling point (Ashworth's relation), or the
// true vapour pressure of its narrow cuts and light ends as a mixture.
enum class VapourPressureMethod { AverageBoilingPoint, NarrowCuts };

// How a calculation ended.
enum class CalcOutcome {
    Completed, // results may be copied out
    Stopped,   // an input error, or No to a warning; the user has been told
    Failed,    // the calculation broke down; the user has been told
};

// The properties of a characterised oil at the reference temperature and
// atmospheric pressure.
struct ReferenceProperties {
    double specificHeat = 0;        // kJ/(kg K)
    double thermalConductivity = 0; // W/(m K)
    double kinematicViscosity = 0;  // mm2/s
    double vapourPressure = 0;      // MPa
    double prandtl = 0;
    double surfaceTension = 0; // N/m
};

// The properties of a characterised part as a liquid at a design state.
struct LiquidProperties {
    double vaporisationEnthalpy = 0; // kJ/kg
    double density = 0;              // kg/m3
    double specificHeat = 0;         // kJ/(kg K)
    double conductivity = 0;         // W/(m K)
    double viscosity = 0;            // mm2/s
    double surfaceTension = 0;       // N/m
    double prandtl = 0;
};

// The properties of a characterised part as a gas at a design state, by the
// Lee-Kesler corresponding-states method.
struct GasProperties {
    double density = 0;      // kg/m3
    double specificHeat = 0; // kJ/(kg K)
    double conductivity = 0; // W/(m K)
    double viscosity = 0;    // mm2/s
    double prandtl = 0;
    // kJ/kg, that of the part's liquid at the design state; the record fills
    // it, gasPropertiesAt leaves it 0.
    double vaporisationEnthalpy = 0;
};

// The results of the basic calculation in base units: the whole oil's
// density, its properties at the reference temperature and its
// pseudocritical temperature, and the Prandtl number as the form shows it.
struct BasicResults {
    double density = 0; // kg/m3
    ReferenceProperties atReference;
    double pseudoCritTemp = 0; // deg.C
    std::string prandtlText;
};

// The results of the additional calculation in base units: each phase's
// properties (those of a phase that is absent all 0), its Prandtl number as
// the form shows it, and the two mass shares as the form shows them: the gas
// share with one decimal, the liquid share as 100 minus the number shown for
// the gas, so that the two always add up to 100.0.
struct AdditionalResults {
    double gasMassShare = 0;    // %
    double liquidMassShare = 0; // %
    GasProperties gas;
    LiquidProperties liquid;
    std::string gasPrandtlText;
    std::string liquidPrandtlText;
    std::string gasShareText;
    std::string liquidShareText;
    // MPa, the whole oil's bubble-point pressure at the design temperature
    // by narrow cuts; 0 when the calculation is not by narrow cuts.
    double bubblePointPressure = 0;
};

} // namespace viskora
